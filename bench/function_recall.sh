#!/usr/bin/env bash
# Compares the functions klv finds with the function definitions Universal
# Ctags lists for the same files, and prints recall and precision.
#
#   bench/function_recall.sh DIR...      every *.c, *.h, *.cc, *.cpp, *.hpp
#                                        and *.java below DIR
#
#   KLV=path      the program (default build/klv)
#   SHOW=n        list up to n misses and n extras (default 20)
#   EXTENSIONS=l  add the comma-separated extensions l to the ones klv
#                 accepts (say, hpp)
#   CPP_HEADERS=1 analyse *.h files as C++ (quality notice 25 on)
#   LOST_AFTER=re also count the misses written after a line of their file
#                 that matches the Python regular expression re (say, a
#                 raw string literal: functions lost behind a construct)
#
# klv runs once over all files, as a project (so #define names of earlier
# files are macro names in later ones), with -f -n: each function's report
# opens with a "Function Begin Line: N" marker (the line of its opening
# brace) and its name.
#
# Matching rule: a klv function matches a ctags definition of the same file
# and the same name whose extent (ctags' line of the name to its end line)
# holds the line of klv's opening brace; each definition matches at most
# once. Names are compared bare: klv's name after its last '.' or ':'
# (namespace, package and class prefixes) and without template arguments
# (an explicit specialisation 'f<char>'), as ctags gives them; an
# operator's name from "operator" on, without blanks.
# ctags' lambdas (named '__anon...') and its entries without a body (a
# method declared in an interface, an abstract method: no '{' from its
# line to its end line) are left out.
#
# recall    = matched / ctags definitions
# precision = matched / klv functions
set -uo pipefail

KLV=${KLV:-build/klv}
SHOW=${SHOW:-20}
if [ $# -eq 0 ]; then
    echo "usage: $0 DIR..." >&2
    exit 2
fi
if [ ! -x "$KLV" ]; then
    echo "function_recall: no program at $KLV" >&2
    exit 1
fi
KLV=$(realpath -- "$KLV")
command -v ctags >/dev/null || { echo "function_recall: ctags missing" >&2; exit 1; }

tmp=$(mktemp -d "${TMPDIR:-/tmp}/klv-recall.XXXXXX")
trap 'rm -rf -- "$tmp"' EXIT

find "$@" -type f \( -name '*.c' -o -name '*.h' -o -name '*.cc' \
    -o -name '*.cpp' -o -name '*.hpp' -o -name '*.java' \) |
    LC_ALL=C sort >"$tmp/files"
[ -s "$tmp/files" ] || { echo "function_recall: no files" >&2; exit 1; }
# klv runs in another directory: the paths are made absolute.
sed -i 's|^\([^/]\)|'"$PWD"'/\1|' "$tmp/files"

# klv reads its configuration files beside the program: a copy runs with
# long file and function names kept on one line and an empty macro file.
cp -- "$KLV" "$tmp/klv"
{
    printf 'Wrap long names in reports : No\n'
    if [ -n "${EXTENSIONS:-}" ]; then
        printf 'Allowable source code extensions : %s,%s\n' \
            c,cc,cpp,cxx,C,CC,h,hh,H,hxx,java,jav "$EXTENSIONS"
    fi
    if [ "${CPP_HEADERS:-0}" = 1 ]; then
        printf 'Quality Notice 25 : Yes\n'
    fi
} >"$tmp/klv.cfg"
: >"$tmp/klv_macro.cfg"
(cd "$tmp" && xargs -d '\n' -a "$tmp/files" "$tmp/klv" -f -n) \
    >"$tmp/klv.out" 2>&1
xargs -d '\n' -a "$tmp/files" ctags --sort=no --output-format=json \
    --fields=+ne --c-kinds=f --c++-kinds=f --java-kinds=m -f - >"$tmp/ctags.json" 2>/dev/null

python3 - "$tmp/klv.out" "$tmp/ctags.json" "$SHOW" "$tmp/files" \
    "${LOST_AFTER:-}" <<'EOF'
import json, re, sys
from collections import defaultdict

klv_out, ctags_json, show = sys.argv[1], sys.argv[2], int(sys.argv[3])
files_list = sys.argv[4]
lost_after = re.compile(sys.argv[5]) if sys.argv[5] else None

def without_template_arguments(name):
    # 'Add<Btree::kBack>' -> 'Add': ctags names an explicit specialisation
    # without its arguments, which may hold scopes of their own.
    out = []
    depth = 0
    for c in name:
        if c == '<':
            depth += 1
        elif c == '>' and depth > 0:
            depth -= 1
        elif depth == 0:
            out.append(c)
    return ''.join(out)

def bare(name, path):
    # ctags writes 'operator ==', klv 'operator==': blanks do not count.
    if 'operator' in name:
        return name[name.find('operator'):].replace(' ', '')
    return re.split(r'[.:]', without_template_arguments(name))[-1]

# klv: file heading, then per function a begin marker and the name line.
klv = []
current = None
begin = None
for line in open(klv_out, errors='replace'):
    m = re.match(r'  File: (.*)$', line)
    if m:
        current = m.group(1).strip()
        continue
    m = re.search(r' Function Begin Line: (\d+) ', line)
    if m:
        begin = int(m.group(1))
        continue
    m = re.match(r'  Function: (.*)$', line)
    if m and begin is not None:
        klv.append((current, bare(m.group(1).strip(), current), begin))
        begin = None

lines_of = {}
def has_body(path, first, last):
    if path not in lines_of:
        with open(path, errors='replace') as f:
            lines_of[path] = f.read().split('\n')
    text = lines_of[path][first - 1:last]
    return any('{' in t for t in text)

tags = []
for line in open(ctags_json, errors='replace'):
    try:
        t = json.loads(line)
    except ValueError:
        continue
    if t.get('_type') != 'tag' or t.get('kind') not in ('function', 'method'):
        continue
    if t['name'].startswith('__anon'):
        continue  # a lambda: ctags names it, no definition names it
    end = t.get('end', t['line'])
    if not has_body(t['path'], t['line'], end):
        continue
    tags.append((t['path'], bare(t['name'], t['path']), t['line'], end))

by_key = defaultdict(list)
for i, (path, name, first, last) in enumerate(tags):
    by_key[(path, name)].append(i)

used = set()
matched = 0
extras = []
for path, name, brace in klv:
    hit = None
    for i in by_key.get((path, name), []):
        if i not in used and tags[i][2] <= brace <= tags[i][3]:
            hit = i
            break
    if hit is None:
        extras.append((path, brace, name))
    else:
        used.add(hit)
        matched += 1

# Names #defined before a definition (in a file analysed earlier or
# earlier in its own file): klv takes them for macro names (a macro
# invoked, or a decoration), so it expects no function there.
# klv analyses the headers (a name whose extension starts with 'h') first.
paths = [p for p in open(files_list).read().split('\n') if p]
def is_header(path):
    return path.rsplit('.', 1)[-1].startswith('h')
paths = [p for p in paths if is_header(p)] + \
        [p for p in paths if not is_header(p)]
first_define = {}
order = {}
for index, path in enumerate(paths):
    order[path] = index
    if path not in lines_of:
        with open(path, errors='replace') as f:
            lines_of[path] = f.read().split('\n')
    for number, text in enumerate(lines_of[path], 1):
        m = re.match(r'\s*#\s*define\s+(\w+)', text)
        if m and m.group(1) not in first_define:
            first_define[m.group(1)] = (index, number)

def macro_before(path, name, line):
    at = first_define.get(name)
    return at is not None and at < (order.get(path, -1), line)

unmatched = [i for i in range(len(tags)) if i not in used]

# An extra whose opening brace lies in the extent of an unmatched definition
# of its file: both tools see a body there. With the names differing the
# two disagree on the name ('__printf(2, 3) static void f(...)', a macro
# call without ';' before the definition); inside the body of a definition
# klv dropped (its name is a macro name) it is code of that body.
by_file = defaultdict(list)
for i in unmatched:
    by_file[tags[i][0]].append(i)
# ctags reads only the first branch of an #if ... #elif/#else: a line in
# a later branch of any enclosing conditional is one ctags never looked at.
later_branch = {}
def in_later_branch(path, line):
    if path not in later_branch:
        flags = []
        stack = []
        for text in lines_of[path]:
            m = re.match(r'\s*#\s*(if|ifdef|ifndef|elif|else|endif)\b', text)
            if m:
                word = m.group(1)
                if word.startswith('if'):
                    stack.append(False)
                elif word == 'endif':
                    if stack:
                        stack.pop()
                elif stack:
                    stack[-1] = True
            flags.append(any(stack))
        later_branch[path] = flags
    flags = later_branch[path]
    return 0 < line <= len(flags) and flags[line - 1]

renamed = set()
extra_kind = []
for path, brace, name in extras:
    kind = 'in a later #if branch' if in_later_branch(path, brace) else 'other'
    for i in by_file.get(path, []):
        p, n, first, last = tags[i]
        if first <= brace <= last:
            if macro_before(p, n, first):
                kind = 'inside a dropped body'
            elif i not in renamed:
                kind = 'named otherwise'
                renamed.add(i)
            break
    extra_kind.append(kind)

misses = [tags[i] for i in unmatched if i not in renamed]
macro_misses = [t for t in misses if macro_before(t[0], t[1], t[2])]
misses = [t for t in misses if not macro_before(t[0], t[1], t[2])]
recall = 100.0 * matched / len(tags) if tags else 0.0
precision = 100.0 * matched / len(klv) if klv else 0.0
print("ctags definitions: %d  klv functions: %d  matched: %d" %
      (len(tags), len(klv), matched))
print("recall: %.2f%%  precision: %.2f%%" % (recall, precision))
# The looser measure: distinct names per file, wherever they stand.
klv_names = {(path, name) for path, name, brace in klv}
tag_names = {(path, name) for path, name, first, last in tags}
common = len(klv_names & tag_names)
print("distinct names per file: recall %.2f%%  precision %.2f%%" %
      (100.0 * common / max(len(tag_names), 1),
       100.0 * common / max(len(klv_names), 1)))
print("definitions klv names otherwise: %d" % len(renamed))
print("misses: %d whose name is #defined before, %d others" %
      (len(macro_misses), len(misses)))
kinds = defaultdict(int)
for k in extra_kind:
    kinds[k] += 1
print("extras: %d named otherwise, %d inside a dropped body, "
      "%d in a later #if branch, %d others" %
      (kinds['named otherwise'], kinds['inside a dropped body'],
       kinds['in a later #if branch'], kinds['other']))
# ctags never reads a later #elif/#else branch: klv's functions there
# have no definition to match. Precision leaving them out:
seen = len(klv) - kinds['in a later #if branch']
print("precision leaving out klv functions in a later #if branch: %.2f%%" %
      (100.0 * matched / seen if seen else 0.0))
if lost_after is not None:
    def after_construct(path, line):
        return any(lost_after.search(t) for t in lines_of[path][:line - 1])
    behind = [t for t in misses + macro_misses
              if after_construct(t[0], t[2])]
    print("misses after a line matching %s: %d" %
          (lost_after.pattern, len(behind)))
    for path, name, first, last in behind[:show]:
        print("  %s:%d %s" % (path, first, name))
if show > 0:
    print("\nother misses (file:line name):")
    for path, name, first, last in misses[:show]:
        print("  %s:%d %s" % (path, first, name))
    print("\nmisses whose name is #defined before (file:line name):")
    for path, name, first, last in macro_misses[:show]:
        print("  %s:%d %s" % (path, first, name))
    print("\nextras named otherwise (file:brace-line name):")
    shown = [e for e, k in zip(extras, extra_kind) if k == 'named otherwise']
    for path, brace, name in shown[:show]:
        print("  %s:%d %s" % (path, brace, name))
    for kind in ('inside a dropped body', 'in a later #if branch', 'other'):
        print("\n%s extras (file:brace-line name):" %
              ('other' if kind == 'other' else kind))
        shown = [e for e, k in zip(extras, extra_kind) if k == kind]
        for path, brace, name in shown[:show]:
            print("  %s:%d %s" % (path, brace, name))
EOF
