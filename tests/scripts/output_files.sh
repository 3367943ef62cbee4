#!/usr/bin/env bash
# The report (-O) and work (-w) files are never written over a file the
# run reads, whatever name reaches it.
. "$(dirname "$0")/lib.sh" "$@"

make_source x.c
before=$(cat x.c)
ln x.c hard.c
ln -s x.c soft.c

run -f -O hard.c x.c
expect_status 1 "-O naming a hard link of the source"
expect_text "is the same file as the source file x.c" "-O hard link"
expect_file x.c "$before" "-O hard link"

run -f -O soft.c x.c
expect_status 1 "-O naming a symbolic link to the source"
expect_file x.c "$before" "-O symbolic link"

mkdir src && make_source src/a.c
run -O src/a.c -r c src
expect_status 1 "-O naming a file the walk finds"
expect_text "is the same file as the source file src/a.c" "-O in the walk"

run -O new.c -r c .
expect_status 1 "-O creating a file the walk then finds"
[ -e new.c ] && fail "the refused report file new.c was left behind"

# The standing work file is read by a differential run.
run -wc x.c
cp workfile.dat saved.dat
run -wW -O workfile.dat x.c
expect_status 1 "-O naming the standing work file"
cmp -s workfile.dat saved.dat || fail "-O destroyed workfile.dat"
run -wW x.c
expect_status 0 "an ordinary differential run"

# The two work files of -wx are read.
run -O saved.dat -wx workfile.dat saved.dat
expect_status 1 "-O naming a work file of -wx"
cmp -s workfile.dat saved.dat || fail "-O destroyed a work file of -wx"

# The configuration file is read by every run.
run -O bin/klv.cfg x.c
expect_status 1 "-O naming klv.cfg"
expect_text "is the same file as the configuration file" "-O klv.cfg"

finish
