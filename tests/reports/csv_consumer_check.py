#!/usr/bin/env python3
"""Reads the configured CSV file report of klv with Python's csv module.

Every line must have the title line's column count, every file name must
come back whole however many commas, quotes and line ends it holds, and
every other cell must be a plain decimal number (a ratio with a zero
divisor included).

usage: csv_consumer_check.py <klv-binary>
"""
import csv
import os
import re
import subprocess
import sys
import tempfile

NAMES = ["plain.c", "a,b.c", 'say "hi".c', "two\nlines.c", "cr\r.c",
         "empty.c", 'all ",\n.c']
SOURCE = "/* c */\nint f(int a)\n{\n  if (a) return 1;\n  return 0;\n}\n"


def main():
    klv = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as work:
        for name in NAMES:
            with open(os.path.join(work, name), "w") as f:
                f.write("" if name == "empty.c" else SOURCE)
        env = {"PATH": "/usr/bin:/bin", "HOME": work, "LC_ALL": "C",
               "TZ": "UTC"}
        for key in ("ASAN_OPTIONS", "UBSAN_OPTIONS"):
            if key in os.environ:
                env[key] = os.environ[key]
        run = subprocess.run([klv, "-X", "File CSV", "-O", "out.csv"] + NAMES,
                             cwd=work, env=env, capture_output=True)
        if run.returncode != 0:
            sys.exit("klv ended with status %d" % run.returncode)
        with open(os.path.join(work, "out.csv"), newline="") as f:
            rows = list(csv.reader(f, strict=True))
    title, lines = rows[0], rows[1:]
    failures = []
    if len(title) != 72:
        failures.append("title line has %d columns, not 72" % len(title))
    if [row[0] for row in lines] != NAMES:
        failures.append("file names read back as %r" % [r[0] for r in lines])
    for row in lines:
        if len(row) != len(title):
            failures.append("%r: %d columns" % (row[0], len(row)))
            continue
        for column, cell in zip(title[1:], row[1:]):
            # A plain decimal number: no "nan" or "inf" either.
            if not re.fullmatch(r"-?[0-9]+(\.[0-9]+)?", cell):
                failures.append("%r: %s is %r" % (row[0], column, cell))
    for failure in failures:
        print(failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
