#!/usr/bin/env bash
# Builds bench/class_reports.cpp against the klv library of a build
# directory and runs it: the time of the class and interface sections over
# N hand-filled class records (and N/10 interfaces). The variables are
# those of function_reports.sh (BUILD, BENCH_N, CXX).
BENCH_PROGRAM=class_reports exec bash "$(dirname "$0")/function_reports.sh"
