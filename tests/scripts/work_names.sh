#!/usr/bin/env bash
# A work file keeps one file a line: a name with a line end is refused, and
# a work file that cannot be loaded fails the run.
. "$(dirname "$0")/lib.sh" "$@"

make_source x.c
name=$'two\nlines.c'
make_source "$name"

run -wc x.c "$name"
expect_status 255 "a name with a line feed"
expect_text "A file name with a line end cannot be kept in the work file" \
    "a name with a line feed"
[ "$(wc -l <workfile.dat)" = 5 ] || fail "the work file has a line too many or few"
grep -q '^x.c ' workfile.dat || fail "x.c is missing from the work file"

run -wW x.c
expect_status 0 "a differential against a clean work file"

printf 'not a work file\n' >workfile.dat
run -wW x.c
expect_status 255 "a differential against a broken work file"

finish
