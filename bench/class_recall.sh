#!/usr/bin/env bash
# Compares the classes, structs and interfaces klv finds with the ones
# Universal Ctags lists for the same files, and prints recall and
# precision; also, for Java, whether each method is given to the class
# ctags gives as its scope, and for C++ the function definitions found.
#
#   bench/class_recall.sh        the real trees of bench/class_trees.sh
#
#   KLV=path      the program (default build/klv)
#   SHOW=n        list up to n misses and n extras of each kind (default 15)
#
# klv runs once per language over all files, as a project, with -o -f -n
# and the notices switched off but 33: each class opens with a "Class
# Begin Line: N" marker (the line of its opening brace) and its name, each
# function with a "Function Begin Line: N" marker and its name; notice 33
# marks a local class (defined in a function body), which ctags does not
# list for Java: those are counted apart.
#
# Classes: ctags kinds class and struct (C++), class and interface (Java);
# forward declarations are in neither list. A klv class matches a ctags
# entry of the same file and the same last name component (template
# arguments and scopes left out) whose extent (its line to its end line)
# holds klv's brace line. An unnamed ctags struct ("__anon...") matches a
# klv class of any name in its extent (klv names it "instance" or after
# the typedef or variable that follows it).
#
# Java methods: a klv function matches a ctags method of the same file and
# name whose extent holds its brace line; the class is right when the
# component before the method's name in klv's name equals the last
# component of ctags' scope. Methods of enums (not classes for klv) are
# counted apart.
#
# C++ functions: distinct (file, last name component) pairs, ctags forced
# to C++ with its kind f, lambdas ("__anon...") left out.
set -uo pipefail

KLV=${KLV:-build/klv}
SHOW=${SHOW:-15}
here=$(cd "$(dirname "$0")" && pwd)
[ -x "$KLV" ] || { echo "class_recall: no program at $KLV" >&2; exit 1; }
KLV=$(realpath -- "$KLV")
command -v ctags >/dev/null || { echo "class_recall: ctags missing" >&2; exit 1; }

tmp=$(mktemp -d "${TMPDIR:-/tmp}/klv-classes.XXXXXX")
trap 'rm -rf -- "$tmp"' EXIT
# shellcheck source=bench/class_trees.sh
. "$here/class_trees.sh"
class_trees_prepare "$tmp" || exit 1

cp -- "$KLV" "$tmp/klv"
{
    printf 'Wrap long names in reports : No\n'
    # 25 makes .h files C++ files; 33 marks the local classes.
    for n in $(seq 1 44); do
        [ "$n" = 25 ] || [ "$n" = 33 ] || printf 'Quality Notice %d : No\n' "$n"
    done
} >"$tmp/klv.cfg"
: >"$tmp/klv_macro.cfg"

for lang in cpp java; do
    (cd "$tmp" && xargs -d '\n' -a "$tmp/$lang.files" "$tmp/klv" -o -f -n) \
        >"$tmp/$lang.klv" 2>&1
done
xargs -d '\n' -a "$tmp/cpp.files" ctags --sort=no --output-format=json \
    --fields=+neZ --language-force=C++ --kinds-C++=csf -f - \
    >"$tmp/cpp.ctags" 2>/dev/null
xargs -d '\n' -a "$tmp/java.files" ctags --sort=no --output-format=json \
    --fields=+neZ --kinds-Java=cimg -f - >"$tmp/java.ctags" 2>/dev/null

python3 - "$tmp" "$SHOW" <<'EOF'
import json, re, sys
from collections import defaultdict

tmp, show = sys.argv[1], int(sys.argv[2])

def last_component(name):
    # The part after the last '::' or '.' outside <...>, without <...>.
    depth, start = 0, 0
    i = 0
    while i < len(name):
        c = name[i]
        if c == '<':
            depth += 1
        elif c == '>':
            depth -= 1
        elif depth == 0 and c == ':' and name[i:i + 2] == '::':
            start = i + 2
            i += 1
        elif depth == 0 and c == '.':
            start = i + 1
        i += 1
    bare = re.sub(r'<.*', '', name[start:]).strip()
    # "operator ==" and "operator==" are one name.
    return re.sub(r'^operator\s+', 'operator', bare)

local = set()

def read_klv(path):
    classes, functions = [], []
    current, begin = None, None
    for line in open(path, errors='replace'):
        m = re.match(r'  File: (.*)$', line)
        if m:
            current = m.group(1).strip()
            continue
        m = re.search(r'NOTICE #33: Line (\d+),', line)
        if m:
            local.add((current, int(m.group(1))))
            continue
        m = re.search(r' (Class|Struct|Interface|Function) Begin Line: (\d+) ',
                      line)
        if m:
            begin = (m.group(1), int(m.group(2)))
            continue
        m = re.match(r'  (?:Nested )?(Class|Struct|Interface|Function): (.*)$',
                     line)
        if m and begin is not None and m.group(1) == begin[0]:
            entry = (current, m.group(2).strip(), begin[1])
            (functions if begin[0] == 'Function' else classes).append(entry)
            begin = None
    return classes, functions

def read_ctags(path):
    tags = []
    for line in open(path, errors='replace'):
        try:
            t = json.loads(line)
        except ValueError:
            continue
        if t.get('_type') == 'tag':
            tags.append(t)
    return tags

def compare_classes(title, klv, tags, drop_local):
    if drop_local:
        kept = [k for k in klv if (k[0], k[2]) not in local]
        print('%s: %d local classes left out' % (title, len(klv) - len(kept)))
        klv = kept
    by_file = defaultdict(list)
    for i, t in enumerate(tags):
        by_file[t['path']].append(i)
    used, matched, extras = set(), 0, []
    pending = []
    for path, name, line in klv:
        bare = last_component(name)
        hit = None
        for i in by_file.get(path, []):
            t = tags[i]
            if i not in used and t['name'] == bare and \
                    t['line'] <= line <= t.get('end', t['line']):
                hit = i
                break
        if hit is None:
            pending.append((path, name, line))
        else:
            used.add(hit)
            matched += 1
    anonymous = 0
    for path, name, line in pending:
        hit = None
        for i in by_file.get(path, []):
            t = tags[i]
            if i not in used and t['name'].startswith('__anon') and \
                    t['line'] <= line <= t.get('end', t['line']):
                hit = i
                break
        if hit is None:
            extras.append((path, line, name))
        else:
            used.add(hit)
            matched += 1
            anonymous += 1
    misses = [tags[i] for i in range(len(tags)) if i not in used]
    recall = 100.0 * matched / len(tags) if tags else 0.0
    precision = 100.0 * matched / len(klv) if klv else 0.0
    print('%s: ctags %d  klv %d  matched %d (%d unnamed)' %
          (title, len(tags), len(klv), matched, anonymous))
    print('  recall %.2f%%  precision %.2f%%' % (recall, precision))
    if show > 0:
        print('  misses (file:line kind name):')
        for t in misses[:show]:
            print('    %s:%d %s %s' % (t['path'], t['line'], t['kind'],
                                      t['name']))
        print('  extras (file:brace-line name):')
        for path, line, name in extras[:show]:
            print('    %s:%d %s' % (path, line, name))

# ---- C++
klv_classes, klv_functions = read_klv(tmp + '/cpp.klv')
tags = read_ctags(tmp + '/cpp.ctags')
compare_classes('C++ classes and structs', klv_classes,
                [t for t in tags if t['kind'] in ('class', 'struct')], False)
ctags_functions = {(t['path'], last_component(t['name'])) for t in tags
                   if t['kind'] == 'function'
                   and not t['name'].startswith('__anon')}
klv_names = {(path, last_component(name)) for path, name, _ in klv_functions}
both = ctags_functions & klv_names
print('C++ functions (distinct names per file): ctags %d  klv %d  both %d' %
      (len(ctags_functions), len(klv_names), len(both)))
print('  recall %.2f%%  precision %.2f%%' %
      (100.0 * len(both) / max(1, len(ctags_functions)),
       100.0 * len(both) / max(1, len(klv_names))))
if show > 0:
    print('  misses (file name):')
    for path, name in sorted(ctags_functions - klv_names)[:show]:
        print('    %s %s' % (path, name))
    print('  extras (file name):')
    for path, name in sorted(klv_names - ctags_functions)[:show]:
        print('    %s %s' % (path, name))

# ---- Java
klv_classes, klv_functions = read_klv(tmp + '/java.klv')
tags = read_ctags(tmp + '/java.ctags')
compare_classes('Java classes and interfaces', klv_classes,
                [t for t in tags if t['kind'] in ('class', 'interface')], True)
enums = {(t['path'], (t['scope'] + '.' if 'scope' in t else '') + t['name'])
         for t in tags if t['kind'] == 'enum'}
methods = [t for t in tags if t['kind'] == 'method']
by_key = defaultdict(list)
for i, t in enumerate(methods):
    by_key[(t['path'], t['name'])].append(i)
used = set()
right = wrong = in_enum = 0
wrong_list = []
for path, name, line in klv_functions:
    parts = name.split('.')
    bare = parts[-1]
    hit = None
    for i in by_key.get((path, bare), []):
        t = methods[i]
        if i not in used and t['line'] <= line <= t.get('end', t['line']):
            hit = i
            break
    if hit is None:
        continue
    used.add(hit)
    t = methods[hit]
    scope = t.get('scope', '')
    if (path, scope) in enums:
        in_enum += 1
        continue
    if len(parts) >= 2 and parts[-2] == scope.split('.')[-1]:
        right += 1
    else:
        wrong += 1
        wrong_list.append((path, line, name, scope))
total = right + wrong
print('Java methods matched with ctags: %d (and %d in enums)' % (total, in_enum))
print('  given to ctags\' class: %d (%.2f%%)' %
      (right, 100.0 * right / max(1, total)))
if show > 0:
    for path, line, name, scope in wrong_list[:show]:
        print('    %s:%d %s (ctags scope %s)' % (path, line, name, scope))
EOF
