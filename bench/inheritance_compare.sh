#!/usr/bin/env bash
# Compares the base classes klv finds with those of Universal Ctags
# (--fields=+i) over a source tree, and checks the tree's depths.
#
#   KLV=build/klv bash bench/inheritance_compare.sh DIR [DIR...]
#   KLV=build/klv bash bench/inheritance_compare.sh --jdk
#
# --jdk unpacks java.util, java.lang and javax.swing from the JDK 17
# src.zip into a temporary directory and compares those.
#
# Classes are matched by their simple name (the text after the last '.' or
# "::"), and only names that occur once in both programs' results are
# compared. Base names are compared the same way, without template or
# generic arguments. For Java, ctags lists the implemented interfaces with
# the superclass, while klv takes only the extended class as a base: the
# ctags side keeps only its first name, and only when the class's header
# line says "extends". A class without bases counts as matching when both
# sides find none.
#
# The depth check reads the tree of `klv -i`: every derived class must be
# one level below the class it is listed under.
set -euo pipefail

klv=${KLV:-build/klv}
case $klv in /*) ;; *) klv=$PWD/$klv ;; esac
work=$(mktemp -d "${TMPDIR:-/tmp}/klv-compare.XXXXXX")
trap 'rm -rf -- "$work"' EXIT

dirs=()
if [ "${1:-}" = "--jdk" ]; then
    zip=${JDK_SRC_ZIP:-/usr/lib/jvm/java-17-openjdk-amd64/lib/src.zip}
    (cd "$work" && unzip -q "$zip" 'java.base/java/util/*' \
        'java.base/java/lang/*' 'java.desktop/javax/swing/*')
    dirs=("$work/java.base/java/util" "$work/java.base/java/lang"
          "$work/java.desktop/javax/swing")
else
    dirs=("$@")
fi
[ ${#dirs[@]} -gt 0 ] || { echo "usage: $0 DIR... | --jdk" >&2; exit 2; }

find "${dirs[@]}" -type f \( -name '*.java' -o -name '*.h' -o -name '*.hpp' \
    -o -name '*.cpp' -o -name '*.cc' \) | LC_ALL=C sort > "$work/files"
echo "files: $(wc -l < "$work/files")"

ctags --fields=+iKn --kinds-java=c --kinds-c++=cs -f "$work/tags" \
    -L "$work/files"
start=$(date +%s.%N)
"$klv" -i -F "$work/files" > "$work/tree.txt" || true
end=$(date +%s.%N)
"$klv" -s -F "$work/files" > /dev/null || true
plain=$(date +%s.%N)
echo "klv -i: $(echo "$end - $start" | bc) s; plain analysis: $(echo "$plain - $end" | bc) s"

python3 - "$work/tags" "$work/tree.txt" <<'EOF'
import os, re, sys
from collections import defaultdict

def header(path, line):
    # The class header from its line to its '{', generic arguments removed.
    text = ''
    with open(path, errors='replace') as f:
        for i, l in enumerate(f, 1):
            if i >= line:
                text += ' ' + l.split('//')[0]
                if '{' in l:
                    break
    text = text.split('{')[0]
    while True:
        reduced = re.sub(r'<[^<>]*>', '', text)
        if reduced == text:
            return text
        text = reduced

def simple(name):
    name = re.sub(r'<.*', '', name.strip())
    return re.split(r'::|\.', name)[-1]

# ctags: name -> list of base sets
tags = defaultdict(list)
for line in open(sys.argv[1], errors='replace'):
    if line.startswith('!'):
        continue
    cols = line.rstrip('\n').split('\t')
    name, pattern, fields = cols[0], cols[2], cols[3:]
    bases = []
    line = 0
    for f in fields:
        if f.startswith('inherits:'):
            bases = [b for b in re.split(r',(?![^<]*>)', f[9:]) if b]
        if f.startswith('line:'):
            line = int(f[5:])
    if cols[1].endswith('.java'):
        extends = re.search(r'\bextends\b', header(cols[1], line))
        bases = bases[:1] if extends else []
    tags[simple(name)].append(frozenset(simple(b) for b in bases))

# klv: the tree, node -> parents; depth check
parents = defaultdict(set)
names = defaultdict(int)
stack = []
bad_depth = 0
node_re = re.compile(r'^(\s*)([+-]) (.*) \[D(\d+)\.C\d+(?:\.P\d+)?\]$')
for line in open(sys.argv[2], errors='replace'):
    m = node_re.match(line.rstrip('\n'))
    if not m:
        continue
    kind, name, depth = m.group(2), m.group(3), int(m.group(4))
    level = 0 if kind == '+' else (len(m.group(1)) - 2) // 2
    del stack[level:]
    if kind == '-':
        if not stack or stack[-1][1] + 1 != depth:
            bad_depth += 1
        if stack:
            parents[name].add(stack[-1][0])
    stack.append((name, depth))
    names[name] += 1

klv = defaultdict(set)
for name in names:
    klv[simple(name)].add(name)
same = compared = 0
misses = []
for key, sets in tags.items():
    if len(sets) != 1 or len(klv.get(key, ())) != 1:
        continue
    full = next(iter(klv[key]))
    mine = frozenset(simple(p) for p in parents.get(full, ()))
    compared += 1
    if mine == sets[0]:
        same += 1
    else:
        misses.append((key, sorted(sets[0]), sorted(mine)))
print(f"classes compared: {compared}  same bases: {same}"
      f"  ({100.0 * same / max(compared, 1):.2f}%)")
print(f"tree nodes with a depth other than their base's + 1: {bad_depth}")
for key, theirs, mine in misses[:int(os.environ.get("SHOW", "40"))]:
    print(f"  {key}: ctags {theirs}  klv {mine}")
EOF
