#!/usr/bin/env bash
# A parallel run writes exactly what the serial run writes: standard output,
# standard error, every file it leaves behind and the exit status, byte for
# byte, in every report mode. Each option set below runs with -j 1 and
# again with -j 2, -j3 and KLVJOBS=2 (and -j 16 on the examples: more
# threads than files), over the bundled examples and over a generated tree
# whose files depend on the files before them (see lib_parallel_tree.sh).
#
# Every run starts in the same directory, holding the same work files and
# CSV report configuration, so that whatever it writes can be compared.
# A program without -j skips the check (status 77).
#
#   KLV_EQUALITY_SELF=1    compares the program with itself, without -j
#                          (shows option sets whose output is not
#                          reproducible at all)
#   KLV_EQUALITY_KEEP=dir  keeps the inputs and the runs of the first
#                          mismatch there
#   KLV_EQUALITY_ONLY=re   runs only the option sets whose name matches
here=$(cd "$(dirname "$0")" && pwd) || exit 2
. "$here/lib.sh" "$@"
. "$here/lib_parallel_tree.sh"
examples=$here/../../examples

# The program decides whether there is anything to compare.
make_source probe.c
"$KLV" -s probe.c >/dev/null 2>&1 </dev/null  # writes klv.cfg beside it
if [ -z "${KLV_EQUALITY_SELF:-}" ]; then
    run -j 1 -s probe.c
    if [ "$status" != 0 ] || grep -q "Command line parse error" out; then
        skip "this klv has no -j option"
    fi
    variants=("-j 2" "-j3" "KLVJOBS=2")
    base=("-j" "1")
else
    variants=("again")
    base=()
fi

# ---------------------------------------------------------------------------
# The inputs: a copy of the examples, and the generated tree.
# ---------------------------------------------------------------------------
mkdir ex
cp -R -- "$examples/." ex/
find ex -exec touch -h -d '2020-01-02 03:04:05 UTC' {} +
find "$scratch/ex" -type f | LC_ALL=C sort >ex.files
make_parallel_tree "$scratch/tree" || exit 2
# The tree without the files that cannot be read, so that -n's exit
# status is the notice count there.
grep -v '/locks/' tree.files >tree-clean.files

# ---------------------------------------------------------------------------
# What every run finds in its directory: the work files of an earlier
# baseline and a CSV report configuration. The baseline leaves a few files
# out (new now); then a few files change and one goes away.
# ---------------------------------------------------------------------------
serial() { timeout 120 "$KLV" "${base[@]}" "$@" >/dev/null 2>&1 </dev/null; }

make_seeds() {  # name list changed-files...
    local name=$1 list=$2 file
    shift 2
    mkdir "seed-$name"
    sed -n '1~7!p' "$list" >"seed-$name/before.files"
    (cd "seed-$name" && serial -wc -F before.files && mv workfile.dat old.dat &&
        rm -f kv*)
    for file in "$@"; do
        printf '\nint added_later(int v)\n{\n    return v ? v + 1 : 0;\n}\n' >>"$file"
        touch -d '2020-02-03 04:05:06 UTC' "$file"
    done
    sed 3d "$list" >"seed-$name/now.files"
    (cd "seed-$name" && serial -wf "File new.dat" -F now.files)
    cp "seed-$name/old.dat" "seed-$name/workfile.dat"
    rm -f "seed-$name"/*.files "seed-$name"/kv*
    "$KLV" -Xc >"seed-$name/report.cfg" 2>/dev/null </dev/null
    # Every third field left out, the rest in their order.
    awk '/: Yes$/ && ++n % 3 == 0 { sub(/: Yes$/, ": No") } { print }' \
        "seed-$name/report.cfg" >"seed-$name/r.cfg" && mv "seed-$name/r.cfg" "seed-$name/report.cfg"
}
make_seeds ex ex.files "$scratch/ex/c/stack.c" "$scratch/ex/java/Inventory.java"
make_seeds tree tree.files "$scratch/tree/c/unit_010.c" "$scratch/tree/cpp/geo/shape05.cpp" \
    "$scratch/tree/java/org/example/app/App3.java" "$scratch/tree/misc/long1.c"
cp -R seed-tree seed-tree-clean

# ---------------------------------------------------------------------------
# The option sets: a name, then the words of the command line. @IN@ stands
# for the input files (the examples named one by one, the tree as a -F
# list), @DIR@ for the input's directory. Leading NAME=value words are set
# in the environment.
# ---------------------------------------------------------------------------
option_sets=$(cat <<'EOF'
plain           @IN@
summary         -s @IN@
verbose         -v @IN@
functions       -f @IN@
complexity      -c @IN@
fc              -f -c @IN@
fcno            -f -c -n -o @IN@
everything      -v -f -c -n -o -i -a -m -e -l -C @IN@
memory          -a @IN@
macros          -m @IN@
fnlist          -l @IN@
comments        -C @IN@
estimate        -e -f -c @IN@
display         -d @IN@
classes         -o @IN@
tree            -i @IN@
classtree       -o -i -f @IN@
classmf         KLVCLASSMF=1 -o -f @IN@
html            -H @IN@
htmlall         -H -v -f -c -n -o -i -e @IN@
htmlsorted      -H -f -c -o -k2 @IN@
htmltotals      -H -Ta @IN@
htmllisting     -H -p -f @IN@
csv             -A @IN@
csvfunctions    -A -f @IN@
csvtree         -A -i @IN@
csvsummary      -A -s @IN@
csvall          -A -Ta @IN@
csvtf           -A -Tf @IN@
csvto           -A -To @IN@
csvtq           -A -Tq @IN@
csvti           -A -Ti @IN@
csvsort         -A -f -k5 @IN@
csvwork         -A -wW @IN@
Ta              -Ta @IN@
Tf              -Tf @IN@
Ti              -Ti @IN@
To              -To @IN@
Tp              -Tp @IN@
Tq              -Tq @IN@
Tn              -Tn @IN@
Ts              -Ts @IN@
Tl              -Ta -Tl @IN@
TN              -Tf -TN @IN@
Tqv             -Nv -Tq @IN@
k0              -f -c -o -k0 @IN@
k1              -f -c -o -k1 @IN@
k2              -f -c -o -k2 @IN@
k3              -f -c -o -k3 @IN@
k4              -f -c -o -k4 @IN@
k5              -f -c -o -n -k5 @IN@
k6              -wW -k6 @IN@
Tk1             -Ta -k1 @IN@
notices         -n @IN@
noticesfc       -n -f -c -o @IN@
Ns              -Ns @IN@
Nv              -Nv @IN@
Nsf             -Ns -f -c -o @IN@
Nvf             -Nv -f -c -o -i @IN@
extracts        -Es @IN@
extractc        -Ec @IN@
extractboth     -Es -Ec @IN@
listing         -p @IN@
listingshape    -p -B 2 -M 3 -P 20 -L 60 -S Header @IN@
listingflat     -p -P -1 -f -n @IN@
workcreate      -wc @IN@
workfile        -w "File named.dat" @IN@
workdiff        -wW @IN@
workdifftotals  -wW -Tw @IN@
workextract     -wx old.dat new.dat
csvextract      -A -wx old.dat new.dat
report          -X "File CSV report.cfg" @IN@
reportall       -X "File CSV" -O all.csv @IN@
json            -f -c -n -o -i --json=run.json --sarif run.sarif @IN@
jsonplain       --json=plain.json @IN@
outfile         -f -c -n -O out.txt @IN@
outhtml         -H -f -o -O out.html @IN@
walk            -f -c -n -o -r c,h,cpp,hh,java @DIR@
walksorted      -Rn -f -o -r c,h,cpp,hh,java @DIR@
walklist        -Rl -r c,h,cpp,hh,java @DIR@
EOF
)

# Options that only the examples get: their output grows with every line.
example_sets=$(cat <<'EOF'
debug           KLVDEBUG=1 -f -c -n -o @IN@
EOF
)

# ---------------------------------------------------------------------------
# Running and comparing.
# ---------------------------------------------------------------------------
kept=""

# Runs klv once in the directory run/ with the seed files, then moves the
# directory with its stdout, stderr and status to results/$1.
run_in_place() {  # result-name seed-dir env-words... -- words...
    local name=$1 seed=$2
    shift 2
    local envs=()
    while [ "$1" != "--" ]; do envs+=("$1"); shift; done
    shift
    rm -rf run && mkdir run && cp -R "$seed/." run/ || exit 2
    (cd run && timeout 120 env "${envs[@]}" "$KLV" "$@" \
        >../stdout 2>../stderr </dev/null; echo $? >../status)
    [ "$(cat status)" = 124 ] && fail "klv $* did not end within 120 seconds"
    # The debugging trace shows addresses, which differ from run to run.
    if [[ " ${envs[*]} " == *" KLVDEBUG="* ]]; then
        sed -E -i 's/0x[0-9a-f]+/0x?/g' stdout
    fi
    mkdir -p results && rm -rf "results/$name" &&
        mv run "results/$name" && mv stdout stderr status "results/$name/" || exit 2
}

# Compares one option set on one input: the serial run against each
# parallel form.
check_set() {  # input set-name words...
    local input=$1 name=$2
    shift 2
    local words=("$@") envs=() args=() w dir list inputs=()
    case $input in
        ex) dir=$scratch/ex; inputs=($(cat ex.files)) ;;
        tree) dir=$scratch/tree; inputs=(-F "$scratch/tree.files") ;;
        tree-clean) dir=$scratch/tree; inputs=(-F "$scratch/tree-clean.files") ;;
    esac
    for w in "${words[@]}"; do
        if [ ${#args[@]} = 0 ] && [[ $w =~ ^[A-Z]+=.*$ ]]; then
            envs+=("$w")
        elif [ "$w" = "@IN@" ]; then
            args+=("${inputs[@]}")
        elif [ "$w" = "@DIR@" ]; then
            args+=("$dir")
        else
            args+=("$w")
        fi
    done
    rm -rf results
    run_in_place serial "seed-$input" "${envs[@]}" -- "${base[@]}" "${args[@]}"
    local variant forms=("${variants[@]}")
    # More threads than files.
    if [ "$input" = ex ] && [ -z "${KLV_EQUALITY_SELF:-}" ]; then
        forms+=("-j 16")
    fi
    for variant in "${forms[@]}"; do
        local venv=("${envs[@]}") vargs=()
        case $variant in
            KLVJOBS=*) venv+=("$variant") ;;
            again) ;;
            *) read -r -a vargs <<<"$variant" ;;
        esac
        run_in_place parallel "seed-$input" "${venv[@]}" -- "${vargs[@]}" "${args[@]}"
        if ! diff -r results/serial results/parallel >diff.out 2>&1; then
            fail "$input, $name, $variant: klv ${args[*]} differs from the serial run"
            head -n 30 diff.out
            if [ -n "${KLV_EQUALITY_KEEP:-}" ] && [ -z "$kept" ]; then
                kept=1
                mkdir -p "$KLV_EQUALITY_KEEP" &&
                    cp -R ex tree ex.files tree.files tree-clean.files \
                        results "seed-$input" "$KLV_EQUALITY_KEEP/" &&
                    echo "kept in $KLV_EQUALITY_KEEP"
            fi
        fi
    done
}

checked=0
# Reads option-set lines and checks each on the given inputs.
check_sets() {  # sets-text inputs...
    local text=$1 name rest words input
    shift
    while read -r name rest; do
        [ -n "$name" ] || continue
        if [ -n "${KLV_EQUALITY_ONLY:-}" ] && ! [[ $name =~ $KLV_EQUALITY_ONLY ]]; then
            continue
        fi
        eval "words=($rest)"
        for input in "$@"; do
            check_set "$input" "$name" "${words[@]}"
            checked=$((checked + 1))
        done
    done <<<"$text"
}

check_sets "$option_sets" ex tree
check_sets "$example_sets" ex
# The notice counts as exit status, without the unreadable files' 255.
check_sets "$(grep -E '^(notices|Ns|Nv|fcno|k5) ' <<<"$option_sets")" tree-clean

echo "$checked option sets and inputs compared with the serial run"
finish
