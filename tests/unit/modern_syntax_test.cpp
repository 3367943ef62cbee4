// C++ and Java constructs of today's code: raw string literals, digit
// separators, text blocks, generic wildcards, attributes, namespace
// aliases and nested names, one-line old-style declarations, functions
// written one after another on a line. Each row gives the source lines
// and what the analysis must find: the functions with their cyclomatic
// complexity, the classes (interfaces as "Interface-" + name) with their
// attribute and method totals, the literal strings and the '?' notices.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/literal_forms.h"
#include "test_support.h"

namespace {

enum Lang { kC, kCpp, kJava };

struct Function {
  std::string name;
  int cyclo;
};

struct Row {
  const char* what;
  Lang lang;
  std::vector<std::string> lines;
  std::vector<Function> functions;
  int strings;
  int ternary_notices = 0;
  // "name attributes/methods"; not compared when empty.
  std::vector<std::string> classes = {};
};

// The classes, then the interfaces, as "name attributes/methods".
std::vector<std::string> ClassesOf(const Globals& G) {
  std::vector<std::string> found;
  for (const auto* list : {&G.class_list, &G.interface_list}) {
    for (const NodeData& c : *list) {
      found.push_back(c.name + " " +
                      std::to_string(c.public_attributes +
                                     c.protected_attributes +
                                     c.private_attributes) +
                      "/" +
                      std::to_string(c.public_methods + c.protected_methods +
                                     c.private_methods));
    }
  }
  return found;
}

void Prepare(CapturedRun& run, Lang lang) {
  run.G.function_flag = 1;
  run.G.notice_enabled[23] = 1;
  run.G.parse.c_file = lang == kC;
  run.G.parse.cpp_file = lang == kCpp;
  run.G.parse.java_file = lang == kJava;
}

void ExpectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    CapturedRun run;
    Prepare(run, row.lang);
    run.Parse(row.lines);
    std::vector<std::string> names;
    std::vector<int> cyclo;
    for (const NodeData& f : run.G.function_list) {
      names.push_back(f.name);
      cyclo.push_back(f.cyclo);
    }
    std::vector<std::string> expected_names;
    std::vector<int> expected_cyclo;
    for (const Function& f : row.functions) {
      expected_names.push_back(f.name);
      expected_cyclo.push_back(f.cyclo);
    }
    EXPECT_EQ(names, expected_names);
    EXPECT_EQ(cyclo, expected_cyclo);
    EXPECT_EQ(run.G.metrics.string_count, row.strings);
    EXPECT_EQ(run.G.notice_type_count[23], row.ternary_notices);
    EXPECT_EQ(run.G.parse.in_string, 0);
    EXPECT_EQ(run.G.parse.in_char, 0);
    if (!row.classes.empty()) {
      EXPECT_EQ(ClassesOf(run.G), row.classes);
    }
  }
}

TEST(ModernSyntax, RawStringLiterals) {
  ExpectRows({
      {"quote and brace inside, functions after it", kCpp,
       {"int a() { const char* s = R\"(text with \" quote and { brace)\"; "
        "return 1; }",
        "int b() { return 2; }", "int c() { return 3; }"},
       {{"a", 1}, {"b", 1}, {"c", 1}},
       1},
      {"across lines, holding )\", */, // and a newline", kCpp,
       {"int a() {", "  const char* s = R\"xy(a )\" b /* c", "d */ e // f",
        "g { h )xy\";", "  return x ? 1 : 2;", "}",
        "int b() { return 2; }"},
       {{"a", 2}, {"b", 1}},
       1,
       1},
      {"every prefix, one literal each", kCpp,
       {"const char* p[] = { R\"(x)\", LR\"(x)\", uR\"(x)\", UR\"(x)\", "
        "u8R\"(x)\" };",
        "int f() { return 0; }"},
       {{"f", 1}},
       5},
      {"a delimiter of 16 characters; ')\"' alone does not close", kCpp,
       {"auto s = R\"0123456789abcdef(one)\" two",
        "three)0123456789abcdef\";", "int g() { return x ? 1 : 2; }"},
       {{"g", 2}},
       1,
       1},
      {"a name ending in R is no prefix", kCpp,
       {"auto s = MYR\"(\";", "int h() { return 0; }"},
       {{"h", 1}},
       1},
      {"an empty raw string", kCpp,
       {"int e() { return R\"()\" == 0; }"}, {{"e", 1}}, 1},
  });
}

TEST(ModernSyntax, DigitSeparators) {
  ExpectRows({
      {"odd and even numbers of separators, hexadecimal, binary", kCpp,
       {"int d() {", "  long m = 1'000;", "  long n = 1'000'000;",
        "  int h = 0xFF'FF, b = 0b1010'0101;", "  double x = 1'000.5e1'0;",
        "  if (n > 0 && h) return 1;", "  return 0;", "}",
        "int e() { return 0; }"},
       {{"d", 3}, {"e", 1}},
       0},
      {"a character literal of a quote next to a separator", kCpp,
       {"int q(char c) { return c == '\\'' ? 1'0 : 2'0; }",
        "int r() { return 0; }"},
       {{"q", 2}, {"r", 1}},
       0,
       1},
      {"prefixed character literals stay literals", kCpp,
       {"int p() { return u8'a' + L'b' + u'c' + U'd'; }",
        "int s() { return 0; }"},
       {{"p", 1}, {"s", 1}},
       0},
  });
}

TEST(ModernSyntax, JavaTextBlocksAndWildcards) {
  ExpectRows({
      {"text block holding an escaped \"\"\" and a brace", kJava,
       {"class T {", "  String a() { return \"\"\"",
        "      a \"quoted\" { brace",
        "      escaped \\\"\"\" still inside", "      \"\"\"; }",
        "  int b() { return 0; }", "}"},
       {{"T.a", 1}, {"T.b", 1}},
       1,
       0,
       {"T 0/2"}},
      {"an empty string is no text block", kJava,
       {"class T {", "  String e() { return \"\" + \"x\"; }", "}"},
       {{"T.e", 1}},
       2},
      {"wildcards are no decisions", kJava,
       {"class W {",
        "  int b(List<? extends Number> xs, Class<?> c, Map<String, ? super "
        "V> m) {",
        "    return xs == null ? 1 : 2;", "  }",
        "  Map<?, ?> m() { return null; }", "}"},
       {{"W.b", 2}, {"W.m", 1}},
       0,
       1},
  });
}

TEST(ModernSyntax, JavaRecordsSealedClassesAndAnnotationTypes) {
  ExpectRows({
      {"a record with a compact constructor and a nested record", kJava,
       {"record Point(int x, @Min(0) int y) implements Comparable<Point> {",
        "  public Point {",
        "    if (x < 0) throw new IllegalArgumentException();",
        "  }", "  int sum() { return x + y; }",
        "  record Inner<A, B>(A a, B b) { }",
        "  public int compareTo(Point o) { return 0; }", "}"},
       {{"Point.sum", 1}, {"Point.compareTo", 1}},
       0,
       0,
       {"Point 2/3", "Point.Inner 2/0"}},
      {"a record header over two lines, no components", kJava,
       {"record Pair<K, V>(K key,", "    V value) {}", "record Empty() {}",
        "class C { int f() { return 0; } }"},
       {{"C.f", 1}},
       0,
       0,
       {"Pair 2/0", "Empty 0/0", "C 0/1"}},
      {"the word record as a name", kJava,
       {"class Use {", "  Record record = null;",
        "  void record(int r) { record = null; }", "}"},
       {{"Use.record", 1}},
       0,
       0,
       {"Use 1/1"}},
      {"sealed, non-sealed and permits", kJava,
       {"sealed interface Shape permits Circle, Square { }",
        "abstract sealed class Base extends Object permits Circle { }",
        "final class Circle extends Base implements Shape { }",
        "non-sealed class Square implements Shape {",
        "  int side() { return 1; } }"},
       {{"Square.side", 1}},
       0,
       0,
       {"Base 0/0", "Circle 0/0", "Square 0/1", "Interface-Shape 0/0"}},
      {"an annotation type is an interface", kJava,
       {"@interface Marker {", "  String value() default \"\";", "}",
        "@Marker class M { }"},
       {},
       1,
       0,
       {"M 0/0", "Interface-Marker 0/1"}},
  });
}

TEST(ModernSyntax, SealedClassBasesLeaveOutPermittedClasses) {
  CapturedRun run;
  Prepare(run, kJava);
  run.Parse({"abstract sealed class Base extends Object permits A, B { }"});
  ASSERT_EQ(run.G.class_list.count(), 1);
  EXPECT_EQ(run.G.class_list.begin()->inheritance, "Object");
}

TEST(ModernSyntax, NamespacesAndAttributes) {
  ExpectRows({
      {"an alias opens nothing", kCpp,
       {"namespace fs = std::filesystem;", "int f() { return 0; }"},
       {{"f", 1}},
       0},
      {"an attribute before the name", kCpp,
       {"namespace [[deprecated]] ns {", "int f() { return 0; }", "}",
        "int g() { return 0; }"},
       {{"ns::f", 1}, {"g", 1}},
       0},
      {"inline namespace", kCpp,
       {"inline namespace v1 {", "int f() { return 0; }", "}"},
       {{"v1::f", 1}},
       0},
      {"nested namespace definitions", kCpp,
       {"namespace a::b {", "int f() { return 0; }",
        "int a::b::g() { return 0; }", "}", "namespace x::inline y {",
        "int h() { return 0; }", "}"},
       {{"a::b::f", 1}, {"a::b::g", 1}, {"x::y::h", 1}},
       0},
      {"attributes in function and struct headers", kCpp,
       {"[[nodiscard]] int f() { return 0; }",
        "[[deprecated(\"use g\")]] int f2(int a) { return a; }",
        "struct alignas(16) V { float v[4]; };",
        "alignas(8) static char buffer[64];", "int g() { return 0; }"},
       {{"f", 1}, {"f2", 1}, {"g", 1}},
       1},
  });
}

TEST(ModernSyntax, FunctionsOnOneLine) {
  ExpectRows({
      {"one after another", kC,
       {"f(){}g(){}", "int x;h(void){return 0;}"},
       {{"f", 1}, {"g", 1}, {"h", 1}},
       0},
      {"old-style declarations on the header's line", kC,
       {"int fun(a, b) int a; char *b; { if (a) return 1; return 0; }",
        "int arr(s) char s[]; { return 0; }"},
       {{"fun", 2}, {"arr", 1}},
       0},
      {"a prototype and a declaration stay no function", kC,
       {"int f(int); int x;", "int f(a); int a;", "void p(void) __THROW __wur;",
        "int k(void) { return 0; }"},
       {{"k", 1}},
       0},
  });
}

TEST(ModernSyntax, InlineNamespaceMarksNoInlineFunction) {
  CapturedRun run;
  Prepare(run, kCpp);
  run.Parse({"inline namespace v1 {", "int f() { return 0; }", "}"});
  EXPECT_EQ(run.G.metrics.inline_count, 1);
  EXPECT_EQ(run.Output().find("Inline Function"), std::string::npos);
}

TEST(LiteralForms, RawStringDelimiters) {
  std::string delimiter;
  int paren = 0;
  const char* ok = "R\"0123456789abcdef(x)0123456789abcdef\"";
  EXPECT_TRUE(OpensRawString(ok, 1, delimiter, paren));
  EXPECT_EQ(delimiter, "0123456789abcdef");
  EXPECT_EQ(paren, 18);
  // Longer than 16 characters, or holding a blank or a backslash: an
  // ordinary string.
  EXPECT_FALSE(
      OpensRawString("R\"0123456789abcdefg(x)\"", 1, delimiter, paren));
  EXPECT_FALSE(OpensRawString("R\"a b(x)\"", 1, delimiter, paren));
  EXPECT_FALSE(OpensRawString("R\"a\\(x)\"", 1, delimiter, paren));
  EXPECT_FALSE(OpensRawString("R\"abc", 1, delimiter, paren));
  // The closing ')' must come after the opening '('.
  EXPECT_FALSE(ClosesRawString("R\"x)x\"", 4, "x", 3));
  EXPECT_TRUE(ClosesRawString("R\"()\"", 4, "", 2));
  EXPECT_TRUE(ClosesRawString("abc)x\"", 5, "x", -1));
}

}  // namespace
