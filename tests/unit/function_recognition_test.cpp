// Recognising function definitions in real-world header shapes: the name,
// the parameters, the return points and the cyclomatic complexity of each
// function found, and the constructs that must not open a function.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "notices/notices.h"
#include "test_support.h"

namespace {

enum Lang { kC, kCpp, kJava };

struct Found {
  std::string name;
  int params;
  int returns;
  int cyclo;
};

// The functions found in `lines` of a file in `lang`, analysed with -f
// and the settings `configure` makes.
std::vector<Found> FunctionsIn(
    Lang lang, const std::vector<std::string>& lines,
    const std::vector<std::string>& macros = {},
    const std::function<void(Globals&)>& configure = [](Globals&) {}) {
  CapturedRun run;
  run.G.function_flag = 1;
  run.G.parse.c_file = lang == kC;
  run.G.parse.cpp_file = lang == kCpp;
  run.G.parse.java_file = lang == kJava;
  for (const std::string& name : macros) run.G.macro_list.Add(name, 1);
  configure(run.G);
  run.Parse(lines);
  std::vector<Found> found;
  for (const NodeData& f : run.G.function_list) {
    found.push_back({f.name, f.params, f.returns, f.cyclo});
  }
  return found;
}

struct Row {
  const char* what;
  Lang lang;
  std::vector<std::string> lines;
  std::vector<Found> expected;
  std::vector<std::string> macros = {};
};

void ExpectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const std::vector<Found> found = FunctionsIn(row.lang, row.lines, row.macros);
    EXPECT_EQ(found.size(), row.expected.size());
    if (found.size() != row.expected.size()) continue;
    for (size_t k = 0; k < found.size(); ++k) {
      EXPECT_EQ(found[k].name, row.expected[k].name);
      EXPECT_EQ(found[k].params, row.expected[k].params);
      EXPECT_EQ(found[k].returns, row.expected[k].returns);
      EXPECT_EQ(found[k].cyclo, row.expected[k].cyclo);
    }
  }
}

TEST(FunctionRecognition, NamesFromHeaderShapes) {
  ExpectRows({
      {"brace on the next line", kC,
       {"int main(void)", "{", "  return 0;", "}"},
       {{"main", 0, 1, 1}}},
      {"name on a line of its own, list on the next", kC,
       {"static int", "count", "(char *s)", "{", "  return 0;", "}"},
       {{"count", 1, 1, 1}}},
      {"name before a line comment, list on the next line", kC,
       {"int foo // the count", "(int a)", "{", "}"},
       {{"foo", 1, 1, 1}}},
      {"function returning a function pointer", kC,
       {"void (*signal(int sig, void (*func)(int)))(int)", "{", "}"},
       {{"signal", 2, 1, 1}}},
      {"pointer result and a struct return type", kC,
       {"struct node *next_node(void)", "{", "}"},
       {{"next_node", 0, 1, 1}}},
      {"operator with its class scope", kCpp,
       {"Matrix<T>::operator  +=  (const Matrix<T>& m)", "{", "}"},
       {{"Matrix<T>::operator +=", 1, 1, 1}}},
      {"call operator", kCpp,
       {"bool Less::operator()(int a, int b) const {", "}"},
       {{"Less::operator ()", 2, 1, 1}}},
      {"destructor", kCpp, {"Box::~Box() {", "}"}, {{"Box::~Box", 0, 1, 1}}},
      {"the word operator after the list", kCpp,
       {"int f(int a) // not an operator+ definition", "{", "}"},
       {{"f", 1, 1, 1}}},
      {"constructor with an initialiser list", kCpp,
       {"A::A(int a) : x(a), y{2}, z(b(1))", "{", "}"},
       {{"A::A", 1, 1, 1}}},
      {"template function", kCpp,
       {"template <class T>", "T max(T a, T b)", "{", "  return a;", "}"},
       {{"max", 2, 1, 1}}},
      {"inside a namespace", kCpp,
       {"namespace geo {", "int area(int w, int h) {", "}", "}"},
       {{"geo::area", 2, 1, 1}}},
      {"method of a Java class in a package", kJava,
       {"package a.b;", "class Box {", "  @Deprecated(since = \"9\")",
        "  public int size() {", "    return n;", "  }", "}"},
       {{"a.b.Box.size", 0, 1, 1}}},
      {"native Java method whose throws clause ends on the next line", kJava,
       {"class F {", "  private native void open0(String n)",
        "      throws FileNotFoundException;",
        "  private void open(String n, boolean a)",
        "      throws FileNotFoundException {", "    open0(n);", "  }", "}"},
       {{"F.open", 2, 1, 1}}},
      {"old-style parameter declarations", kC,
       {"int knr(a, s)", "int a;", "char *s;", "{", "  return a;", "}"},
       {{"knr", 2, 1, 1}}},
      {"decoration from the macro file", kCpp,
       {"afx_msg void OnPaint()", "{", "}"},
       {{"OnPaint", 0, 1, 1}},
       {"afx_msg"}},
      {"attribute named in the macro file", kC,
       {"__attribute__((nonnull(1)))", "static int f(int *p)", "{", "}"},
       {{"f", 1, 1, 1}},
       {"__attribute__"}},
  });
}

TEST(FunctionRecognition, ConstructsThatNameNoFunction) {
  ExpectRows({
      {"control statements at file level", kC,
       {"if (a)", "{", "}", "while(x)", "{", "}"},
       {}},
      {"a macro from the macro file, invoked", kCpp,
       {"DECLARE_MESSAGE_MAP()", "void f(void)", "{", "}"},
       {{"f", 0, 1, 1}},
       {"DECLARE_MESSAGE_MAP"}},
      {"a #define name invoked where a body follows", kC,
       {"#define helper(x) 0", "int helper(int x)", "{", "}"},
       {}},
      {"prototypes", kC,
       {"int g(int a);", "static void h(void)", "\t__attribute__((noreturn));",
        "int k(int b)", "{", "}"},
       {{"k", 1, 1, 1}}},
      {"macro call without ';' before an initialised table", kC,
       {"DEFINE_IDS(ids, 3)", "static const int t[] = {", "  f(1), 2", "};",
        "int m(void)", "{", "}"},
       {{"m", 0, 1, 1}}},
      {"function-like macro definition", kC,
       {"#define MAX(a, b) ((a) > (b) ? (a) : (b))"},
       {}},
      {"extern \"C\" block", kCpp,
       {"extern \"C\" {", "int f(void)", "{", "}", "}"},
       {{"f", 0, 1, 1}}},
      {"assignment in a directive before a function", kC,
       {"#define SET(x) (x) = 0", "int n(void)", "{", "}"},
       {{"n", 0, 1, 1}}},
      {"static initialiser block, then a method", kJava,
       {"class U {", "  static {", "    try {", "      init(1);",
        "    } catch (Exception e) {", "      fail(e);", "    }", "  }",
        "  int size() {", "    return n;", "  }", "}"},
       {{"U.size", 0, 1, 1}}},
      {"static initialiser block opening on the next line", kJava,
       {"class U {", "  static // tables", "  {",
        "    if (x) { load(); }", "  }", "  void run() { }", "}"},
       {{"U.run", 0, 1, 1}}},
      {"static initialiser block holding an anonymous class", kJava,
       {"class U {", "  static { r = new R() { public void go() { } }; }",
        "  void stop() { }", "}"},
       {{"U.stop", 0, 1, 1}}},
  });
}

// The '(' of decltype, sizeof, noexcept and GNU attributes holds no
// parameter list: the name is the one before the list itself; braces and
// commas in an initialiser or a trailing return type keep the header open.
TEST(FunctionRecognition, HeadersHoldingOperandsAndTrailingTypes) {
  ExpectRows({
      {"decltype result over two lines before the name", kCpp,
       {"template <class Obj, class MemFun, class... Args>",
        "static decltype((std::declval<Obj>().*",
        "                 std::declval<MemFun>())(std::declval<Args>()...))",
        "Invoke(MemFun&& f, Obj&& obj, Args&&... args) {", "  return 1;",
        "}"},
       {{"Invoke", 3, 1, 1}}},
      {"decltype result before a call operator", kCpp,
       {"decltype(std::declval<F>()(std::declval<T>())) operator()(",
        "    Args&&... args) const {", "}"},
       {{"operator ()", 1, 1, 1}}},
      {"pack size in the template arguments of the result", kCpp,
       {"static constexpr PartialType<sizeof...(Sizes)> Partial(Sizes&&... s) {",
        "  return {};", "}"},
       {{"Partial", 1, 1, 1}}},
      {"a struct whose base is a decltype", kCpp,
       {"struct IsList", "    : decltype(Dispatch(static_cast<T*>(nullptr))) {};",
        "int after(int a) {", "  return a;", "}"},
       {{"after", 1, 1, 1}}},
      {"GNU attributes before the name, no macro file", kC,
       {"__attribute__((noinline))", "int g(void) { return 2; }",
        "static inline __attribute__((always_inline)) int f(int a) {", "}",
        "int h(void) __attribute__((cold));", "int k(int a, int b) { }"},
       {{"g", 0, 1, 1}, {"f", 1, 1, 1}, {"k", 2, 1, 1}}},
      {"comma in the template arguments of a trailing return type", kCpp,
       {"static auto Hash(H state, const T& value) -> enable_if_t<",
        "    is_convertible<decltype(hash<T>()(value)),",
        "        size_t>::value,", "    H> {", "  return state;", "}"},
       {{"Hash", 2, 1, 1}}},
      {"braced initialisers holding braces inside parentheses", kCpp,
       {"constexpr uint128::uint128(__int128 v)",
        "    : lo_{static_cast<uint64_t>(v & ~uint64_t{0})},",
        "      hi_{static_cast<uint64_t>(v >> 64)} {}",
        "int after(int a) { return a; }"},
       {{"uint128::uint128", 1, 1, 1}, {"after", 1, 1, 1}}},
      {"parenthesised template argument in the result", kCpp,
       {"template <unsigned N>",
        "constexpr inline std::enable_if_t<(N < 64), bool> isUInt(uint64_t X) {",
        "  return N >= 64 || X < (UINT64_C(1) << N);", "}"},
       {{"isUInt", 1, 1, 2}}},
      {"a list of calls at file level still opens nothing", kC,
       {"f(1), g(2);", "int m(void) { }"},
       {{"m", 0, 1, 1}}},
  });
}

TEST(FunctionRecognition, CountsParameters) {
  ExpectRows({
      {"nested call in the list", kC,
       {"int f(a, g(b, c), d)", "{", "}"},
       {{"f", 3, 1, 1}}},
      {"template argument with a comma", kCpp,
       {"void f(std::map<int, int> m)", "{", "}"},
       {{"f", 1, 1, 1}}},
      {"empty, void and variadic lists", kC,
       {"void a()", "{", "}", "void b(void)", "{", "}", "void c(...)", "{", "}",
        "void d(int n, ...)", "{", "}"},
       {{"a", 0, 1, 1}, {"b", 0, 1, 1}, {"c", 0, 1, 1}, {"d", 2, 1, 1}}},
      {"a void pointer is a parameter", kC,
       {"void e(void *p, int n)", "{", "}"},
       {{"e", 2, 1, 1}}},
      {"list spread over lines", kC,
       {"static int spread(", "    int a,", "    int b)", "{", "}"},
       {{"spread", 2, 1, 1}}},
  });
}

TEST(FunctionRecognition, CountsReturnPointsAndDecisions) {
  ExpectRows({
      {"return, exit and abort", kC,
       {"int r(int a)", "{", "  if (a) return 1;", "  if (a > 1) exit(2);",
        "  abort();", "}"},
       {{"r", 1, 3, 3}}},
      {"goto is a decision and a return point", kC,
       {"void g(void)", "{", "  goto out;", "out:", "  return;", "}"},
       {{"g", 0, 2, 2}}},
      {"'||' and '&&' each add one", kC,
       {"int l(int a, int b, int c)", "{", "  return a || b && c;", "}"},
       {{"l", 3, 1, 3}}},
      {"case, ?: and while", kC,
       {"int s(int a)", "{", "  switch (a) {", "  case 1: a = a ? 2 : 3; break;",
        "  default: break;", "  }", "  while (a--) { }", "  return a;", "}"},
       {{"s", 1, 1, 4}}},
  });
}

TEST(FunctionRecognition, ForLoopsCountWhenConfigured) {
  const std::vector<std::string> lines = {
      "void f(int n)", "{", "  for (;;) {", "    if (n) break;", "  }", "}"};
  for (int counts_for : {1, 0}) {
    const std::vector<Found> found = FunctionsIn(
        kC, lines, {}, [&](Globals& g) { g.cyclo_counts_for = counts_for; });
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].cyclo, counts_for ? 3 : 2);
  }
}

TEST(FunctionRecognition, GotoIsAReturnPointOnlyWhenConfigured) {
  const std::vector<Found> found =
      FunctionsIn(kC, {"void g(void)", "{", "  goto out;", "out:", "  return;",
                       "}"},
                  {}, [](Globals& g) { g.goto_is_return = 0; });
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].returns, 1);
  EXPECT_EQ(found[0].cyclo, 2);
}

TEST(FunctionRecognition, BodiesWithUnbalancedConditionalCodeStillEnd) {
  // Both branches of the #if are counted: one '(' stays open, yet the
  // function ends at its brace and the next one is found.
  ExpectRows({
      {"parenthesis left open by #if branches", kC,
       {"int f(void)", "{", "#ifdef A", "  g(", "#else", "  h(", "#endif",
        "    1);", "  return 0;", "}", "int k(void)", "{", "}"},
       {{"f", 0, 1, 1}, {"k", 0, 1, 1}}},
  });
}

TEST(FunctionRecognition, TemplateHeaderIsKeptWithTheRecord) {
  CapturedRun run;
  run.G.function_flag = 1;
  run.G.parse.cpp_file = 1;
  run.Parse({"template <class T, typename U>", "T pick(T a, U b)", "{", "}",
             "int plain(void)", "{", "}"});
  ASSERT_EQ(run.G.function_list.count(), 2);
  EXPECT_EQ(run.G.function_list.front().sub_name, "template<T,U>");
  EXPECT_EQ(run.G.function_list.back().sub_name, "");
}

TEST(FunctionRecognition, ATemplateDefinedOnOneLineIsAFunction) {
  CapturedRun run;
  run.G.function_flag = 1;
  run.G.parse.cpp_file = 1;
  run.Parse({"template <class T> T max(T a, T b) { return a > b ? a : b; }",
             "template <class T> T min(T a, T b);"});
  ASSERT_EQ(run.G.function_list.count(), 1);
  EXPECT_EQ(run.G.function_list.front().name, "max");
  EXPECT_EQ(run.G.function_list.front().sub_name, "template<T>");
  // The declaration on the second line is no template header.
  EXPECT_EQ(run.G.metrics.template_count, 1);
}

TEST(FunctionRecognition, AFileEndingInAMacroCallOpensNoFunction) {
  for (const std::vector<std::string>& lines :
       {std::vector<std::string>{"int x;", "DECLARE_MODULE(x)"},
        std::vector<std::string>{"int x;", "DECLARE_MODULE(x, y)", ""},
        std::vector<std::string>{"int f(void)", "{", "  return 0;", "}",
                                 "EXPORT_SYMBOL(f)"}}) {
    CapturedRun run;
    run.G.function_flag = 1;
    run.G.notice_flag = 1;
    run.G.parse.c_file = 1;
    run.Parse(lines);
    EXPECT_FALSE(Check_Hanging(run.G)) << lines[1];
    EXPECT_EQ(run.Output().find("local function scope remains open"),
              std::string::npos)
        << lines[1];
    for (const NodeData& f : run.G.function_list) {
      EXPECT_EQ(f.name, "f") << lines[1];
    }
  }
}

TEST(FunctionRecognition, LogicalOperatorsOutsideABodyAddNoComplexity) {
  // At depth 0 (an initialiser, or after a stray closing brace) and in a
  // class body, && and || belong to no function: a function still open or
  // opened next must not collect them.
  for (const std::vector<std::string>& lines :
       {std::vector<std::string>{"int v = A && B || C;"},
        std::vector<std::string>{"int f(int a)", "{", "  return a;", "}", "}",
                                 "int w = A && B;"},
        std::vector<std::string>{"class K {", "  bool b = x && y || z;"}}) {
    CapturedRun run;
    run.G.function_flag = 1;
    run.G.parse.cpp_file = 1;
    run.Parse(lines);
    EXPECT_EQ(run.G.parse.func_and_count, 0) << lines.back();
    EXPECT_EQ(run.G.parse.func_or_count, 0) << lines.back();
  }
  CapturedRun run;
  run.G.function_flag = 1;
  run.Parse({"int v = A && B || C;", "int f(int a)", "{", "  return a && 1;",
             "}"});
  ASSERT_EQ(run.G.function_list.count(), 1);
  EXPECT_EQ(run.G.function_list.front().cyclo, 2);
}

}  // namespace
