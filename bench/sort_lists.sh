#!/usr/bin/env bash
# Builds bench/sort_lists.cpp with g++ -O2 against the list sources and runs
# it: the time to add N function records by each sort key and to re-sort a
# list of N records by each key.
#
#   BENCH_N=n        records (default 200000)
#   CXX=compiler     (default g++)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
out=$(mktemp "${TMPDIR:-/tmp}/klv-sort-lists.XXXXXX")
trap 'rm -f -- "$out"' EXIT

# SortMethodTitle lives beside ShowSortMethod, which needs the report
# output; the benchmark links those objects too.
"${CXX:-g++}" -std=c++20 -O2 -DNDEBUG -Wall -Wextra -I "$root/src" \
    "$here/sort_lists.cpp" \
    "$root"/src/lists/*.cpp \
    "$root/src/reports/sort_method.cpp" \
    "$root/src/base/output.cpp" \
    "$root/src/base/format.cpp" \
    -o "$out"
"$out" "${BENCH_N:-200000}"
