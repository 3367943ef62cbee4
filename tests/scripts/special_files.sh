#!/usr/bin/env bash
# Pipes, devices, directory loops, unreadable directories and failing
# reads: each is named in the report, none makes the run hang, loop or
# pass a broken file off as analysed.
. "$(dirname "$0")/lib.sh" "$@"

make_source x.c
mkfifo pipe.c
ln -s /dev/urandom random.c

run -f pipe.c random.c x.c
expect_status 0 "pipe and device operands"
expect_text "For read, Not a regular file: a named pipe" "a pipe operand"
expect_text "For read, Not a regular file: a character device" "a device operand"
expect_text "Project Analysis For 1 Files" "a pipe operand"

run -Dt pipe.c
expect_text "For modification, Not a regular file: a named pipe" "-D on a pipe"
[ -z "$(ls -A | grep -e '\.tmp$' -e '^\.klv')" ] || fail "-D on a pipe left a file"

mkdir src && make_source src/a.c && mkfifo src/p.c
ln -s . src/self
ln -s .. src/up
ln -s "$scratch" src/outside
mkdir src/sub && ln -s ../.. src/sub/loop && make_source src/sub/b.c
run -Rl -r c src
expect_text "Files To Process: 3" "-r over links to directories"
run -f -r c src
expect_text "For read, Not a regular file: a named pipe" "a pipe found by -r"

# A directory the run may not read is reported; the rest is walked.
if command -v setpriv >/dev/null || [ "$(id -u)" != 0 ]; then
    mkdir src/locked && make_source src/locked/c.c && chmod 000 src/locked
    as_user "$KLV" -Rl -r c src >out 2>&1
    expect_text "Open Dir Error: Permission denied : src/locked/" "unreadable directory"
    expect_text "Files To Process: 3" "unreadable directory"
    chmod 755 src/locked
fi

# -F naming a directory or a pipe.
run -F src
expect_status 255 "-F naming a directory"
expect_text "for read, Is a directory" "-F naming a directory"
run -F pipe.c
expect_status 255 "-F naming a pipe"

# A read that fails part way (this process's own memory, which cannot be
# read at offset 0) is an error: not a file of 0 lines.
if [ -r /proc/self/mem ]; then
    ln -s /proc/self/mem bad.c
    run -wc bad.c x.c
    expect_status 255 "a failing read"
    expect_text "Problem reading input file:" "a failing read"
    expect_text "For read, Input/output error" "a failing read"
    grep -q '^bad.c ' workfile.dat && fail "a failed file went into the work file"
    grep -q '^x.c ' workfile.dat || fail "x.c is missing from the work file"
    run bad.c x.c
    expect_text "Project Analysis For 1 Files" "a failing read in the totals"
    ln -s /proc/self/mem list.lst
    run -F list.lst
    expect_status 255 "a list file whose read fails"
else
    echo "note: read-error case skipped (no /proc/self/mem)"
fi

finish
