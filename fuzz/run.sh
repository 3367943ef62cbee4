#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs them for a bounded time:
# the source analysis for the given seconds, then the command line with
# both configuration files for as long again.
#
#   bash fuzz/run.sh [seconds]      default 60 (each)
#   FUZZ_BUILD=dir                  build directory (default build-fuzz)
#
# The seed corpus is made from the bundled examples and the report test
# sources; what the run finds is kept in $FUZZ_BUILD/findings.
set -euo pipefail

cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${FUZZ_BUILD:-build-fuzz}

cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"${JOBS:-2}"

# The target works in a directory of its own, so every path is absolute.
mkdir -p "$build/corpus" "$build/findings"
corpus=$(realpath -- "$build/corpus")
findings=$(realpath -- "$build/findings")
# Each seed gets a leading mode byte (see fuzz_analysis.cpp): a spread of
# languages and options.
mode=0
while IFS= read -r -d '' src; do
    printf "\\$(printf '%03o' $((mode % 256)))" >"$corpus/seed-$mode"
    cat -- "$src" >>"$corpus/seed-$mode"
    mode=$((mode + 37))
done < <(find examples tests/reports -type f \
             \( -name '*.c' -o -name '*.cpp' -o -name '*.h' -o -name '*.hh' \
                -o -name '*.java' \) -print0 | LC_ALL=C sort -z)

# Seeds of the command-line target: words, NUL, klv.cfg, NUL, macro file.
mkdir -p "$build/corpus-cli"
corpus_cli=$(realpath -- "$build/corpus-cli")
n=0
for words in '-f\n-n\n-c\na.c' '-F\nlist.txt' '-r\nc,h,java\n.' \
             '-Dt\na.c' '-Du\n-Dd\na.c' '-p\n-L30\n-P12\n-Hp\na.c' \
             '-wc\na.c' '-wW\na.c' '-O\nout.txt\n-f\na.c' \
             '-A\n-f\n-s\na.c\nb.h' '-Ta\n-i\nb.h\nc.java' \
             '-k3\n-Rn\n-l\n--\na.c' '-Nv\n-Tq\na.c' '-Es\na.c' '-y'; do
    printf -- "$words"'\0Maximum Line Length: 20\nPrinted Page Length: 12\nQuality Notice 7: No\n\0MACRO1\n' \
        >"$corpus_cli/seed-$n"
    n=$((n + 1))
done

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
"$build/klv_fuzz" -max_total_time="$seconds" -max_len=8192 -timeout=20 \
    -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" 2>&1 | tail -n 25
"$build/klv_fuzz_cli" -max_total_time="$seconds" -max_len=4096 -timeout=20 \
    -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$findings/cli-" "$corpus_cli" 2>&1 | tail -n 25
