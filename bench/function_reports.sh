#!/usr/bin/env bash
# Builds bench/function_reports.cpp with g++ -O2 against the klv library of
# a build directory and runs it: the time of the function reports and the
# estimation analysis over N hand-filled function records.
#
#   BUILD=dir        the build directory holding libklvcore.a (default build;
#                    build it first with 'make build')
#   BENCH_N=n        records (default 200000)
#   CXX=compiler     (default g++)
#   BENCH_PROGRAM=p  another report benchmark of this folder built the same
#                    way (bench/p.cpp; class_reports.sh uses it)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
prog=${BENCH_PROGRAM:-function_reports}
root=$(dirname "$here")
build=${BUILD:-build}
case $build in /*) ;; *) build=$root/$build ;; esac
if [ ! -f "$build/libklvcore.a" ]; then
    echo "$prog: no $build/libklvcore.a (run 'make build')" >&2
    exit 1
fi
out=$(mktemp "${TMPDIR:-/tmp}/klv-$prog.XXXXXX")
trap 'rm -f -- "$out"' EXIT

"${CXX:-g++}" -std=c++20 -O2 -DNDEBUG -Wall -Wextra -I "$root/src" \
    "$here/$prog.cpp" "$build/libklvcore.a" -o "$out"
"$out" "${BENCH_N:-200000}"
