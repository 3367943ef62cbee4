# Sourced by the equality check of serial and parallel runs: writes a
# deterministic source tree whose files depend on the files before them in
# every way the analysis carries state from one file to the next.
#
#   make_parallel_tree DIR       writes the tree under DIR, and DIR.files,
#                                the file list (C locale order) for -F
#
# What it holds (about 450 files):
#   c/       headers and sources that #define call-like macros and use
#            them as names of declarations in later files, and also before
#            their definition (a name is a macro only after its #define);
#   cpp/     one namespace opened in many files, classes declared in
#            headers with their methods defined out of class in later
#            sources, nested classes, the same class name in several
#            files and namespaces, nested and anonymous namespaces;
#   java/    one package in many files, nested, inner, local and anonymous
#            classes, interfaces and enums, one class name in two packages;
#   misc/    files raising many notices, long files, many tiny files, an
#            empty file, a file without a final line feed, DOS line ends;
#   locks/   a file without read permission, a directory with a source
#            name and a dangling link; the list also names a missing file;
#   tricky/  definitions that a quick look at the text gets wrong.
# Two files are named twice in the list.

# A C source: macro uses around ordinary functions. `n` is its number.
parallel_tree_c_unit() {
    local n=$1 k=$(( $1 % 10 )) next=$(( ($1 + 1) % 120 ))
    printf '/* unit %d: macros of defs_%d.h and of the units around it */\n' "$n" "$k"
    printf '#include "defs_%d.h"\n\n' "$k"
    # Defined here, used by this unit and the next; the unit before uses
    # the name too, when it is not a macro yet.
    printf '#define LATE_%d(type, name) type name\n' "$n"
    printf '#define CHECK_%d(x) do { if (!(x)) return -1; } while (0)\n' "$n"
    printf '#define wrap_%d(name) int name(void)\n\n' "$n"
    # A lower-case call-like macro is a function name wherever it is not
    # known as a macro yet: in the unit before this one.
    printf 'wrap_%d(wrapped_%d)\n{\n    return %d;\n}\n\n' "$n" "$n" "$n"
    printf 'wrap_%d(wrapped_next_%d)\n{\n    return 0;\n}\n\n' "$next" "$n"
    printf 'DECLARE_%d(helper_%d)\n{\n\treturn %d;\n}\n\n' "$k" "$n" "$n"
    printf 'EXPORT_%d(int) compute_%d(int a, int b)\n{\n' "$k" "$n"
    printf '    int i, s = 0;\n    LOOP_%d(i, a) {\n' "$k"
    printf '        if (i %% 3 == 0 && b > %d)\n            s += i;\n' "$n"
    printf '        else if (i %% 5 == 0 || b < 0)\n            s -= b;\n'
    printf '    }\n    CHECK_%d(s >= 0);\n    return s;\n}\n\n' "$n"
    printf 'LATE_%d(static int, local_%d)(void)\n{\n' "$n" "$n"
    printf '    switch (%d) {\n    case 1: return 1;\n    case 2: return 2;\n    }\n' "$n"
    printf '    return 0;\n}\n\n'
    printf 'LATE_%d(int, forward_%d)(int v)\n{\n    return v * 2;\n}\n\n' "$next" "$n"
    if [ "$n" -gt 0 ]; then
        printf 'LATE_%d(long, backward_%d)(long v)\n{\n' "$(( n - 1 ))" "$n"
        printf '    CHECK_%d(v != 0);\n    return v / 2;\n}\n\n' "$(( n - 1 ))"
    fi
    printf 'struct rec_%d {\n    int key;\n    char name[%d];\n};\n\n' "$k" "$(( n + 4 ))"
    # Unnamed structs: one no name follows takes up the record of the last
    # such struct of the units before, one a typedef names renames it.
    if [ $(( n % 3 )) = 0 ]; then
        printf 'union pair_%d {\n    struct {\n        int lo;\n        int hi;\n    };\n    long both;\n};\n\n' "$n"
    fi
    if [ $(( n % 4 )) = 1 ]; then
        printf 'typedef struct {\n    int id;\n} named_%d;\n\n' "$n"
    fi
    printf 'int use_%d(struct rec_%d *r)\n{\n' "$n" "$k"
    printf '    return r ? r->key + helper_%d() + local_%d() : 0;\n}\n' "$n" "$n"
}

parallel_tree_c() {
    local dir=$1/c k n
    mkdir -p "$dir"
    for (( k = 0; k < 10; k++ )); do
        {
            printf '#ifndef DEFS_%d_H\n#define DEFS_%d_H\n\n' "$k" "$k"
            printf '#define DECLARE_%d(name) static int name(void)\n' "$k"
            printf '#define LOOP_%d(i, n) for ((i) = 0; (i) < (n); ++(i))\n' "$k"
            printf '#define EXPORT_%d(type) extern type\n' "$k"
            printf '#define LIMIT_%d %d\n\n' "$k" "$(( k * 100 ))"
            printf 'struct rec_%d;\nint use_%d(struct rec_%d *r);\n\n' "$k" "$k" "$k"
            printf '#endif\n'
        } >"$dir/defs_$k.h"
    done
    for (( n = 0; n < 120; n++ )); do
        parallel_tree_c_unit "$n" >"$dir/unit_$(printf '%03d' "$n").c"
    done
    # Sorted after every unit: uses macros that only this file defines,
    # and those of the units, under the same names as in the units.
    {
        printf '#define DECLARE_0(name) int name(int only_here)\n'
        printf 'DECLARE_0(redefined)\n{\n    return only_here;\n}\n'
        printf 'LATE_7(int, late_user)(void)\n{\n    return LIMIT_3;\n}\n'
    } >"$dir/zz_last.c"
}

# A C++ header: one class of namespace geo with a nested class, a struct
# of the same name as in other files, and an inline method.
parallel_tree_cpp_header() {
    local k=$1 base=$(( $1 > 0 ? $1 - 1 : 0 ))
    printf '#pragma once\n#include "base.hh"\n\nnamespace geo {\n\n'
    printf 'class Shape%d : public Shape%d {\npublic:\n' "$k" "$base"
    printf '    Shape%d();\n    ~Shape%d() override;\n' "$k" "$k"
    printf '    int area() const;\n    void grow(int by);\n'
    printf '    int inline_size() const { return size_ * %d; }\n\n' "$k"
    printf '    class Part {\n    public:\n        int count() const;\n'
    printf '        struct Corner {\n            int x, y;\n'
    printf '            int sum() const { return x + y; }\n        };\n'
    printf '    };\n\nprivate:\n    int size_ = %d;\n};\n\n' "$k"
    printf 'struct Node {\n    int id;\n    Node *next;\n};\n\n'
    printf '}  // namespace geo\n'
}

# Its source: the methods defined out of class, in three spellings.
parallel_tree_cpp_source() {
    local k=$1
    printf '#include "shape%02d.hh"\n\n' "$k"
    printf 'geo::Shape%d::Shape%d() = default;\n' "$k" "$k"
    printf 'geo::Shape%d::~Shape%d() {}\n\n' "$k" "$k"
    printf 'int geo::Shape%d::area() const\n{\n' "$k"
    printf '    int a = 0;\n    for (int i = 0; i < size_; ++i) {\n'
    printf '        if (i %% 2) a += i; else a -= 1;\n    }\n    return a;\n}\n\n'
    printf 'namespace geo {\n\nvoid Shape%d::grow(int by)\n{\n' "$k"
    printf '    while (by-- > 0 && size_ < %d) {\n        ++size_;\n    }\n}\n\n' "$(( k * 10 + 5 ))"
    printf 'int Shape%d::Part::count() const\n{\n    return %d;\n}\n\n' "$k" "$k"
    printf 'namespace detail {\n\nclass Node {\npublic:\n'
    printf '    int weight() const { return %d; }\n};\n\n' "$k"
    printf '}  // namespace detail\n}  // namespace geo\n\n'
    printf 'namespace {\nint hidden_%d(int v)\n{\n    return v ? v : %d;\n}\n}  // namespace\n\n' "$k" "$k"
    printf 'int shape_entry_%d()\n{\n    geo::Shape%d s;\n' "$k" "$k"
    printf '    s.grow(3);\n    return s.area() + hidden_%d(1);\n}\n' "$k"
}

parallel_tree_cpp() {
    local dir=$1/cpp k
    mkdir -p "$dir/geo" "$dir/util"
    # Sorted first: geo's first sighting is a small one, and Shape0 the
    # root of the chain.
    {
        printf '#pragma once\nnamespace geo {\n\nclass Shape0 {\npublic:\n'
        printf '    virtual ~Shape0() = default;\nprotected:\n    int size_ = 0;\n};\n\n}\n'
    } >"$dir/geo/base.hh"
    for (( k = 1; k <= 24; k++ )); do
        parallel_tree_cpp_header "$k" >"$dir/geo/shape$(printf '%02d' "$k").hh"
    done
    for (( k = 1; k <= 24; k++ )); do
        parallel_tree_cpp_source "$k" >"$dir/geo/shape$(printf '%02d' "$k").cpp"
    done
    for (( k = 0; k < 8; k++ )); do
        {
            printf 'namespace util::v%d {\n\n' "$(( k % 3 ))"
            printf 'template <typename T>\nclass Node {\npublic:\n'
            printf '    T value() const { return v_; }\n'
            printf '    class Iterator {\n    public:\n'
            printf '        bool next() { return ++pos_ < %d; }\n' "$k"
            printf '    private:\n        int pos_ = 0;\n    };\n'
            printf 'private:\n    T v_{};\n};\n\n'
            printf 'inline int scale%d(int v)\n{\n    return v * %d;\n}\n\n' "$k" "$k"
            printf '}  // namespace util::v%d\n\n' "$(( k % 3 ))"
            printf 'struct Node {\n    int id = %d;\n};\n' "$k"
        } >"$dir/util/node$k.hh"
    done
    # The geo methods again, defined from a later file, and macros of the
    # C units (a macro is one for every language after its #define).
    {
        printf '#include "geo/shape03.hh"\n\nwrap_7(cpp_wrapped)\n{\n    return 7;\n}\n\n'
        printf 'class wrap_9(x) Decorated {\n    int f() { return 9; }\n};\n\n'
        printf 'namespace geo {\n'
        printf 'namespace detail {\nint late_helper() { return 3; }\n}\n'
        printf '}\n\nint main()\n{\n    return geo::detail::late_helper();\n}\n'
    } >"$dir/zz_main.cpp"
}

# A Java class of package `pkg` with nested, inner, local and anonymous
# classes, an interface and an enum.
parallel_tree_java_class() {
    local pkg=$1 name=$2 k=$3
    printf 'package %s;\n\nimport java.util.List;\n\n' "$pkg"
    printf '/** Class %s number %d. */\n' "$name" "$k"
    printf 'public class %s implements Runnable {\n' "$name"
    printf '    private int count = %d;\n\n' "$k"
    printf '    public interface Listener {\n        void changed(int to);\n    }\n\n'
    printf '    enum Mode { ON, OFF; int code() { return ordinal(); } }\n\n'
    printf '    static class Builder {\n        private int size;\n'
    printf '        Builder size(int s) {\n            size = s;\n            return this;\n        }\n'
    printf '        %s build() {\n            return new %s();\n        }\n    }\n\n' "$name" "$name"
    printf '    class Inner {\n        int twice() {\n            return count * 2;\n        }\n'
    printf '        class Deeper {\n            int thrice() { return count * 3; }\n        }\n    }\n\n'
    printf '    public void run() {\n        class Local {\n            int one() { return 1; }\n        }\n'
    printf '        Listener l = new Listener() {\n            public void changed(int to) {\n'
    printf '                count = to;\n            }\n        };\n'
    printf '        for (int i = 0; i < %d; i++) {\n            if (i %% 2 == 0) l.changed(i);\n        }\n' "$k"
    printf '        count += new Local().one();\n    }\n\n'
    printf '    int sum(List<Integer> xs) {\n        int s = 0;\n'
    printf '        for (int x : xs) {\n            s += x > 0 ? x : -x;\n        }\n'
    printf '        return s;\n    }\n}\n'
}

parallel_tree_java() {
    local dir=$1/java k
    mkdir -p "$dir/org/example/app" "$dir/org/example/model"
    for (( k = 0; k < 40; k++ )); do
        parallel_tree_java_class org.example.app "App$k" "$k" \
            >"$dir/org/example/app/App$k.java"
    done
    for (( k = 0; k < 16; k++ )); do
        parallel_tree_java_class org.example.model "Item$k" "$k" \
            >"$dir/org/example/model/Item$k.java"
    done
    # One class name in two packages.
    parallel_tree_java_class org.example.app Util 1 >"$dir/org/example/app/Util.java"
    parallel_tree_java_class org.example.model Util 2 >"$dir/org/example/model/Util.java"
}

# A function that raises notices: a TAB, a long line, goto, a switch
# without default, an empty block, a magic number, assignment in a test.
parallel_tree_noisy_function() {
    local n=$1
    printf 'int noisy_%d(int a, int b, int c, int d, int e, int f, int g)\n{\n' "$n"
    printf '\tint x = 0;\n'
    printf '    if (x = a) { }\n'
    printf '    switch (b) {\n    case 1: x = 12345; break;\n    case 2: x = 67890;\n    }\n'
    printf '    if (c) goto out;\n'
    printf '    x += a + b + c + d + e + f + g + a * b * c * d * e * f * g + a - b - c - d - e - f - g;\n'
    printf '    while (d--) ;\n'
    printf 'out:\n    return x;\n}\n\n'
}

parallel_tree_misc() {
    local dir=$1/misc k n
    mkdir -p "$dir"
    {
        printf '// Every kind of trouble, %d times.\n' 40
        for (( n = 0; n < 40; n++ )); do parallel_tree_noisy_function "$n"; done
    } >"$dir/noisy.c"
    # Long files: thousands of lines each, many functions.
    for (( k = 0; k < 3; k++ )); do
        {
            printf '/* long file %d */\n#include "../c/defs_%d.h"\n\n' "$k" "$k"
            for (( n = 0; n < 600; n++ )); do
                printf 'DECLARE_%d(long_%d_%d)\n{\n' "$k" "$k" "$n"
                printf '    int v = %d;\n    if (v > LIMIT_%d)\n        v = 0;\n' "$n" "$k"
                printf '    return v;\n}\n\n'
            done
        } >"$dir/long$k.c"
    done
    {
        printf 'namespace big {\n\n'
        for (( n = 0; n < 300; n++ )); do
            printf 'class C%d {\npublic:\n    int f() const;\n};\n' "$n"
            printf 'int C%d::f() const\n{\n    return %d;\n}\n\n' "$n" "$n"
        done
        printf '}  // namespace big\n'
    } >"$dir/long_classes.cpp"
    # Many tiny files of a line or two.
    for (( n = 0; n < 160; n++ )); do
        case $(( n % 4 )) in
            0) printf 'int tiny_%d;\n' "$n" ;;
            1) printf '/* only a comment */\n' ;;
            2) printf 'void tiny_f%d(void) {}\n' "$n" ;;
            3) printf '#define TINY_%d(x) (x)\n' "$n" ;;
        esac >"$dir/tiny$(printf '%03d' "$n").c"
    done
    # A name that tiny003.c made a macro, used as a declaration.
    printf 'TINY_3(int) after_tiny(void)\n{\n    return 0;\n}\n' >"$dir/tinz_after.c"
    : >"$dir/empty.c"
    : >"$dir/empty.java"
    printf 'int no_final_line_feed(void)\n{\n    return 1;\n}' >"$dir/nonl.h"
    printf 'class Dos {\r\npublic:\r\n    int f() { return 1; }\r\n};\r\n' >"$dir/dos.cpp"
    printf 'class Broken {\n    void f() {\n        if (x) {\n' >"$dir/unclosed.cpp"
}

parallel_tree_locks() {
    local dir=$1/locks
    mkdir -p "$dir/folder.c"
    printf 'int locked(void)\n{\n    return 0;\n}\n' >"$dir/locked.c"
    chmod 000 "$dir/locked.c"
    ln -s nowhere.c "$dir/dangling.c"
}

# Definitions a quick look at the text gets wrong: #define in comments and
# strings, spelled with blanks, on lines ended by CR alone or past the
# 4,094 characters of a line; namespaces in comments; a class whose
# methods come before it; a Java package named like a C++ namespace.
parallel_tree_tricky() {
    local dir=$1/tricky pad
    mkdir -p "$dir"
    {
        printf '/* Not definitions:\n#define in_comment(x) x\n */\n'
        printf '// #define in_line_comment(x) x\n'
        printf 'const char *s = "\\\n#define in_string(x) x";\n'
        printf '#  define spaced(x) x\n#\tdefine tabbed(x) x\n'
        printf '#define continued(x) \\\n    x\n'
        printf '// namespace ghost {\n'
    } >"$dir/a_defines.c"
    printf 'const char *r = R"(\n#define in_raw(x) x\nnamespace raw_ns {\n)";\n' \
        >"$dir/a_raw.cpp"
    printf '#define cr_only(x) x\rint cr_var;\r' >"$dir/b_cr.c"
    pad=$(printf '%4100s' '' | tr ' ' 'x')
    printf '// %s#define past_cut(x) x\nint after_cut;\n' "$pad" >"$dir/b_long_line.c"
    {
        for name in in_comment in_line_comment in_string spaced tabbed continued \
                    in_raw cr_only past_cut; do
            printf '%s(use_%s)\n{\n    return 0;\n}\n\n' "$name" "$name"
        done
    } >"$dir/c_uses.c"
    printf 'int Later::f() const\n{\n    return 1;\n}\n\nnamespace ghost {\nint g() { return 2; }\n}\n' \
        >"$dir/d_early_method.cpp"
    printf 'class Later {\npublic:\n    int f() const;\n};\n' >"$dir/e_later_class.hh"
    printf 'package geo;\n\nclass Shape1 {\n    int area() { return 1; }\n}\n' \
        >"$dir/f_Shape.java"
}

make_parallel_tree() {
    local root=$1
    mkdir -p "$root" || return 1
    parallel_tree_c "$root"
    parallel_tree_cpp "$root"
    parallel_tree_java "$root"
    parallel_tree_misc "$root"
    parallel_tree_locks "$root"
    parallel_tree_tricky "$root"
    # Every file dated alike, so that the reports are reproducible.
    find "$root" -exec touch -h -d '2020-01-02 03:04:05 UTC' {} +
    {
        (cd "$root" && find . \( -type f -o -type l -o -type d -name '*.c' \) |
            sed 's|^\./||')
        echo "locks/missing.c"
    } | LC_ALL=C sort | sed "s|^|$root/|" >"$root.files"
    # Files named twice: the second time, all they define is earlier.
    printf '%s\n' "$root/c/unit_005.c" "$root/tricky/c_uses.c" \
        "$root/cpp/geo/shape02.cpp" >>"$root.files"
}
