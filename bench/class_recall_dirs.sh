#!/usr/bin/env bash
# Compares the classes, structs and interfaces klv finds in the *.java
# (or C++) files below the directories with those Universal Ctags lists,
# and prints recall and precision with the misses and extras.
#
#   bench/class_recall_dirs.sh DIR...     every *.java, *.h, *.hpp, *.cc, *.cpp
#
#   KLV=path   the program (default build/klv)
#   SHOW=n     list up to n misses and n extras (default 20)
#
# klv runs once over all files with -o; each class's report lines
# name it ("  Class: ", "  Nested Interface: " ...) under its file's
# heading. ctags kinds: Java c (class), i (interface), a (annotation type),
# C++ c and s. Both names are compared bare (after the last '.' or '::'),
# per file, as multisets. ctags does not list Java records; a record klv
# reports as a class counts as an extra.
set -uo pipefail

KLV=${KLV:-build/klv}
SHOW=${SHOW:-20}
[ $# -gt 0 ] || { echo "usage: $0 DIR..." >&2; exit 2; }
KLV=$(realpath -- "$KLV")
tmp=$(mktemp -d "${TMPDIR:-/tmp}/klv-classes.XXXXXX")
trap 'rm -rf -- "$tmp"' EXIT

find "$@" -type f \( -name '*.java' -o -name '*.h' -o -name '*.hpp' \
    -o -name '*.cc' -o -name '*.cpp' \) | LC_ALL=C sort >"$tmp/files"
[ -s "$tmp/files" ] || { echo "class_recall: no files" >&2; exit 1; }
sed -i 's|^\([^/]\)|'"$PWD"'/\1|' "$tmp/files"

cp -- "$KLV" "$tmp/klv"
printf 'Wrap long names in reports : No\n' >"$tmp/klv.cfg"
: >"$tmp/klv_macro.cfg"
(cd "$tmp" && ./klv -o -F "$tmp/files") >"$tmp/klv.out" 2>&1
xargs -d '\n' -a "$tmp/files" ctags --sort=no --output-format=json \
    --java-kinds=cia --c++-kinds=cs -f - >"$tmp/ctags.json" 2>/dev/null

python3 - "$tmp/klv.out" "$tmp/ctags.json" "$SHOW" <<'PY'
import json, re, sys
from collections import Counter

klv_out, ctags_json, show = sys.argv[1], sys.argv[2], int(sys.argv[3])
def bare(name):
    return re.split(r'[.:]', name)[-1].split('<')[0]

klv = Counter()
current = None
pending = None
for line in open(klv_out, errors='replace'):
    if '~~ Project Analysis For' in line:
        break  # the project lists repeat the classes
    m = re.match(r'  File: (.*)$', line)
    if m:
        current = m.group(1).strip()
        continue
    # The data line follows each class's closing name line.
    m = re.match(r'  (?:Nested )?(?:Class|Struct|Interface): (.*)$', line)
    if m and current:
        pending = (current, bare(m.group(1).strip()))
        continue
    if line.startswith('  Attributes ') and pending:
        klv[pending] += 1
        pending = None

tags = Counter()
for line in open(ctags_json, errors='replace'):
    try:
        t = json.loads(line)
    except ValueError:
        continue
    if t.get('_type') != 'tag':
        continue
    if t.get('kind') not in ('class', 'interface', 'annotation', 'struct'):
        continue
    tags[(t['path'], bare(t['name']))] += 1

matched = sum((klv & tags).values())
total_tags = sum(tags.values())
total_klv = sum(klv.values())
print("ctags classes: %d  klv: %d  matched: %d" %
      (total_tags, total_klv, matched))
print("recall: %.2f%%  precision: %.2f%%" %
      (100.0 * matched / max(total_tags, 1), 100.0 * matched / max(total_klv, 1)))
misses = sorted((tags - klv).elements())
extras = sorted((klv - tags).elements())
print("misses: %d  extras: %d" % (len(misses), len(extras)))
for title, items in (("misses", misses), ("extras", extras)):
    if show > 0 and items:
        print("\n%s (file name):" % title)
        for path, name in items[:show]:
            print("  %s %s" % (path, name))
PY
