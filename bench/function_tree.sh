#!/usr/bin/env bash
# Generates a source tree of many small C functions in a temporary
# directory, then times klv over it: once with the plain LOC summary as the
# baseline, then with the function reports sorted by each key (-f -k1 to
# -k5). The files are named in a list file (-F), so the command line stays
# short; the report goes to /dev/null. Each command runs BENCH_RUNS times
# and the best wall time counts.
#
#   KLV=path          the program to time (default build/klv)
#   BENCH_FILES=n     files to generate (default 400)
#   BENCH_FUNCS=n     functions per file (default 500)
#   BENCH_RUNS=n      runs per command (default 1)
#
# The exit status of klv is ignored. Before function recognition is built
# the tree yields no function records and the times are those of parsing.
set -uo pipefail

KLV=${KLV:-build/klv}
FILES=${BENCH_FILES:-400}
FUNCS=${BENCH_FUNCS:-500}
RUNS=${BENCH_RUNS:-1}

if [ ! -x "$KLV" ]; then
    echo "function_tree: no program at $KLV (build it with 'make build')" >&2
    exit 1
fi
KLV=$(realpath -- "$KLV")

tree=$(mktemp -d "${TMPDIR:-/tmp}/klv-function-tree.XXXXXX")
if [ "${KLV_KEEP_TREE:-0}" = 1 ]; then echo "tree: $tree"; else trap 'rm -rf -- "$tree"' EXIT; fi

# One awk run writes every file: functions of 1 to 14 statements with a
# few decisions, 0 to 3 parameters, names drawn from word lists so that
# many names share prefixes, and sizes and static names tie often. Seeded, so every run of
# the benchmark analyses the same tree.
awk -v files="$FILES" -v funcs="$FUNCS" -v dir="$tree/src" '
function pick(n) { return int(rand() * n) }
BEGIN {
    srand(17)
    split("get set find load save parse check make free init scan sort " \
          "count merge split print", verb, " ")
    split("node list item file name line table value entry buffer state " \
          "config", noun, " ")
    split("int a|int a, int b|const char *s, int n, long m", params, "|")
    system("mkdir -p " dir)
    for (f = 0; f < files; f++) {
        path = sprintf("%s/module%03d.c", dir, f)
        print "/* Generated module " f " for the function benchmark. */" > path
        print "#include <stdio.h>\n" > path
        for (k = 0; k < funcs; k++) {
            # Static helpers are numbered within their file, so their
            # names recur from file to file.
            local = pick(3) == 0
            name = sprintf("%s_%s_%d", verb[1 + pick(16)], noun[1 + pick(12)],
                           local ? k : f * funcs + k)
            np = pick(4)
            printf("%sint %s(%s)\n{\n", (local ? "static " : ""), name,
                   (np == 0 ? "void" : params[np])) > path
            print "  int r = 0;" > path
            body = 1 + pick(14)
            for (s = 0; s < body; s++) {
                c = pick(6)
                if (c == 0) print "  if (r > " s ") {\n    r -= " s ";\n  }" > path
                else if (c == 1) print "  while (r < " s ") r++;" > path
                else if (c == 2) print "  /* step " s " */\n  r += " s ";" > path
                else print "  r = r * 3 + " s ";" > path
            }
            print "  return r;\n}\n" > path
        }
        close(path)
    }
}'
(cd "$tree" && find src -name '*.c' | LC_ALL=C sort) >"$tree/list.txt"

# Best wall time of RUNS runs of klv with the given options, in seconds.
best_time() {
    local best=-1 t start
    for ((i = 0; i < RUNS; i++)); do
        start=$(date +%s%N)
        (cd "$tree" && "$KLV" "$@" -F list.txt >/dev/null 2>&1)
        t=$(($(date +%s%N) - start))
        if [ "$best" -lt 0 ] || [ "$t" -lt "$best" ]; then best=$t; fi
    done
    printf '%d.%03d' $((best / 1000000000)) $((best / 1000000 % 1000))
}

lines=$(cat "$tree"/src/*.c | wc -l)
found=$(cd "$tree" && "$KLV" -Tf -Tl -F list.txt 2>/dev/null |
        sed -n 's/^ *Total Functions \.*: *\([0-9]*\)$/\1/p')
echo "$FILES files, $((FILES * FUNCS)) functions generated, $lines lines"
echo "functions recognised by klv: ${found:-0}"
echo
printf '  %-22s %10s\n' "command" "seconds"
printf '  %-22s %10s\n' "klv -s (baseline)" "$(best_time -s)"
for key in 1 2 3 4 5; do
    printf '  %-22s %10s\n' "klv -f -k$key" "$(best_time -f -k$key)"
done
