#!/usr/bin/env bash
# Times the serial program against a run on two threads (-j 2) over real
# trees, in one run, beside `wc -l` and pmccabe over the same files:
#
#   kernel  kernel/, lib/, mm/ and fs/ext4 of the Debian linux-source
#           package (*.c and *.h), unpacked once into the cache directory
#   jdk     java.util, java.lang and javax.swing of openjdk-17-source
#   cpp     llvm/ADT, llvm/Support, llvm/IR and googletest (class_trees.sh)
#
# For each tree: wc -l, pmccabe (the C tree only), and klv with -j 1
# and -j 2 for plain analysis, -f -c, -f -c -n -o and -v -f -c -n -o -i.
# The best wall time of $BENCH_RUNS runs counts, the runs with -j 1 and
# -j 2 taken by turns; the speed-up target is judged on the median of the
# turns' speed-ups, which a drifting load moves least. The median of the
# turns' CPU time (all threads, -j 2 against -j 1) shows the extra work of
# the parallel run. Reports go to /dev/null.
# klv reads the files from a -F list (one run over all of them, as the
# parallel run needs); wc and pmccabe get the same list through xargs.
#
#   KLV=path          the program (default build/klv)
#   BENCH_RUNS=n      runs per command (default 3)
#   BENCH_TREES=list  the trees to time (default "kernel jdk cpp")
#   BENCH_CACHE=dir   where the trees are unpacked
#                     (default ~/.cache/klv-bench)
#
# Targets on two cores: -f -c -n -o at least 1.8x faster with -j 2 on the
# kernel tree; -j 2 plain analysis within 1.2x of wc -l; -j 2 -f -c at most
# 0.6x of pmccabe.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
KLV=${KLV:-build/klv}
RUNS=${BENCH_RUNS:-3}
TREES=${BENCH_TREES:-kernel jdk cpp}
CACHE=${BENCH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/klv-bench}

[ -x "$KLV" ] || { echo "parallel_speed: no program at $KLV" >&2; exit 1; }
KLV=$(realpath -- "$KLV")
if ! "$KLV" -j 1 -s "$here/../examples/c/stack.c" >/dev/null 2>&1; then
    echo "parallel_speed: $KLV has no -j option" >&2
    exit 1
fi

install_missing() {  # package...
    local missing=() pkg
    for pkg in "$@"; do
        dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing ${missing[*]}" >&2
    apt-get update -qq && apt-get install -y -qq "${missing[@]}" >&2
}
install_missing pmccabe || { echo "parallel_speed: pmccabe missing" >&2; exit 1; }

mkdir -p "$CACHE"
work=$(mktemp -d "${TMPDIR:-/tmp}/klv-parallel.XXXXXX")
trap 'rm -rf -- "$work"' EXIT

# Lists the kernel subset in $work/kernel.files.
prepare_kernel() {
    install_missing linux-source || return 1
    local tarball root
    tarball=$(ls /usr/src/linux-source-*.tar.xz 2>/dev/null | sort -V | tail -1)
    [ -n "$tarball" ] || { echo "no linux-source tarball" >&2; return 1; }
    root=$(basename "$tarball" .tar.xz)
    if [ ! -d "$CACHE/$root/fs/ext4" ]; then
        echo "unpacking the kernel subset of $tarball" >&2
        tar -xJf "$tarball" -C "$CACHE" "$root/kernel" "$root/lib" "$root/mm" \
            "$root/fs/ext4" || return 1
    fi
    find "$CACHE/$root/kernel" "$CACHE/$root/lib" "$CACHE/$root/mm" \
        "$CACHE/$root/fs/ext4" -type f -name '*.[ch]' | LC_ALL=C sort \
        >"$work/kernel.files"
}

# Lists the JDK and C++ trees of the class benchmarks.
prepare_class_trees() {
    [ -s "$work/cpp.files" ] && return 0
    . "$here/class_trees.sh"
    mkdir -p "$CACHE/class-trees"
    class_trees_prepare "$CACHE/class-trees" || return 1
    cp "$CACHE/class-trees/cpp.files" "$CACHE/class-trees/java.files" "$work/"
}
prepare_jdk() { prepare_class_trees && mv "$work/java.files" "$work/jdk.files"; }
prepare_cpp() { prepare_class_trees; }

limit=$(( $(getconf ARG_MAX) / 2 ))

# lower A B: the smaller of two times; an empty A is no time yet.
lower() {
    if [ -z "$1" ] || awk -v a="$2" -v b="$1" 'BEGIN { exit !(a < b) }'; then
        echo "$2"
    else
        echo "$1"
    fi
}
# wall CMD...: the wall time of one run, in seconds.
wall() {
    local TIMEFORMAT='%R'
    { time "$@" >/dev/null 2>&1; } 2>&1
}
# wall_and_cpu CMD...: the wall time and the CPU time (user and system, all
# threads) of one run, in seconds.
wall_and_cpu() {
    local TIMEFORMAT='%R %U %S'
    { time "$@" >/dev/null 2>&1; } 2>&1 |
        awk '{ printf "%s %.3f\n", $1, $2 + $3 }'
}
# median: the median of the numbers on standard input, one a line.
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# best CMD... : the best wall time of $RUNS runs, in seconds.
best() {
    local i best=""
    for (( i = 0; i < RUNS; i++ )); do best=$(lower "$best" "$(wall "$@")"); done
    echo "$best"
}
# best_pair OPTIONS: the best wall times of $RUNS runs each of -j 1 and
# -j 2 with OPTIONS, taken by turns: the load of a shared machine drifts
# over seconds, and both then meet the same. Third, the median of the
# speed-ups of the turns, each -j 1 run against the -j 2 run after it:
# the steadier figure where the load drifts. Fourth, the median of the
# turns' CPU time with -j 2 against -j 1: the extra work of the parallel
# run, which a drifting load moves less than the wall time.
best_pair() {
    local i s p s_cpu p_cpu serial="" parallel="" speedups=() cpu=()
    for (( i = 0; i < RUNS; i++ )); do
        # shellcheck disable=SC2086
        read -r s s_cpu < <(wall_and_cpu klv_run -j 1 $1)
        # shellcheck disable=SC2086
        read -r p p_cpu < <(wall_and_cpu klv_run -j 2 $1)
        serial=$(lower "$serial" "$s")
        parallel=$(lower "$parallel" "$p")
        speedups+=("$(ratio "$s" "$p")")
        cpu+=("$(ratio "$p_cpu" "$s_cpu")")
    done
    echo "$serial $parallel $(printf '%s\n' "${speedups[@]}" | median)" \
        "$(printf '%s\n' "${cpu[@]}" | median)"
}
over_list() { xargs -d '\n' -s "$limit" -a "$list" "$@"; }
klv_run() { "$KLV" "$@" -F "$list"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b <= 0) b = 0.001; printf "%.2f", a / b }'; }

declare -A figure
label() { echo "klv -j $1${2:+ $2}"; }  # jobs options
speedup() { ratio "${figure[$(label 1 "$1")]}" "${figure[$(label 2 "$1")]}"; }
declare -A paired  # "x" options -> the median speed-up of the turns
declare -A cpu_ratio  # "x" options -> the median CPU time -j 2 / -j 1
row() {  # label seconds [reference-label]
    local extra=""
    [ $# -ge 3 ] && extra="$(ratio "$2" "${figure[$3]}")x $3"
    printf '  %-28s %8s  %s\n' "$1" "$2" "$extra"
    figure[$1]=$2
}

# judge DESCRIPTION VALUE OP LIMIT: prints whether a target is met.
judge() {
    local verdict=missed
    awk -v v="$2" -v l="$4" -v op="$3" \
        'BEGIN { exit !(op == ">=" ? v >= l : v <= l) }' && verdict=met
    printf '  target %-44s %6s (%s %s): %s\n' "$1" "$2" "$3" "$4" "$verdict"
}

echo "klv: $KLV  runs: $RUNS  cores: $(nproc)"
for tree in $TREES; do
    if ! "prepare_$tree"; then
        echo "parallel_speed: the $tree tree cannot be prepared" >&2
        exit 1
    fi
    list=$work/$tree.files
    files=$(wc -l <"$list")
    lines=$(over_list cat | wc -l)
    echo
    echo "$tree: $files files, $lines lines"
    figure=()
    row "wc -l" "$(best over_list wc -l)"
    # pmccabe gives up on the C++ of the LLVM headers (a fatal parse
    # error), so it is timed on the C tree alone.
    if [ "$tree" = kernel ]; then
        row pmccabe "$(best over_list pmccabe)"
    fi
    for opts in "" "-f -c" "-f -c -n -o" "-v -f -c -n -o -i"; do
        read -r serial parallel turns cpu < <(best_pair "$opts")
        paired["x$opts"]=$turns
        cpu_ratio["x$opts"]=$cpu
        row "$(label 1 "$opts")" "$serial" "wc -l"
        row "$(label 2 "$opts")" "$parallel" "$(label 1 "$opts")"
    done
    echo "  speed-up with -j 2: plain $(speedup "")x, -f -c $(speedup "-f -c")x," \
        "-f -c -n -o $(speedup "-f -c -n -o")x, -v -f -c -n -o -i $(speedup "-v -f -c -n -o -i")x"
    echo "  median of the turns:  plain ${paired[x]}x, -f -c ${paired[x-f -c]}x," \
        "-f -c -n -o ${paired[x-f -c -n -o]}x, -v -f -c -n -o -i ${paired[x-v -f -c -n -o -i]}x"
    echo "  CPU time -j 2 / -j 1 (median): plain ${cpu_ratio[x]}x, -f -c ${cpu_ratio[x-f -c]}x," \
        "-f -c -n -o ${cpu_ratio[x-f -c -n -o]}x, -v -f -c -n -o -i ${cpu_ratio[x-v -f -c -n -o -i]}x"
    if [ "$tree" = kernel ]; then
        judge "-f -c -n -o speed-up with -j 2 (median)" "${paired[x-f -c -n -o]}" ">=" 1.8
    fi
    judge "-j 2 plain analysis / wc -l" \
        "$(ratio "${figure[klv -j 2]}" "${figure[wc -l]}")" "<=" 1.2
    if [ "$tree" = kernel ]; then
        judge "-j 2 -f -c / pmccabe" \
            "$(ratio "${figure[klv -j 2 -f -c]}" "${figure[pmccabe]}")" "<=" 0.6
    fi
done
