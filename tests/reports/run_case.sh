#!/usr/bin/env bash
# Runs one report case through the klv program and checks what it produced.
#
# usage: run_case.sh <klv-binary> <case-dir> <fixtures-dir>
#
# A case directory holds:
#   args             one line: the klv arguments, as shell words
#   expected         the exact standard output
#   status           optional: the expected exit status (default 0)
#   files/           optional: source files for this case (they win over
#                    the shared fixtures of the same name)
#   expected_file_N  optional: the exact content of file N that the run
#                    leaves in its directory (e.g. expected_file_out.txt)
#   expected_stderr  optional: the exact standard error (default: empty)
#   env              optional: NAME=value lines exported for the run
#   stdin            optional: standard input (default: /dev/null)
#
# The run happens in a fresh directory holding the shared fixtures and the
# case's files, every one dated 2020-01-02 03:04:05 UTC, with TZ=UTC,
# LC_ALL=C, SOURCE_DATE_EPOCH=1700000000, PATH=/usr/bin:/bin and no other
# environment apart from the sanitizer options. The program is started as
# "klv". The absolute path of the run directory is shown as @CASEDIR@ in
# the compared output. Set KLV_KEEP_TMP=1 to keep the run directory.
set -u

if [ $# -ne 3 ]; then
    echo "usage: $0 <klv-binary> <case-dir> <fixtures-dir>" >&2
    exit 2
fi

klv_bin=$(realpath -- "$1") || exit 2
case_dir=$(realpath -- "$2") || exit 2
fixtures=$3
name=${case_dir##*/}

fail() { echo "report.$name: $*"; failed=1; }

for f in args expected; do
    if [ ! -f "$case_dir/$f" ]; then
        echo "report.$name: missing $case_dir/$f"
        exit 2
    fi
done
if [ ! -x "$klv_bin" ]; then
    echo "report.$name: no program at $klv_bin"
    exit 2
fi

root=$(mktemp -d "${TMPDIR:-/tmp}/klv-report.XXXXXX") || exit 2
if [ "${KLV_KEEP_TMP:-0}" = 1 ]; then
    trap 'echo "report.$name: kept $root"' EXIT
else
    trap 'rm -rf -- "$root"' EXIT
fi
mkdir "$root/work"
work=$(cd "$root/work" && pwd -P)

# Lay out the files: shared fixtures first, then the case's own.
if [ -d "$fixtures" ]; then
    cp -R -- "$fixtures/." "$work/"
fi
if [ -d "$case_dir/files" ]; then
    cp -R -- "$case_dir/files/." "$work/"
fi
chmod -R u+w -- "$work"
find "$work" -exec touch -h -d '2020-01-02 03:04:05 UTC' {} +

stdin=/dev/null
[ -f "$case_dir/stdin" ] && stdin=$case_dir/stdin

(
    cd "$work" || exit 125
    # A clean, fixed environment.
    for v in $(compgen -e); do
        case $v in
            ASAN_OPTIONS|UBSAN_OPTIONS|LSAN_OPTIONS) ;;
            *) unset "$v" 2>/dev/null ;;
        esac
    done
    export PATH=/usr/bin:/bin HOME="$work" TZ=UTC LC_ALL=C \
           SOURCE_DATE_EPOCH=1700000000
    if [ -f "$case_dir/env" ]; then
        set -a
        . "$case_dir/env"
        set +a
    fi
    eval "set -- $(cat "$case_dir/args")"
    exec -a klv "$klv_bin" "$@"
) <"$stdin" >"$root/stdout.raw" 2>"$root/stderr.raw"
status=$?

# Show the run directory as @CASEDIR@.
work_re=$(printf '%s' "$work" | sed 's/[][\.*^$|]/\\&/g')
placeholder() { sed "s|$work_re|@CASEDIR@|g" -- "$1"; }
placeholder "$root/stdout.raw" >"$root/stdout"
placeholder "$root/stderr.raw" >"$root/stderr"

failed=0

if ! cmp -s -- "$case_dir/expected" "$root/stdout"; then
    fail "standard output differs from expected:"
    diff -a -u --label expected --label actual -- \
        "$case_dir/expected" "$root/stdout"
fi

want_status=0
if [ -f "$case_dir/status" ]; then
    want_status=$(tr -d ' \t\r\n' <"$case_dir/status")
fi
if [ "$status" != "$want_status" ]; then
    fail "exit status $status, expected $want_status"
fi

if [ -f "$case_dir/expected_stderr" ]; then
    if ! cmp -s -- "$case_dir/expected_stderr" "$root/stderr"; then
        fail "standard error differs from expected:"
        diff -a -u --label expected_stderr --label actual -- \
            "$case_dir/expected_stderr" "$root/stderr"
    fi
elif [ -s "$root/stderr" ]; then
    fail "unexpected standard error output:"
    head -n 60 -- "$root/stderr"
fi

for want in "$case_dir"/expected_file_*; do
    [ -e "$want" ] || continue
    file=${want##*/expected_file_}
    if [ ! -f "$work/$file" ]; then
        fail "the run left no file $file"
        continue
    fi
    placeholder "$work/$file" >"$root/file.out"
    if ! cmp -s -- "$want" "$root/file.out"; then
        fail "file $file differs from expected:"
        diff -a -u --label "expected_file_$file" --label "$file" -- \
            "$want" "$root/file.out"
    fi
done

if [ "$failed" != 0 ]; then
    echo "report.$name: args: $(cat "$case_dir/args")"
    exit 1
fi
exit 0
