# Helpers for the script tests: each test script runs the real klv program
# in a scratch directory on files it makes there (pipes, links, read-only
# files), and exits 0 when every check held, 1 when one failed, 77 when
# the machine cannot run it.
#
# usage in a test: . "$(dirname "$0")/lib.sh" "$@"   (argument: the klv binary)
set -u

scratch=$(mktemp -d "${TMPDIR:-/tmp}/klv-script.XXXXXX") || exit 2
chmod 755 "$scratch"
trap 'chmod -R u+rwx "$scratch" 2>/dev/null; rm -rf -- "$scratch"' EXIT
# A copy of the program, so that its klv.cfg is made beside it in here.
mkdir "$scratch/bin" && cp -- "$1" "$scratch/bin/klv" || exit 2
KLV=$scratch/bin/klv
cd "$scratch" || exit 2
export TZ=UTC LC_ALL=C SOURCE_DATE_EPOCH=1700000000 HOME="$scratch"
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs klv with a time limit; the status goes to $status, the output to
# the files out and err.
run() {
    timeout 20 "$KLV" "$@" >out 2>err </dev/null
    status=$?
    [ "$status" = 124 ] && fail "klv $* did not end within 20 seconds"
}

expect_status() { [ "$status" = "$1" ] || fail "$2: status $status, expected $1"; }
expect_text() { grep -qF -- "$1" out || { fail "$2: no '$1' in the output"; cat out; }; }
expect_no_text() { ! grep -qF -- "$1" out || fail "$2: unexpected '$1' in the output"; }
expect_file() { [ "$(cat -- "$1")" = "$2" ] || fail "$3: $1 holds '$(cat -- "$1")'"; }

# Runs a command as an ordinary user when the tests run as root.
as_user() {
    if [ "$(id -u)" = 0 ]; then
        setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
    else
        "$@"
    fi
}

finish() {
    if [ "$failures" != 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    exit 0
}

skip() { echo "SKIP: $*"; exit 77; }

# A small C source with a known shape.
make_source() {
    printf 'int main(void)\n{\n\treturn 0;\n}\n' >"$1"
}
