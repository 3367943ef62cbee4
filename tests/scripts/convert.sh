#!/usr/bin/env bash
# -D rewrites files in place: it keeps every name, owner and mode of a file
# or refuses it, and leaves no temporary file behind, even when stopped.
. "$(dirname "$0")/lib.sh" "$@"

# Only the given names (in ls order) are left in the current directory,
# apart from the program's own files.
expect_only() {
    local label=$1 want=$2 got
    got=$(ls -A | grep -v -x -e bin -e out -e err -e klv.cfg -e klv_macro.cfg |
          tr '\n' ' ')
    [ "${got% }" = "$want" ] || fail "$label: files left: ${got% }"
}

make_source a.c
ln a.c b.c
run -Dt a.c
expect_text "It has 2 names (hard links)" "-D on a hard-linked file"
[ "$(cat a.c)" = "$(cat b.c)" ] || fail "-D split a hard link"
grep -q "$(printf '\t')" a.c || fail "-D converted a hard-linked file"
rm b.c

chmod 444 a.c
run -Dt a.c
expect_text "It is read-only (mode 0444)" "-D on a read-only file"
grep -q "$(printf '\t')" a.c || fail "-D converted a read-only file"
chmod 644 a.c

# Names close to the limit of a directory entry.
long=$(printf 'n%.0s' $(seq 250)).c
make_source "$long"
run -Dt "$long"
expect_text "Complete - Lines = 4, Tabs Replaced = 1" "-D on a 252-character name"
expect_only "-D on a long name" "a.c $long"
rm "$long"

# An old temporary file is explained and left alone.
echo "old text" >a.c.tmp
run -Dt a.c
expect_text "a.c.tmp is left from an interrupted or failed conversion" "old .tmp"
expect_text "Complete - Lines = 4" "conversion beside an old .tmp"
expect_file a.c.tmp "old text" "old .tmp"
rm a.c.tmp

# A file of another user: an ordinary user can write it but cannot give
# the new file its owner, so it is refused and left as it was.
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
    mkdir shared && chmod 1777 shared && make_source shared/c.c
    chmod 666 shared/c.c
    (cd shared && as_user "$KLV" -Dt c.c >../out 2>&1)
    expect_text "Its owner and group (0:0) cannot be kept" "-D keeping the owner"
    grep -q "$(printf '\t')" shared/c.c || fail "-D changed another user's file"
    [ "$(ls -A shared)" = c.c ] || fail "-D left $(ls -A shared) in shared"
    [ "$(stat -c %u shared/c.c)" = 0 ] || fail "-D changed the owner"
    rm -r shared
else
    echo "note: owner case skipped (needs root and setpriv)"
fi

# Stopped part way: the source is whole (old or new) and no temporary file
# is left.
for sig in INT TERM; do
    head -c 30000000 /dev/zero | tr '\0' '\t' | fold -b -w 100 >big.c
    old_size=$(stat -c %s big.c)
    "$KLV" -Dt big.c >out 2>&1 &
    pid=$!
    sleep 0.3
    kill -"$sig" "$pid" 2>/dev/null
    wait "$pid"
    expect_only "stopped by SIG$sig" "a.c big.c"
    size=$(stat -c %s big.c)
    # Every TAB becomes two blanks: one byte more each.
    [ "$size" = "$old_size" ] || [ "$size" = $((old_size + 30000000)) ] ||
        fail "SIG$sig left big.c with $size bytes"
    rm big.c
done

finish
