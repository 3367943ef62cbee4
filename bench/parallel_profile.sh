#!/usr/bin/env bash
# What bounds the speed-up of a parallel run, in instructions (callgrind,
# free of the noise of a shared machine): the serial run's total against
# the instructions of each thread of a run with -j 2. The main thread
# merges, writes and does the work before and after the files. Valgrind
# runs one thread at a time, so how the files fall to the threads here
# follows its turns, not the cores: the bound that counts is the serial
# run against the work of all threads shared out evenly, as the threads
# of a real run share it (each takes the next file when it is free).
#
#   klv_list=FILE   a -F list of files (default: the kernel subset of
#                   parallel_speed.sh, the first 1500 files)
#   KLV=path        the program (default build/klv)
#   OPTIONS="..."   the report options (default "-f -c -n -o")
#   JOBS=n          the threads of the parallel run (default 2)
set -uo pipefail

KLV=$(realpath -- "${KLV:-build/klv}")
OPTIONS=${OPTIONS--f -c -n -o}
JOBS=${JOBS:-2}
CACHE=${BENCH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/klv-bench}
command -v valgrind >/dev/null || { echo "parallel_profile: no valgrind" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/klv-profile.XXXXXX")
trap 'rm -rf -- "$work"' EXIT
list=${klv_list:-}
if [ -z "$list" ]; then
    root=$(ls -d "$CACHE"/linux-source-* 2>/dev/null | sort -V | tail -1)
    [ -n "$root" ] || { echo "parallel_profile: run parallel_speed.sh first to unpack the kernel subset" >&2; exit 1; }
    find "$root/kernel" "$root/lib" "$root/mm" "$root/fs/ext4" -type f \
        -name '*.[ch]' | LC_ALL=C sort | head -1500 >"$work/files"
    list=$work/files
fi

total() { callgrind_annotate "$1" 2>/dev/null | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }'; }

# shellcheck disable=SC2086
valgrind --tool=callgrind --callgrind-out-file="$work/serial" \
    "$KLV" -j 1 $OPTIONS -F "$list" >/dev/null 2>&1
# shellcheck disable=SC2086
valgrind --tool=callgrind --separate-threads=yes \
    --callgrind-out-file="$work/parallel" \
    "$KLV" -j "$JOBS" $OPTIONS -F "$list" >/dev/null 2>&1

serial=$(total "$work/serial")
echo "files: $(wc -l <"$list")  options: ${OPTIONS:-(none)}"
printf '  %-24s %14d\n' "serial run" "$serial"
sum=0
busiest=0
for f in "$work"/parallel-*; do
    n=$(total "$f")
    sum=$((sum + n))
    [ "$n" -gt "$busiest" ] && busiest=$n
    printf '  %-24s %14d\n' "-j $JOBS thread ${f##*-}" "$n"
done
awk -v s="$serial" -v t="$sum" -v b="$busiest" -v j="$JOBS" 'BEGIN {
    printf "  all threads / serial       %.2f\n", t / s
    printf "  speed-up bound (serial / all threads shared out) %.2f\n", s * j / t
    printf "  split under valgrind (serial / busiest thread)   %.2f\n", s / b
}'
