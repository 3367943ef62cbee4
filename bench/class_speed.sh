#!/usr/bin/env bash
# Times class recognition's share of the analysis: klv -f -c -n -o against
# klv -f -c -n on the real C++ and Java trees of bench/class_trees.sh, both
# in one run of this script, best wall time of BENCH_RUNS (default 5); the
# report goes to /dev/null. Target: the -o run within 1.15x.
#
#   KLV=build/klv bash bench/class_speed.sh
set -uo pipefail

KLV=${KLV:-build/klv}
RUNS=${BENCH_RUNS:-5}
here=$(cd "$(dirname "$0")" && pwd)
[ -x "$KLV" ] || { echo "class_speed: no program at $KLV" >&2; exit 1; }
KLV=$(realpath -- "$KLV")

tmp=$(mktemp -d "${TMPDIR:-/tmp}/klv-class-speed.XXXXXX")
trap 'rm -rf -- "$tmp"' EXIT
# shellcheck source=bench/class_trees.sh
. "$here/class_trees.sh"
class_trees_prepare "$tmp" || exit 1
cp -- "$KLV" "$tmp/klv"
cat "$tmp/cpp.files" "$tmp/java.files" >"$tmp/all.files"

# Best wall time in seconds of `klv ARGS` over the files of list $1.
best() {
    local list=$1 best_time="" t
    shift
    for _ in $(seq "$RUNS"); do
        local start end
        start=$(date +%s.%N)
        xargs -d '\n' -a "$list" "$tmp/klv" "$@" >/dev/null 2>&1
        end=$(date +%s.%N)
        t=$(awk "BEGIN{printf \"%.3f\", $end - $start}")
        if [ -z "$best_time" ] || awk "BEGIN{exit !($t < $best_time)}"; then
            best_time=$t
        fi
    done
    echo "$best_time"
}

cd "$tmp" || exit 1
printf '%-6s %10s %10s %7s\n' tree "-f -c -n" "-f -c -n -o" ratio
for tree in cpp java all; do
    lines=$(xargs -d '\n' -a "$tree.files" cat | wc -l)
    base=$(best "$tree.files" -f -c -n)
    with=$(best "$tree.files" -f -c -n -o)
    printf '%-6s %9ss %10ss %7s   (%d files, %d lines)\n' "$tree" "$base" \
        "$with" "$(awk "BEGIN{printf \"%.3f\", $with / $base}")" \
        "$(wc -l <"$tree.files")" "$lines"
done
