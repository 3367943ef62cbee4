#!/usr/bin/env bash
# Times `klv -f -c -n` (function metrics, complexity and notices) against
# pmccabe on the same real C files, in the same run; `klv -f -c` (the same
# without notices: kernel code raises one per TAB) and plain `klv` are
# shown beside them.
#
#   bench/pmccabe_ratio.sh DIR...     every *.c below DIR
#
#   KLV=path         the program to time (default build/klv)
#   BENCH_RUNS=n     runs per command; the best time counts (default 5)
#
# Both read the same file list through the same xargs pipeline, their
# output goes to /dev/null, and the exit status is ignored (klv's is the
# notice count). Wall time and CPU time (user + system) are shown; on a
# shared machine the CPU time is the steadier figure.
set -uo pipefail

KLV=${KLV:-build/klv}
RUNS=${BENCH_RUNS:-5}
if [ $# -eq 0 ]; then
    echo "usage: $0 DIR..." >&2
    exit 2
fi
if [ ! -x "$KLV" ]; then
    echo "pmccabe_ratio: no program at $KLV" >&2
    exit 1
fi
command -v pmccabe >/dev/null || {
    echo "pmccabe_ratio: pmccabe is not installed" >&2
    exit 1
}
KLV=$(realpath -- "$KLV")

list=$(mktemp "${TMPDIR:-/tmp}/klv-pmccabe.XXXXXX")
trap 'rm -f -- "$list"' EXIT
find "$@" -type f -name '*.c' | LC_ALL=C sort >"$list"
files=$(wc -l <"$list")
[ "$files" -gt 0 ] || { echo "pmccabe_ratio: no C files" >&2; exit 1; }
lines=$(xargs -d '\n' -a "$list" cat | wc -l)

# best CMD... : prints "wall cpu", the best of $RUNS runs of each.
best() {
    local i wall cpu best_wall="" best_cpu="" TIMEFORMAT='%R %U %S'
    for (( i = 0; i < RUNS; i++ )); do
        read -r wall user sys < <({ time xargs -d '\n' -a "$list" "$@" \
            >/dev/null 2>&1; } 2>&1)
        cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.3f", u + s }')
        if [ -z "$best_wall" ] ||
            awk -v a="$wall" -v b="$best_wall" 'BEGIN { exit !(a < b) }'; then
            best_wall=$wall
        fi
        if [ -z "$best_cpu" ] ||
            awk -v a="$cpu" -v b="$best_cpu" 'BEGIN { exit !(a < b) }'; then
            best_cpu=$cpu
        fi
    done
    echo "$best_wall $best_cpu"
}

echo "files: $files  lines: $lines  runs: $RUNS"
read -r p_wall p_cpu < <(best pmccabe)
read -r k_wall k_cpu < <(best "$KLV" -f -c -n)
read -r c_wall c_cpu < <(best "$KLV" -f -c)
read -r b_wall b_cpu < <(best "$KLV")

ratio() { awk -v t="$1" -v p="$2" 'BEGIN {
    if (p <= 0) p = 0.001; printf "%.2f", t / p }'; }

printf '\n%-14s %8s %8s %10s %10s\n' tool wall cpu "wall/pmc" "cpu/pmc"
printf '%-14s %8s %8s %10s %10s\n' pmccabe "$p_wall" "$p_cpu" 1.00 1.00
printf '%-14s %8s %8s %10s %10s\n' "klv -f -c -n" "$k_wall" "$k_cpu" \
    "$(ratio "$k_wall" "$p_wall")" "$(ratio "$k_cpu" "$p_cpu")"
printf '%-14s %8s %8s %10s %10s\n' "klv -f -c" "$c_wall" "$c_cpu" \
    "$(ratio "$c_wall" "$p_wall")" "$(ratio "$c_cpu" "$p_cpu")"
printf '%-14s %8s %8s %10s %10s\n' klv "$b_wall" "$b_cpu" \
    "$(ratio "$b_wall" "$p_wall")" "$(ratio "$b_cpu" "$p_cpu")"
