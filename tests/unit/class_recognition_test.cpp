// Recognising class, struct and interface definitions in real-world header
// shapes: the records they leave in the class and interface lists (name,
// kind, member counts by access section, base list) and the constructs
// that define no class at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/options.h"
#include "recognise/classes.h"
#include "test_support.h"

namespace {

enum Lang { kC, kCpp, kJava };

// One record as the table states it. Counts are public, protected,
// private.
struct Expected {
  std::string name;
  const char* kind;  // "class", "struct" or "interface"
  std::vector<int> methods;
  std::vector<int> attributes;
  int parents = 0;
  std::string inheritance = "";
  std::string template_header = "";
  int nested = 0;
};

void SetLanguage(Lang lang, Globals& G) {
  G.parse.c_file = lang == kC;
  G.parse.cpp_file = lang == kCpp;
  G.parse.java_file = lang == kJava;
}

// The class and interface records left by `lines`, classes first.
std::vector<const NodeData*> Records(CapturedRun& run) {
  std::vector<const NodeData*> found;
  for (const NodeData& r : run.G.class_list) found.push_back(&r);
  for (const NodeData& r : run.G.interface_list) found.push_back(&r);
  return found;
}

struct Row {
  const char* what;
  Lang lang;
  std::vector<std::string> lines;
  std::vector<Expected> expected;
};

void ExpectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    CapturedRun run;
    SetLanguage(row.lang, run.G);
    run.Parse(row.lines);
    ClassEndOfFile(run.G);
    const std::vector<const NodeData*> found = Records(run);
    ASSERT_EQ(found.size(), row.expected.size());
    for (size_t k = 0; k < found.size(); ++k) {
      const NodeData& r = *found[k];
      const Expected& e = row.expected[k];
      const std::string kind = r.name.rfind("Interface-", 0) == 0 ? "interface"
                               : r.is_struct                     ? "struct"
                                                                 : "class";
      EXPECT_EQ(r.name, e.name);
      EXPECT_EQ(kind, e.kind) << r.name;
      EXPECT_EQ((std::vector<int>{r.public_methods, r.protected_methods,
                                  r.private_methods}),
                e.methods)
          << r.name;
      EXPECT_EQ((std::vector<int>{r.public_attributes, r.protected_attributes,
                                  r.private_attributes}),
                e.attributes)
          << r.name;
      EXPECT_EQ(r.parents, e.parents) << r.name;
      EXPECT_EQ(r.inheritance, e.inheritance) << r.name;
      EXPECT_EQ(r.sub_name, e.template_header) << r.name;
      EXPECT_EQ(r.nested, e.nested) << r.name;
    }
  }
}

TEST(ClassRecognition, CppHeaderShapes) {
  ExpectRows({
      {"template class with a templated base",
       kCpp,
       {"template <typename T>", "class Box : public Base<T> {", "  T v;",
        "public:", "  T get() const { return v; }", "};"},
       {{"Box", "class", {1, 0, 0}, {0, 0, 1}, 1, "Base<T>", "template<T>"}}},
      {"header and base list over three lines",
       kCpp,
       {"class Derived", "    : public Base1,  // first",
        "      protected Base2 {", "  int x, y, *p;", "};"},
       {{"Derived", "class", {0, 0, 0}, {0, 0, 3}, 2, "Base1,Base2"}}},
      {"base with template arguments is one parent",
       kCpp,
       {"class Map : public std::map<int, int> {", "};"},
       {{"Map", "class", {0, 0, 0}, {0, 0, 0}, 1, "std::map<int,int>"}}},
      {"virtual inheritance",
       kCpp,
       {"struct D : virtual public A, B {};"},
       {{"D", "struct", {0, 0, 0}, {0, 0, 0}, 2, "A,B"}}},
      {"nested class and struct, inside a namespace",
       kCpp,
       {"namespace geo {", "class Outer {", "  struct Inner { int a; };",
        "  Inner i;", "  class Deep {", "    class Deeper { };", "  };",
        "};", "}"},
       {{"geo::Outer", "class", {0, 0, 0}, {0, 0, 1}},
        {"geo::Outer::Inner", "struct", {0, 0, 0}, {1, 0, 0}, 0, "", "", 1},
        {"geo::Outer::Deep", "class", {0, 0, 0}, {0, 0, 0}, 0, "", "", 1},
        {"geo::Outer::Deep::Deeper", "class", {0, 0, 0}, {0, 0, 0}, 0, "",
         "", 1}}},
      {"name on the line after the keyword",
       kCpp,
       {"class", "Late {", "};"},
       {{"Late", "class", {0, 0, 0}, {0, 0, 0}}}},
      {"forward, friend and member declarations",
       kCpp,
       {"class Fwd;", "class A {", "  friend class B;", "  friend void f(A&);",
        "  class C;", "  struct node *next;", "  A();", "  ~A();", "};"},
       {{"A", "class", {0, 0, 2}, {0, 0, 1}}}},
      {"access sections, virtual methods and operators",
       kCpp,
       {"class V {", "public:", "  virtual void f() = 0;", "  virtual ~V();",
        "  bool operator<(const V& o) const;",
        "  std::function<void(int)> callback;", "protected:", "  int p = 1;",
        "private:", "  static const int q[2];", "  int r{3};",
        "  enum Kind { kA, kB };", "  typedef int T;", "  using U = int;",
        "};"},
       {{"V", "class", {3, 0, 0}, {1, 1, 2}}}},
      {"typedef of an unnamed struct takes the typedef name",
       kC,
       {"typedef struct {", "  int x, y;", "} Point;"},
       {{"Point", "struct", {0, 0, 0}, {2, 0, 0}}}},
      {"two unnamed structs, each named by its typedef",
       kC,
       {"typedef struct {", "  int x;", "} A;", "typedef struct {",
        "  int y;", "} B;"},
       {{"A", "struct", {0, 0, 0}, {1, 0, 0}},
        {"B", "struct", {0, 0, 0}, {1, 0, 0}}}},
      {"unnamed struct member of a struct",
       kCpp,
       {"struct S {", "  struct {", "    int a;", "  } pos;", "};"},
       {{"S", "struct", {0, 0, 0}, {1, 0, 0}},
        {"S::pos", "struct", {0, 0, 0}, {1, 0, 0}, 0, "", "", 1}}},
      {"decorations before the name",
       kCpp,
       {"class LLVM_LIBRARY_VISIBILITY Foo final : public Bar {", "};",
        "struct alignas(8) Aligned {", "};", "class [[nodiscard]] Err {",
        "};", "struct __attribute__((packed)) Packed {", "};"},
       {{"Foo", "class", {0, 0, 0}, {0, 0, 0}, 1, "Bar"},
        {"Aligned", "struct", {0, 0, 0}, {0, 0, 0}},
        {"Err", "class", {0, 0, 0}, {0, 0, 0}},
        {"Packed", "struct", {0, 0, 0}, {0, 0, 0}}}},
      {"methods defined before their class is seen",
       kCpp,
       {"int A::f() { return 1; }", "class A {", "  int f();", "};"},
       {{"A", "class", {0, 0, 1}, {0, 0, 0}}}},
  });
}

TEST(ClassRecognition, JavaHeaderShapes) {
  ExpectRows({
      {"generic class in a package, nested class",
       kJava,
       {"package p;",
        "public class Box<T extends Shape> extends Base<T> implements Runnable {",
        "  private int n;", "  int m;", "  public void run() { }",
        "  static class Node { }", "}"},
       {{"p.Box", "class", {1, 0, 0}, {0, 0, 2}, 1, "Base<T>"},
        {"p.Box.Node", "class", {0, 0, 0}, {0, 0, 0}, 0, "", "", 1}}},
      {"base list on the next line",
       kJava,
       {"class Circle", "    extends Shape", "    implements Cloneable {",
        "  protected double r;", "}"},
       {{"Circle", "class", {0, 0, 0}, {0, 1, 0}, 1, "Shape"}}},
      {"anonymous class in a field is no class",
       kJava,
       {"class A {", "  Runnable r = new Runnable() {",
        "    public void run() { }", "  };", "  void f() { }", "}"},
       {{"A", "class", {0, 0, 1}, {0, 0, 1}}}},
      {"interface members are public",
       kJava,
       {"interface Shape {", "  int SIDES = 4;", "  double area();",
        "  default void draw() { }", "}"},
       {{"Interface-Shape", "interface", {2, 0, 0}, {1, 0, 0}}}},
      {"annotations, static blocks and enums",
       kJava,
       {"class U {", "  @SuppressWarnings(\"x\")", "  private int a;",
        "  static {", "    a = 1;", "  }", "  enum Color { RED, GREEN; int v; }",
        "}"},
       {{"U", "class", {0, 0, 0}, {0, 0, 1}}}},
  });
}

TEST(ClassRecognition, ConstructsThatDefineNoClass) {
  ExpectRows({
      {"enum class", kCpp, {"enum class E { A, B };"}, {}},
      {"struct as a parameter type", kC,
       {"void f(struct foo *p,", "       struct bar *q)", "{", "}"}, {}},
      {"struct as a return type", kC,
       {"struct node *next_node(void) {", "  return 0;", "}"}, {}},
      {"initialised struct variable", kC,
       {"static struct option opts[] = {", "  {0}", "};"}, {}},
      {"cast to a struct pointer in a body", kC,
       {"void g(void) {", "  p = (struct foo *)", "      q;", "  if (p) {",
        "  }", "}"},
       {}},
      {"class in comments and strings", kCpp,
       {"// class X {", "/* struct Y { */", "const char* s = \"class Z {\";"},
       {}},
      {"template parameter", kCpp,
       {"template <class T> T max(T a, T b);"}, {}},
      {"class keyword in a C file", kC, {"int class;"}, {}},
  });
}

// Measures of a class: lines of its own body, the comment block above it,
// and its member functions' complexity.
TEST(ClassRecognition, MeasuresAtTheClosingBrace) {
  CapturedRun run;
  SetLanguage(kCpp, run.G);
  run.Parse({
      "class M {",         // 1
      "  int a;",          // 2
      "",                  // 3
      "  // comment",      // 4
      "  int f(int x) {",  // 5
      "    return x && a;",
      "  }",  // 7
      "};",   // 8
      "class One { int b; };",
  });
  ASSERT_EQ(run.G.class_list.count(), 2);
  const NodeData& m = run.G.class_list.front();
  EXPECT_EQ(m.loc, 6);
  EXPECT_EQ(m.eloc, 4);
  EXPECT_EQ(m.lloc, 2);
  EXPECT_EQ(m.comments, 1);
  EXPECT_EQ(m.blanks, 1);
  EXPECT_EQ(m.lines, 7);
  EXPECT_EQ(m.cyclo, 2);  // the && of the method's body counts
  EXPECT_EQ(m.params, 1);
  EXPECT_EQ(m.returns, 1);
  EXPECT_EQ(m.ratio, 1.0f);
  EXPECT_EQ(run.G.class_list.back().lines, 1);
  EXPECT_EQ(run.G.metrics.class_count, 2);
  EXPECT_EQ(run.G.parse.class_flag, 0);
}

// A method defined in its class is named with the class, in every mode.
TEST(ClassRecognition, MethodsTakeTheClassName) {
  for (int with_functions = 0; with_functions <= 1; ++with_functions) {
    CapturedRun run;
    SetLanguage(kCpp, run.G);
    run.G.object_flag = 1;
    run.G.function_flag = with_functions;
    run.Parse({"class A {", "  void f() { }", "  class B {",
               "    int g() { return 1; }", "  };", "};",
               "class C { int h(); };"});
    if (with_functions) {
      std::vector<std::string> names;
      for (const NodeData& f : run.G.function_list) names.push_back(f.name);
      EXPECT_EQ(names, (std::vector<std::string>{"A::f", "A::B::g"}));
    }
    // A::B::g counts for B and for the class enclosing it.
    ASSERT_EQ(run.G.class_list.count(), 3);
    EXPECT_EQ(run.G.class_list.front().ratio, 2.0f);
    EXPECT_EQ(run.G.class_index.at("A::B")->ratio, 1.0f);
    EXPECT_EQ(run.G.parse.class_flag, 0);
  }
}

TEST(ClassRecognition, HostileInput) {
  {
    SCOPED_TRACE("class left open at the end of the file");
    CapturedRun run;
    SetLanguage(kCpp, run.G);
    run.Parse({"class Open {", "  int a;", "  struct In {", "    int b;"});
    ClassEndOfFile(run.G);
    EXPECT_EQ(run.G.parse.class_flag, 0);
    ASSERT_EQ(run.G.class_list.count(), 2);
    EXPECT_EQ(run.G.class_list.front().loc, 4);
    EXPECT_EQ(run.G.class_list.front().private_attributes, 1);
  }
  {
    SCOPED_TRACE("a base list of 5,000 characters over two lines");
    CapturedRun run;
    SetLanguage(kCpp, run.G);
    std::string bases;
    for (int k = 0; bases.size() < 2500; ++k) {
      bases += "public B" + std::to_string(k) + ", ";
    }
    run.Parse({"class Many :", bases, bases + "public Z {", "};"});
    ASSERT_EQ(run.G.class_list.count(), 1);
    // The text is cut at 4,095 characters before it is formatted.
    const NodeData& many = run.G.class_list.front();
    EXPECT_LE(many.inheritance.size(), 4095u);
    EXPECT_GT(many.inheritance.size(), 1000u);
    EXPECT_EQ(many.parents, CountParents(many.inheritance));
    EXPECT_GT(many.parents, 200);
  }
  {
    SCOPED_TRACE("40 levels of nesting end the run");
    CapturedRun run;
    SetLanguage(kCpp, run.G);
    std::vector<std::string> lines;
    for (int k = 0; k < 40; ++k) lines.push_back("struct S" + std::to_string(k) + " {");
    int status = 0;
    try {
      run.Parse(lines);
    } catch (const ExitRequest& e) {
      status = e.status;
    }
    EXPECT_EQ(status, -1);
    EXPECT_EQ(run.G.parse.nested_class_depth, kMaxNestedClasses);
    EXPECT_NE(run.Output().find("  Error: Max Nested Classes Reached\n"),
              std::string::npos);
  }
}

// The class notices: counted per number, whatever the report shows.
TEST(ClassRecognition, NoticesAtHeadersMembersAndClosingBraces) {
  CapturedRun run;
  SetLanguage(kCpp, run.G);
  run.G.notice_flag = 1;
  run.G.object_flag = 1;
  run.G.max_class_methods = 1;
  run.Parse({
      "class A : public B, public C {",  // 42
      "  friend class F;",               // 15
      "public:",
      "  int pub;",                      // 35
      "  virtual void f();",
      "  void g();",
      "protected:",
      "  int *prot;",                    // 36, 34
      "};",                              // 31, 16, 37, 39
      "struct S : X, Y {",               // 42 for structs too
      "  int *p;",                       // no 34 to 36 for a struct
      "};",
      "void h() {",
      "  struct L { int a; };",          // 33
      "}",
  });
  const int* count = run.G.notice_type_count;
  EXPECT_EQ(count[42], 2);
  EXPECT_EQ(count[15], 1);
  EXPECT_EQ(count[35], 1);
  EXPECT_EQ(count[36], 1);
  EXPECT_EQ(count[34], 1);
  EXPECT_EQ(count[37], 1);
  EXPECT_EQ(count[39], 1);
  EXPECT_EQ(count[33], 1);
  EXPECT_EQ(count[31], 3);
  EXPECT_GE(count[16], 1);

  // Without -o the checks at the closing brace and notice 42 stay silent.
  CapturedRun quiet;
  SetLanguage(kCpp, quiet.G);
  quiet.G.notice_flag = 1;
  quiet.Parse({"class A : B, C {", "  virtual void f();", "};"});
  EXPECT_EQ(quiet.G.notice_type_count[42], 0);
  EXPECT_EQ(quiet.G.notice_type_count[37], 0);
  EXPECT_EQ(quiet.G.notice_type_count[31], 0);
}

TEST(ClassRecognition, BaseListHelpers) {
  Globals G;
  EXPECT_EQ(FormatInheritline(" public Base1, protected Base2 {", G.parse),
            "Base1,Base2");
  EXPECT_EQ(CountParents("std::map<int,int>"), 1);
  EXPECT_EQ(CountParents("A<int>,B"), 2);
  EXPECT_EQ(CountParents(""), 0);
  EXPECT_EQ(CheckMultipleInheritance("A<int>,B"), 1);
  EXPECT_EQ(CheckMultipleInheritance("std::map<int,int>"), 0);
  G.parse.java_file = 1;
  EXPECT_EQ(FormatInheritline("extends Shape implements A, B {", G.parse),
            "Shape");
}

}  // namespace
