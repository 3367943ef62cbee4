// Building the inheritance forest from hand-filled class lists, and its
// report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lists/add_node.h"
#include "output_capture.h"
#include "test_support.h"
#include "tree/tree.h"

namespace {

struct ClassSpec {
  const char* name;
  const char* bases;  // inheritance text, "" for none
  int line;
};

void AddClasses(Globals& G, const std::vector<ClassSpec>& classes) {
  for (const ClassSpec& c : classes) {
    NodeData r;
    r.name = c.name;
    r.inheritance = c.bases;
    r.file = "f.cpp";
    r.line = c.line;
    r.parents = r.inheritance.empty() ? 0 : 1;
    for (char ch : r.inheritance) r.parents += ch == ',' ? 1 : 0;
    AddListNode(0, std::move(r), G.class_list);
  }
}

// The forest as "name/depth" in walk order, children in braces; roots
// separated by blanks.
void Describe(const TreeNode& node, std::string& out) {
  out += node.name + "/" + std::to_string(node.depth);
  if (node.children.empty()) return;
  out += "{";
  bool first = true;
  for (const auto& child : node.children) {
    if (!first) out += " ";
    first = false;
    Describe(*child, out);
  }
  out += "}";
}

std::string Forest(const InheritanceTree& tree) {
  std::string out;
  for (const auto& root : tree.roots) {
    if (!out.empty()) out += " ";
    Describe(*root, out);
  }
  return out;
}

std::string Lost(const InheritanceTree& tree) {
  std::string out;
  for (const auto& node : tree.lost) {
    if (!out.empty()) out += " ";
    out += node->name + "<" + node->parent_name;
  }
  return out;
}

struct Shape {
  const char* title;
  std::vector<ClassSpec> classes;
  const char* forest;
  const char* lost;
};

TEST(InheritanceTree, ShapesBuildTheExpectedForest) {
  const std::vector<Shape> shapes = {
      {"chain in order", {{"A", "", 1}, {"B", "A", 2}, {"C", "B", 3}},
       "A/0{B/1{C/2}}", ""},
      {"chain reversed", {{"C", "B", 3}, {"B", "A", 2}, {"A", "", 1}},
       "A/0{B/1{C/2}}", ""},
      {"diamond",
       {{"D", "B,C", 4}, {"B", "A", 2}, {"C", "A", 3}, {"A", "", 1}},
       "A/0{B/1{D/2} C/1{D/2}}", ""},
      {"three bases",
       {{"A", "", 1}, {"B", "", 2}, {"C", "", 3}, {"E", "A,B,C", 4}},
       "A/0{E/1} B/0{E/1} C/0{E/1}", ""},
      {"base defined later", {{"B", "A", 1}, {"A", "", 9}}, "A/0{B/1}", ""},
      {"base never defined", {{"D", "Missing", 1}}, "Missing/0{D/1}", ""},
      {"two-level missing base", {{"X", "Gone", 1}, {"Y", "X", 2}},
       "Gone/0{X/1{Y/2}}", ""},
      {"missing base sorting after its grandchild",
       {{"X", "Zed", 1}, {"Y", "X", 2}}, "Zed/0{X/1{Y/2}}", ""},
      {"same name in two namespaces",
       {{"N::A", "", 1},
        {"M::A", "", 2},
        {"N::B", "A", 3},
        {"M::B", "A", 4}},
       "M::A/0{M::B/1} N::A/0{N::B/1}", ""},
      {"java package",
       {{"zoo.Dog", "Animal", 2}, {"zoo.Animal", "", 1}},
       "zoo.Animal/0{zoo.Dog/1}", ""},
      {"a longer name is not the base",
       {{"N::AnimalBase", "", 1}, {"N::Animal", "", 2}, {"N::Dog", "Animal", 3}},
       "N::Animal/0{N::Dog/1} N::AnimalBase/0", ""},
      {"an enclosing qualification is searched",
       {{"X::N::A", "", 1}, {"N::B", "A", 2}}, "X::N::A/0{N::B/1}", ""},
      {"template base stays whole",
       {{"Map", "std::map<int,int>", 1}}, "std::map<int,int>/0{Map/1}", ""},
      {"cycle", {{"A", "B", 1}, {"B", "A", 2}}, "", "B<A A<B"},
      {"below a cycle", {{"A", "B", 1}, {"B", "A", 2}, {"C", "A", 3}, {"R", "", 4}},
       "R/0", "C<A B<A A<B"},
      {"a class naming itself", {{"S", "S", 1}}, "S/0", ""},
  };
  for (const Shape& shape : shapes) {
    CapturedRun c;
    AddClasses(c.G, shape.classes);
    BuildInheritanceTree(c.G);
    EXPECT_EQ(Forest(c.G.tree), shape.forest) << shape.title;
    EXPECT_EQ(Lost(c.G.tree), shape.lost) << shape.title;
    EXPECT_EQ(c.Output(), "") << shape.title;
  }
}

TEST(InheritanceTree, DepthIsParentDepthPlusOneDownTwoHundredLevels) {
  CapturedRun c;
  std::vector<std::string> names;
  for (int i = 0; i <= 200; ++i) names.push_back("L" + std::to_string(i));
  // Deepest first, so every class waits for its base.
  for (int i = 200; i >= 1; --i) {
    NodeData r;
    r.name = names[i];
    r.inheritance = names[i - 1];
    r.parents = 1;
    AddListNode(0, std::move(r), c.G.class_list);
  }
  NodeData root;
  root.name = "L0";
  AddListNode(0, std::move(root), c.G.class_list);
  BuildInheritanceTree(c.G);
  ASSERT_EQ(c.G.tree.roots.size(), 1u);
  const TreeNode* node = c.G.tree.roots.begin()->get();
  int depth = 0;
  while (!node->children.empty()) {
    node = node->children.begin()->get();
    ++depth;
    ASSERT_EQ(node->depth, depth);
    ASSERT_EQ(node->name, names[depth]);
  }
  EXPECT_EQ(depth, 200);
  EXPECT_TRUE(c.G.tree.lost.empty());
}

TEST(InheritanceTree, SecondRootOfOneNameIsRefused) {
  CapturedRun c;
  AddClasses(c.G, {{"A", "", 1}, {"A", "", 5}});
  AddClasses2Tree(c.G);
  EXPECT_EQ(c.Output(), "  Error: Duplicate Root Node: A - Inheritance \n");
  EXPECT_EQ(Forest(c.G.tree), "A/0");
}

TEST(InheritanceTree, CreatedRootHasLineZero) {
  CapturedRun c;
  AddClasses(c.G, {{"D", "Missing", 7}});
  BuildInheritanceTree(c.G);
  const TreeNode& root = **c.G.tree.roots.begin();
  EXPECT_EQ(root.line, 0);
  EXPECT_EQ((*root.children.begin())->line, 7);
}

TEST(InheritanceTree, ChildOfAWaitingClassIsCopiedToEachOfItsPlaces) {
  // P is placed under A at once and waits for Gone; Q, derived from P,
  // comes along to both places.
  CapturedRun c;
  AddClasses(c.G, {{"A", "", 1}, {"P", "A,Gone", 2}, {"Q", "P", 3}});
  BuildInheritanceTree(c.G);
  EXPECT_EQ(Forest(c.G.tree), "A/0{P/1{Q/2}} Gone/0{P/1{Q/2}}");
}

TEST(InheritanceTree, ChildOfAPlacedClassGoesUnderItsFirstPlaceOnly) {
  // Both of P's places are in the forest when Q arrives: Q goes under the
  // first P of the walk.
  CapturedRun c;
  AddClasses(c.G, {{"P", "Gone1,Gone2", 1}, {"Q", "P", 2}});
  BuildInheritanceTree(c.G);
  EXPECT_EQ(Forest(c.G.tree), "Gone1/0{P/1{Q/2}} Gone2/0{P/1}");
}

const char* const kBanner =
    "\n  --------------------------------------------------------------------"
    "----\n\n"
    "                        ~~ Class Inheritance Tree ~~\n";
const char* const kLegend =
    "\n  D - Depth where base class depth = 0\n"
    "  C - Number of direct child classes\n"
    "  P - Number of direct parents, Multiple Inheritance > 1\n";

TEST(InheritanceTreeReport, OneBaseAndOneDerivedClass) {
  CapturedRun c;
  AddClasses(c.G, {{"A", "", 1}, {"B", "A", 2}});
  BuildInheritanceTree(c.G);
  ReportInheritanceTree(c.G);
  EXPECT_EQ(c.Output(), std::string(kBanner) + kLegend +
                            "\n  + A [D0.C1]\n"
                            "    - B [D1.C0.P1]\n"
                            "\n"
                            "  Total Classes        : 2\n"
                            "  Total Base Classes   : 1\n"
                            "  Total Derived Classes: 1\n"
                            "  Derived/Based Ratio  : 1.00  \n"
                            "\n"
                            "  Maximum Depth of Inheritance: 1\n"
                            "  Average Depth of Inheritance: 0.50  \n"
                            "\n"
                            "  Maximum Number of Direct Child Classes: 1\n"
                            "  Average Number of Direct Child Classes: 0.50  \n");
}

TEST(InheritanceTreeReport, DistinctNamesCountOnceAndLostChildrenAreListed) {
  CapturedRun c;
  c.G.csv_mode = 1;
  AddClasses(c.G, {{"A", "", 1},
                   {"B", "", 2},
                   {"E", "A,B", 3},
                   {"X", "Y", 4},
                   {"Y", "X", 5}});
  BuildInheritanceTree(c.G);
  ReportInheritanceTree(c.G);
  // CSV: no banners, no lost-child list; E appears twice but is one class.
  EXPECT_EQ(c.Output(), std::string(kLegend) +
                            "\n  + A, [D0.C1]\n"
                            "    - E, [D1.C0.P2]\n"
                            "\n  + B, [D0.C1]\n"
                            "    - E, [D1.C0.P2]\n"
                            "\n"
                            "  Total Classes        : 3\n"
                            "  Total Base Classes   : 2\n"
                            "  Total Derived Classes: 1\n"
                            "  Derived/Based Ratio  : 0.50  \n"
                            "\n"
                            "  Maximum Depth of Inheritance: 1\n"
                            "  Average Depth of Inheritance: 0.67  \n"
                            "\n"
                            "  Maximum Number of Direct Child Classes: 1\n"
                            "  Average Number of Direct Child Classes: 0.67  \n");
  c.G.csv_mode = 0;
  const std::string text = Capture(c.G, ReportInheritanceTree);
  const std::string lost =
      "\n  --------------------------------------------------------------------"
      "----\n\n"
      "                 ~~ Parents Not Found - Inheritance Tree ~~\n"
      "\n"
      "  Lost Child Node: Y  Parent: X\n"
      "  Lost Child Node: X  Parent: Y\n";
  ASSERT_GE(text.size(), lost.size());
  EXPECT_EQ(text.substr(text.size() - lost.size()), lost);
}

TEST(InheritanceTreeReport, HtmlMarksDepthAndChildren) {
  CapturedRun c;
  c.G.html_flag = 1;
  AddClasses(c.G, {{"T<int>", "", 1}, {"B", "T<int>", 2}});
  BuildInheritanceTree(c.G);
  const std::string out = Capture(c.G, ReportInheritanceTree);
  EXPECT_NE(out.find("<FONT COLOR=BROWN><B>                        ~~ Class "
                     "Inheritance Tree ~~\n</B></FONT>"),
            std::string::npos);
  EXPECT_NE(out.find("\n  <B>+ <FONT COLOR=RED>T&lt;int&gt;</FONT></B> "
                     "[<FONT COLOR=BLUE>D0</FONT>.<FONT COLOR=GREEN>C1</FONT>"
                     "]<br>    <B>-</B> B [<FONT COLOR=BLUE>D1</FONT>."
                     "<FONT COLOR=GREEN>C0</FONT>.P1]<br>\n"),
            std::string::npos);
  EXPECT_NE(out.find("  <B>Total Classes        :</B> 2\n"), std::string::npos);
}

TEST(InheritanceTreeReport, NoticesForDepthAndChildrenAreCountedPerAppearance) {
  CapturedRun c;
  c.G.totals_profile = 1;  // -Tp: counted, nothing printed
  std::vector<ClassSpec> chain = {{"C0", "", 1}, {"C1", "C0", 2},
                                  {"C2", "C1", 3}, {"C3", "C2", 4},
                                  {"C4", "C3", 5}, {"C5", "C4", 6}};
  AddClasses(c.G, chain);
  std::vector<std::string> kids;
  for (int i = 0; i < 11; ++i) kids.push_back("K" + std::to_string(i));
  for (const std::string& k : kids) {
    AddClasses(c.G, {{k.c_str(), "C0", 10}});
  }
  BuildInheritanceTree(c.G);
  ReportInheritanceTree(c.G);
  EXPECT_EQ(c.Output(), "");
  EXPECT_EQ(c.G.notice_type_count[40], 1);  // C5 at depth 5 > 4
  EXPECT_EQ(c.G.notice_type_count[41], 1);  // C0 with 12 children > 10
}

TEST(InheritanceTreeReport, EmptyClassListWritesNothing) {
  CapturedRun c;
  BuildInheritanceTree(c.G);
  ReportInheritanceTree(c.G);
  EXPECT_EQ(c.Output(), "");
}

TEST(BaseNames, SplitKeepsTemplateArgumentsWhole) {
  EXPECT_EQ(SplitBases("A,B<int,char>,C"),
            (std::vector<std::string>{"A", "B<int,char>", "C"}));
  EXPECT_EQ(SplitBases(",A,,"), (std::vector<std::string>{"A"}));
  EXPECT_EQ(ClassScope("N::M::C"), "N::M::");
  EXPECT_EQ(ClassScope("zoo.Dog"), "zoo.");
  EXPECT_EQ(ClassScope("T<a::b>"), "");
}

}  // namespace
