#!/usr/bin/env bash
# Runs two builds of klv over the same files in every report mode and
# tells, mode by mode, whether their reports are byte-identical: the proof
# that a change to the analysis leaves code it does not concern alone.
#
#   bench/report_identity.sh OLD NEW DIR...    every *.c, *.h, *.cc, *.cpp,
#                                              *.hpp and *.java below DIR
#
#   SHOW=n     show the first n differing lines of a mode (default 6)
#   MODES=file one option set per line instead of the built-in list
#   EXTENSIONS=l  add the comma-separated extensions l to the accepted
#              ones (say, hpp)
#   FILES=l    the files named in list l (one a line, relative names taken
#              from the current directory) instead of those below DIRs;
#              DIR... may then be left out
#   BY_FILE=1  split the files by what each build makes of each file alone
#              (its -f -c -n -o report) instead of the textual test: the
#              files read alike must give identical reports in every mode
#              when analysed together; the others are listed
#
# The files are split in two by a generous textual test for the constructs
# of today's C++ and Java the analysis now reads (raw strings, digit
# separators, namespace aliases and nested names, attributes, text blocks,
# generic wildcards, records, sealed classes, annotation types, one-line
# old-style declarations, a name right after '{', '}' or ';'): the files
# without any of them must give identical reports in every mode; for the
# files with them the differing modes are listed.
#
# Both programs run from copies in their own directories, each with the
# default klv.cfg and an empty klv_macro.cfg, with SOURCE_DATE_EPOCH set
# and the files named in a -F list; standard output and standard error
# are compared together, with the exit status.
set -uo pipefail

if [ $# -lt 2 ] || { [ $# -lt 3 ] && [ -z "${FILES:-}" ]; }; then
    echo "usage: $0 OLD NEW DIR...   or   FILES=list $0 OLD NEW" >&2
    exit 2
fi
old=$(realpath -- "$1")
new=$(realpath -- "$2")
shift 2
SHOW=${SHOW:-6}

tmp=$(mktemp -d "${TMPDIR:-/tmp}/klv-identity.XXXXXX")
trap 'rm -rf -- "$tmp"' EXIT

if [ -n "${FILES:-}" ]; then
    LC_ALL=C sort -- "$FILES" >"$tmp/files"
else
    find "$(realpath -- "$1")" "${@:2}" -type f \( -name '*.c' -o -name '*.h' \
        -o -name '*.cc' -o -name '*.cpp' -o -name '*.hpp' -o -name '*.java' \) |
        LC_ALL=C sort >"$tmp/files"
fi
[ -s "$tmp/files" ] || { echo "report_identity: no files" >&2; exit 1; }
sed -i 's|^\([^/]\)|'"$PWD"'/\1|' "$tmp/files"

# What a C or C++ file / a Java file may hold that the two builds read
# differently.
cat >"$tmp/c.patterns" <<'PATTERNS'
R"
[0-9a-fA-F]'[0-9a-fA-F]
namespace[[:space:]]+[A-Za-z_][A-Za-z_0-9]*[[:space:]]*=
namespace[[:space:]]+[A-Za-z_0-9]+::
inline[[:space:]]+namespace
\[\[
alignas
[{};][A-Za-z_~][A-Za-z_0-9:~<>]*[[:space:]]*\(
\([[:space:]]*[A-Za-z_][A-Za-z_0-9]*([[:space:]]*,[[:space:]]*[A-Za-z_][A-Za-z_0-9]*)*[[:space:]]*\)[[:space:]]*[A-Za-z_][^;{(]*;
PATTERNS
cat >"$tmp/java.patterns" <<'PATTERNS'
"""
[<,][[:space:]]*\?
record[[:space:]]+[A-Z]
sealed
permits
@interface
\[\[
[{};][A-Za-z_~][A-Za-z_0-9:~<>]*[[:space:]]*\(
PATTERNS
: >"$tmp/with"
grep -v '\.java$' "$tmp/files" | xargs -r -d '\n' grep -l -E -f "$tmp/c.patterns" -- \
    >>"$tmp/with"
grep '\.java$' "$tmp/files" | xargs -r -d '\n' grep -l -E -f "$tmp/java.patterns" -- \
    >>"$tmp/with"
LC_ALL=C sort -o "$tmp/with" "$tmp/with"

for side in old new; do
    mkdir -p "$tmp/$side"
    cp -- "${!side}" "$tmp/$side/klv"
    : >"$tmp/$side/klv_macro.cfg"
    (cd "$tmp/$side" && ./klv -s /dev/null >/dev/null 2>&1)
    : >"$tmp/$side/klv_macro.cfg"
    if [ -n "${EXTENSIONS:-}" ]; then
        sed -i 's/^\(Allowable source code extensions *: .*\)$/\1,'"$EXTENSIONS"'/' \
            "$tmp/$side/klv.cfg"
    fi
done

if [ "${BY_FILE:-0}" = 1 ]; then
    # Each file alone through both builds: those reported differently.
    : >"$tmp/with"
    while IFS= read -r file; do
        for side in old new; do
            (cd "$tmp/$side" && SOURCE_DATE_EPOCH=1700000000 TZ=UTC LC_ALL=C \
                ./klv -f -c -n -o "$file" >"$tmp/$side.one" 2>&1)
        done
        cmp -s "$tmp/old.one" "$tmp/new.one" || echo "$file" >>"$tmp/with"
    done <"$tmp/files"
    echo "files each build reads differently:"
    sed 's/^/  /' "$tmp/with"
fi
LC_ALL=C comm -23 "$tmp/files" "$tmp/with" >"$tmp/without"

if [ -n "${MODES:-}" ]; then
    mapfile -t modes <"$MODES"
else
    modes=(
        "" "-v" "-s" "-f" "-f -c" "-f -c -n" "-f -c -n -m -a" "-n -Ns"
        "-n -Nv" "-l" "-e -f" "-C" "-Es" "-Ec" "-d" "-H -v -f -c -n"
        "-A -f" "-A -s" "-A -Ta" "-Ta" "-Tf -k1" "-Tf -k5" "-Tq" "-Tn"
        "-Tp" "-Ts" "-o" "-i" "-p"
    )
fi

# Compares the two builds over the files of list $1 in every mode.
compare() {
    local list=$1 differing=0 mode side
    for mode in "${modes[@]}"; do
        for side in old new; do
            # shellcheck disable=SC2086
            (cd "$tmp/$side" && SOURCE_DATE_EPOCH=1700000000 TZ=UTC LC_ALL=C \
                ./klv $mode -F "$list" >"$tmp/$side.out" 2>&1
             echo "exit status $?" >>"$tmp/$side.out")
        done
        if cmp -s "$tmp/old.out" "$tmp/new.out"; then
            printf '  %-18s same (%s bytes)\n' "klv $mode" \
                "$(wc -c <"$tmp/new.out")"
        else
            differing=$((differing + 1))
            printf '  %-18s DIFFERENT\n' "klv $mode"
            diff "$tmp/old.out" "$tmp/new.out" | head -n "$SHOW" |
                sed 's/^/      /'
        fi
    done
    echo "  modes differing: $differing of ${#modes[@]}"
}

echo "files without the constructs: $(wc -l <"$tmp/without")"
[ -s "$tmp/without" ] && compare "$tmp/without"
echo "files with them: $(wc -l <"$tmp/with")"
[ -s "$tmp/with" ] && compare "$tmp/with"
