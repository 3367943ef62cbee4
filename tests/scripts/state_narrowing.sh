#!/usr/bin/env bash
# Routines are handed the narrowest part of the run state they touch
# (const RunSettings&, ReportSink&, FileWork&, RunTotals&, ...), so that a
# reader of a routine sees what it may change. This check keeps the folders
# that have been narrowed from drifting back: it counts, per folder, the
# places that take the whole state (`Globals&` and `const Globals&`) and
# fails when a count rises above its ceiling. A routine that really needs
# the whole state may take it: raise the ceiling in the same change and say
# why in its message. Lower a ceiling whenever a count falls.
#
# usage: state_narrowing.sh [klv binary] ; the binary is not used.
set -u

root=$(cd "$(dirname "$0")/../.." && pwd) || exit 2

# folder  Globals&  const Globals&   (folders not listed are not checked)
CEILINGS="
lists     0   0
base      10   2
notices   109   0
tree      7   0
reports   60   33
work      10   0
config    12   0
files     4   1
listing   4   0
recognise 103   3
analysis  37   0
"

# Counts the whole-state parameters of the sources below a folder:
# mutable ones, or with `const` the const ones.
count() {
    local pattern='(?<!const )(?<![\w])Globals\s*&'
    [ "$2" = const ] && pattern='\bconst\s+Globals\s*&'
    grep -rhoP --include='*.h' --include='*.cpp' "$pattern" "$1" | wc -l
}

failures=0
while read -r folder most_mutable most_const; do
    [ -n "$folder" ] || continue
    dir=$root/src/$folder
    [ -d "$dir" ] || { echo "FAIL: no folder src/$folder"; failures=$((failures + 1)); continue; }
    mutable=$(count "$dir" mutable)
    constant=$(count "$dir" const)
    printf '%-8s Globals& %4d (at most %d)  const Globals& %4d (at most %d)\n' \
        "$folder" "$mutable" "$most_mutable" "$constant" "$most_const"
    if [ "$mutable" -gt "$most_mutable" ] || [ "$constant" -gt "$most_const" ]; then
        echo "FAIL: src/$folder takes the whole run state in more places than before"
        failures=$((failures + 1))
    fi
done <<<"$CEILINGS"
[ "$failures" = 0 ]
