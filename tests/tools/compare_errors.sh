#!/usr/bin/env bash
# Runs every error message klv can be made to print from the command line
# through two klv programs and compares what they print (standard output,
# standard error, exit status and files left behind) byte for byte. Use it
# after a change to how errors are written:
#
#   bash tests/tools/compare_errors.sh OLD_KLV NEW_KLV
#
# Exits 0 when both programs behave the same in every case, 1 otherwise.
set -u

if [ $# -ne 2 ]; then
    echo "usage: $0 OLD_KLV NEW_KLV" >&2
    exit 2
fi
old=$(realpath -- "$1") && new=$(realpath -- "$2") || exit 2

work=$(mktemp -d "${TMPDIR:-/tmp}/klv-errors.XXXXXX") || exit 2
trap 'chmod -R u+rwx "$work" 2>/dev/null; rm -rf -- "$work"' EXIT
export TZ=UTC LC_ALL=C SOURCE_DATE_EPOCH=1700000000

source_file() { printf 'int main(void)\n{\n\treturn 0;\n}\n' >"$1"; }

# One case: a fresh directory with a copy of the program (its klv.cfg is
# made beside it) and t.c, the setup commands of `setup_<name>` if defined,
# then the case's command line, evaluated there so that globs, quotes and
# redirections work. Results land in $work/results/<side>/<name>.*.
run_case() {
    local side=$1 program=$2 name=$3 command=$4
    local dir=$work/run/$side/$name
    local results=$work/results/$side
    mkdir -p "$dir/bin" "$results"
    cp -- "$program" "$dir/bin/klv"
    (
        cd "$dir" || exit 2
        export HOME=$dir
        klv() { timeout 20 ./bin/klv "$@"; }
        source_file t.c
        if declare -F "setup_$name" >/dev/null; then "setup_$name"; fi
        # Fixed dates, so that reports of the two runs compare equal.
        find . -path ./bin -prune -o -exec touch -h -d @1577934245 {} +
        touch -d @1600000000 bin/klv
        eval "$command" >"$results/$name.out" 2>"$results/$name.err" </dev/null
        echo $? >"$results/$name.status"
        # The files the run left, with their contents.
        find . -path ./bin/klv -prune -o -type f -newer bin/klv -print |
            LC_ALL=C sort | while read -r f; do
                echo "== $f"
                cat -- "$f" 2>/dev/null
            done >"$results/$name.files"
        sed -i "s#$dir#@DIR@#g" "$results/$name".*
    )
}

# Cases that need files made first.
setup_csv_cfg_no_colon() { printf 'File Name\n' >bad.cfg; }
setup_csv_cfg_bad_value() { printf 'File Name : maybe\n' >bad.cfg; }
setup_csv_cfg_unknown() { printf 'No Such Field : Yes\n' >bad.cfg; }
setup_csv_cfg_twice() {
    ./bin/klv -Xc >tmpl.cfg 2>/dev/null
    head -n 30 tmpl.cfg >bad.cfg
    grep -v '^#' tmpl.cfg | head -n 1 >>bad.cfg
}
setup_csv_cfg_none() {
    ./bin/klv -Xc 2>/dev/null | sed 's/: Yes/: No/' >none.cfg
}
setup_cfg_out_of_range() {
    ./bin/klv -y >/dev/null 2>&1
    sed -i 's/^Maximum Line Length.*/Maximum Line Length : 0/' bin/klv.cfg
}
setup_cfg_real_out_of_range() {
    ./bin/klv -y >/dev/null 2>&1
    sed -i 's/^Minimum Comment Percent.*/Minimum Comment Percent : 101/' \
        bin/klv.cfg
}
setup_duplicate_root() {
    printf 'class A { int x; };\n' >a.cpp
    printf 'class A { int y; };\n' >b.cpp
}
setup_report_unwritable_dir() { mkdir -p ro; }
setup_overlap_list() { echo t.c >list.lst; }
setup_list_malformed() { printf 't.c\n-r c\n' >list.lst; }
setup_list_empty_dir() { printf -- '-r c ""\n' >list.lst; }
setup_list_directory() { mkdir adir; }
setup_bad_type() { echo x >notes.txt; }
setup_work_damaged() {
    printf 'Tarvelon Work File\nDO NOT EDIT\n6.01\nnot a time\n' >old.dat
    cp old.dat new.dat
}
setup_work_bad_line() {
    printf 'Tarvelon Work File\nDO NOT EDIT\n6.01\n1700000000\nbroken\n' \
        >old.dat
    cp old.dat new.dat
}
setup_work_head_short() { printf 'Tarvelon Work File\n' >old.dat; cp old.dat new.dat; }
setup_work_name_line_end() { source_file "$(printf 'a\nb.c')"; }
setup_work_copy_failure() { mkdir workfile.dat; }
setup_work_path_missing() {
    ./bin/klv -y >/dev/null 2>&1
    sed -i "s#^Work file location path.*#Work file location path : none#" \
        bin/klv.cfg
}
setup_nested_classes() {
    {
        for _ in $(seq 40); do echo "class A {"; done
        for _ in $(seq 40); do echo "};"; done
    } >deep.cpp
}
setup_convert_readonly() { chmod 444 t.c; }

# name|command line
cases=(
    "long_header|klv -p -L 20 -S abcdefghijklmnopqrstuvwxyz t.c"
    "csv_cfg_no_colon|klv -X 'File CSV bad.cfg' t.c"
    "csv_cfg_bad_value|klv -X 'File CSV bad.cfg' t.c"
    "csv_cfg_unknown|klv -X 'File CSV bad.cfg' t.c"
    "csv_cfg_twice|klv -X 'File CSV bad.cfg' t.c"
    "csv_cfg_none|klv -X 'File CSV none.cfg' t.c"
    "csv_cfg_missing|klv -X 'File CSV missing.cfg' t.c"
    "cfg_out_of_range|klv t.c"
    "cfg_real_out_of_range|klv t.c"
    "duplicate_root|klv -i a.cpp b.cpp"
    "output_unusable|klv -O nodir/out.txt t.c"
    "output_overlap|klv -O t.c t.c"
    "overlap_list|klv -O list.lst -F list.lst"
    "sarif_unwritable|klv --sarif=nodir/x.sarif t.c"
    "json_unwritable|klv --json=nodir/x.json t.c"
    "sarif_no_name|klv --sarif= t.c"
    "open_missing|klv missing.c"
    "open_missing_convert|klv -Dt missing.c"
    "list_missing|klv -F missing.lst"
    "list_directory|klv -F adir"
    "list_malformed|klv -F list.lst"
    "list_empty_dir|klv -F list.lst"
    "report_to_full|klv -f t.c >/dev/full"
    "parse_error|klv -Z t.c"
    "parse_missing_arg|klv -f -k"
    "geometry_B|klv -p -B 101 t.c"
    "geometry_M|klv -p -M 201 t.c"
    "geometry_P|klv -p -P 10001 t.c"
    "geometry_L|klv -p -L 5000 t.c"
    "bad_D|klv -Dx t.c"
    "bad_E|klv -Ex t.c"
    "bad_N|klv -Nx t.c"
    "bad_R|klv -Rx t.c"
    "bad_r|klv -r '*.c' ."
    "bad_T|klv -Tz t.c"
    "bad_w|klv -wz t.c"
    "w_no_name|klv -wf t.c"
    "bad_X|klv -Xz t.c"
    "bad_X_type|klv -X 'File TXT' t.c"
    "X_alone|klv -f -X 'File CSV' t.c"
    "bad_k|klv -k 9 t.c"
    "r_missing|klv -r c"
    "long_text|klv -F \"\$(head -c 5000 /dev/zero | tr '\\0' a)\""
    "bad_type|klv notes.txt t.c"
    "open_dir_missing|klv -r c nodir"
    "work_missing|klv -wx old.dat new.dat"
    "work_damaged|klv -wx old.dat new.dat"
    "work_bad_line|klv -wx old.dat new.dat"
    "work_head_short|klv -wx old.dat new.dat"
    "work_create_failure|klv -w 'f nodir/w.dat' t.c"
    "work_write_failure|klv -w 'f /dev/full' t.c"
    "work_name_line_end|klv -wc *.c"
    "work_copy_failure|klv -wc t.c"
    "work_path_missing|klv -wc t.c"
    "nested_classes|klv -o deep.cpp"
    "dedos_and_dos|klv -Du -Dd t.c"
    "convert_readonly|klv -Dt t.c"
)

for side in old new; do
    program=$old
    [ "$side" = new ] && program=$new
    for entry in "${cases[@]}"; do
        run_case "$side" "$program" "${entry%%|*}" "${entry#*|}"
    done
done

status=0
for f in "$work"/results/old/*; do
    base=$(basename -- "$f")
    if ! cmp -s -- "$f" "$work/results/new/$base"; then
        echo "DIFFERS: $base"
        diff -- "$f" "$work/results/new/$base" | head -n 20
        status=1
    fi
done
count=$(ls "$work"/results/old/*.status | wc -l)
if [ "$status" = 0 ]; then
    echo "all $count error cases print the same"
fi
if [ -n "${KEEP_RESULTS:-}" ]; then
    rm -rf -- "$KEEP_RESULTS" && cp -r -- "$work/results" "$KEEP_RESULTS"
fi
exit "$status"
