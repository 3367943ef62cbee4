#!/usr/bin/env bash
# The folders of src/ are layers: a folder may include headers of its own
# and of the folders below it, never of a folder above it, so that the
# folder graph has no cycle and each layer builds with those below it.
# Every folder must have its place in the order, and the README must state
# the same order.
#
# usage: layering.sh [klv binary] ; prints each include (and, beside a
# built klv, each use of a routine) that breaks the order and exits 1, or
# exits 0 when there is none.
set -u

# The layers, bottom first. The README's "Layers" section states the same.
ORDER="lists base notices tree reports work recognise analysis config files listing driver"

root=$(cd "$(dirname "$0")/../.." && pwd) || exit 2
src=$root/src
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

declare -A rank
r=0
for layer in $ORDER; do
    rank[$layer]=$r
    r=$((r + 1))
done

for dir in "$src"/*/; do
    dir=${dir%/}
    name=${dir##*/}
    [ -n "${rank[$name]:-}" ] || fail "src/$name has no place in the layer order"
done

# Every quoted include naming a folder: file, line, folder included.
declare -A edges=()
while IFS=: read -r file line text; do
    from=${file#"$src"/}
    from=${from%%/*}
    to=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$text")
    [ "$to" = "$from" ] && continue
    if [ -z "${rank[$to]:-}" ]; then
        fail "${file#"$root"/}:$line includes unknown folder '$to'"
    elif [ -n "${rank[$from]:-}" ] && [ "${rank[$to]}" -gt "${rank[$from]}" ]; then
        fail "${file#"$root"/}:$line: $from includes $to, a layer above it"
        edges["$from -> $to"]=$(( ${edges["$from -> $to"]:-0} + 1 ))
    fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' \
              --include='*.h' --include='*.cpp' "$src" | LC_ALL=C sort)

if [ "${#edges[@]}" != 0 ]; then
    echo "Upward folder dependencies (includes):"
    for edge in "${!edges[@]}"; do echo "  $edge (${edges[$edge]})"; done |
        LC_ALL=C sort
fi

# The README states the order as one line "Layers, bottom first: a, b, ...".
stated=$(sed -nE 's/^Layers, bottom first: //p' "$root/README.md" |
         tr -d '`.' | tr ',' ' ' | xargs)
[ "$stated" = "$ORDER" ] ||
    fail "README.md states the layers as '$stated', the check uses '$ORDER'"

# The same order for what the objects link against: a routine used by a
# folder must be defined in it or below it, whatever the includes say (a
# declaration written by hand, say). The objects are those of the klv
# given, when its build keeps them where CMake puts them.
objects=""
[ $# -ge 1 ] && objects="$(dirname -- "$1")/CMakeFiles/klvcore.dir/src"
if [ -n "$objects" ] && [ -d "$objects" ]; then
    # Objects left in an older build by sources since moved or removed are
    # not part of this program.
    current=()
    while IFS= read -r object; do
        source=${object#"$objects"/}
        [ -f "$src/${source%.o}" ] && current+=("$object")
    done < <(find "$objects" -name '*.cpp.o' | LC_ALL=C sort)
    [ "${#current[@]}" != 0 ] &&
    while read -r line; do
        fail "$line"
    done < <(printf '%s\n' "${current[@]}" | xargs nm -A -P 2>/dev/null |
        awk -v order="$ORDER" -v root="$objects/" '
            BEGIN { n = split(order, layers, " "); for (k = 1; k <= n; ++k) rank[layers[k]] = k }
            {
                file = $1; sub(/:$/, "", file); sub(root, "", file)
                folder = file; sub(/\/.*/, "", folder)
                if (!(folder in rank)) next
                if ($3 == "U") { used[folder, $2] = file; users[$2] = 1 }
                else if ($3 ~ /^[TDBRVWu]$/) {
                    # The lowest folder that defines the symbol.
                    if (!($2 in lowest) || rank[folder] < rank[lowest[$2]]) lowest[$2] = folder
                }
            }
            END {
                for (key in used) {
                    split(key, part, SUBSEP)
                    if (!(part[2] in lowest)) continue
                    if (rank[lowest[part[2]]] > rank[part[1]])
                        printf "src/%s uses %s, defined in %s, a layer above it\n",
                               substr(used[key], 1, length(used[key]) - 2),
                               part[2], lowest[part[2]]
                }
            }' | LC_ALL=C sort | { command -v c++filt >/dev/null && c++filt || cat; })
fi

if [ "$failures" != 0 ]; then
    echo "$failures layering fault(s)"
    exit 1
fi
exit 0
