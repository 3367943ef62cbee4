#!/usr/bin/env bash
# Times klv (plain, -v, and the full function analysis -f -c -n) against
# `wc -l` over the same set of real C headers.
#
#   KLV=path         the program to time (default build/klv)
#   BENCH_FILES=f    a file naming the sources, one per line
#                    (default: every *.h under /usr/include)
#   BENCH_RUNS=n     runs per command; the best wall time counts (default 3)
#
# The exit status of klv is ignored: with some options it is a notice count.
set -uo pipefail

KLV=${KLV:-build/klv}
RUNS=${BENCH_RUNS:-3}

if [ ! -x "$KLV" ]; then
    echo "wc_ratio: no program at $KLV (build it with 'make build')" >&2
    exit 1
fi
KLV=$(realpath -- "$KLV")

list=$(mktemp "${TMPDIR:-/tmp}/klv-bench.XXXXXX")
trap 'rm -f -- "$list"' EXIT

if [ -n "${BENCH_FILES:-}" ]; then
    grep -v '^$' -- "$BENCH_FILES" >"$list"
else
    find /usr/include -type f -name '*.h' | LC_ALL=C sort >"$list"
fi

files=$(wc -l <"$list")
if [ "$files" -eq 0 ]; then
    echo "wc_ratio: no files to measure" >&2
    exit 1
fi

# Every command gets the file list through the same xargs pipeline. The
# command-line limit is half of ARG_MAX, so the usual header set goes in a
# single invocation; a larger list is split the same way for every tool.
limit=$(( $(getconf ARG_MAX) / 2 ))
batches=$(xargs -d '\n' -s "$limit" -a "$list" echo | wc -l)
lines=$(xargs -d '\n' -s "$limit" -a "$list" cat | wc -l)

now() { date +%s.%N; }

# best_time cmd... : prints the best wall time of $RUNS runs in seconds.
best_time() {
    local best="" start end t i
    for (( i = 0; i < RUNS; i++ )); do
        start=$(now)
        xargs -d '\n' -s "$limit" -a "$list" "$@" >/dev/null 2>&1
        end=$(now)
        t=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
        if [ -z "$best" ] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'
        then
            best=$t
        fi
    done
    echo "$best"
}

echo "files: $files  lines: $lines  invocations per run: $batches  runs: $RUNS"

wc_time=$(best_time wc -l)
klv_time=$(best_time "$KLV")
klv_v_time=$(best_time "$KLV" -v)
klv_fcn_time=$(best_time "$KLV" -f -c -n)

ratio() { awk -v t="$1" -v w="$wc_time" 'BEGIN {
    if (w <= 0) w = 0.001; printf "%.2f", t / w }'; }

printf '\n%-13s %10s %12s\n' tool seconds "x wc -l"
printf '%-13s %10s %12s\n' "wc -l" "$wc_time" "$(ratio "$wc_time")"
printf '%-13s %10s %12s\n' "klv" "$klv_time" "$(ratio "$klv_time")"
printf '%-13s %10s %12s\n' "klv -v" "$klv_v_time" "$(ratio "$klv_v_time")"
printf '%-13s %10s %12s\n' "klv -f -c -n" "$klv_fcn_time" \
    "$(ratio "$klv_fcn_time")"
