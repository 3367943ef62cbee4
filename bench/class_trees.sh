# Sourced by the class benchmarks: prepares the real C++ and Java trees
# they measure, installing the Debian packages that hold them when missing.
#
#   C++:  llvm/ADT, llvm/Support and llvm/IR of llvm-14-dev, and the
#         googletest and googlemock sources of googletest
#   Java: java.util, java.lang and javax.swing of openjdk-17-source
#
# After `class_trees_prepare DIR`, DIR/cpp.files and DIR/java.files list
# the files (sorted, one a line); the Java sources are unpacked under DIR.

class_trees_install() {
    local missing=()
    for pkg in llvm-14-dev googletest openjdk-17-source; do
        dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing ${missing[*]}" >&2
    apt-get update -qq && apt-get install -y -qq "${missing[@]}" >&2
}

class_trees_prepare() {
    local dir=$1
    class_trees_install || { echo "class_trees: packages missing" >&2; return 1; }
    local llvm=/usr/include/llvm-14/llvm
    find "$llvm/ADT" "$llvm/Support" "$llvm/IR" /usr/src/googletest \
        -type f \( -name '*.h' -o -name '*.cc' \) | LC_ALL=C sort >"$dir/cpp.files"
    local zip
    zip=$(ls /usr/lib/jvm/*17*/lib/src.zip 2>/dev/null | head -1)
    [ -n "$zip" ] || { echo "class_trees: no JDK 17 src.zip" >&2; return 1; }
    (cd "$dir" && unzip -q -o "$zip" 'java.base/java/util/*' \
        'java.base/java/lang/*' 'java.desktop/javax/swing/*')
    find "$dir/java.base/java/util" "$dir/java.base/java/lang" \
        "$dir/java.desktop/javax/swing" -type f -name '*.java' |
        LC_ALL=C sort >"$dir/java.files"
}
