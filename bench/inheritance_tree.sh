#!/usr/bin/env bash
# Builds bench/inheritance_tree.cpp with g++ -O2 against the klv library of
# a build directory and runs it: the time to build and to report the
# inheritance forest of N hand-filled class records.
#
#   BUILD=dir        the build directory holding libklvcore.a (default build;
#                    build it first with 'make build')
#   BENCH_N=n        records (default 100000)
#   CXX=compiler     (default g++)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${BUILD:-build}
case $build in /*) ;; *) build=$root/$build ;; esac
if [ ! -f "$build/libklvcore.a" ]; then
    echo "inheritance_tree: no $build/libklvcore.a (run 'make build')" >&2
    exit 1
fi
out=$(mktemp "${TMPDIR:-/tmp}/klv-inheritance-tree.XXXXXX")
trap 'rm -f -- "$out"' EXIT

"${CXX:-g++}" -std=c++20 -O2 -DNDEBUG -Wall -Wextra -I "$root/src" \
    "$here/inheritance_tree.cpp" "$build/libklvcore.a" -o "$out"
"$out" "${BENCH_N:-100000}"
