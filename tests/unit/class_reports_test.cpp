// The project class/struct and interface reports: the listed records, the
// statistics, the CSV rows and the order of the sections. Records are
// filled by hand as the class recogniser fills them.
#include <gtest/gtest.h>

#include <string>

#include "lists/add_node.h"
#include "reports/class_reports.h"
#include "reports/framing.h"
#include "reports/function_reports.h"
#include "reports/summaries.h"
#include "test_support.h"

namespace {

const std::string kBanner = "\n  " + std::string(72, '-') + "\n\n";
const std::string kSeparator =
    "         ------     -----     -----     ------     ------     -----       "
    "\n";

struct Measures {
  int loc = 0, eloc = 0, lloc = 0, comments = 0, blanks = 0, lines = 0;
  int params = 0, returns = 0, cyclo = 0;
  float member_functions = 0;
  int pub_m = 0, prot_m = 0, priv_m = 0;
  int pub_a = 0, prot_a = 0, priv_a = 0;
  int nested = 0, is_struct = 0;
  const char* sub_name = "";
  const char* inheritance = "";
};

void AddClass(Llist<NodeData>& list, const char* name, const Measures& m) {
  NodeData r;
  r.name = name;
  r.inheritance = m.inheritance;
  r.sub_name = m.sub_name;
  r.file = "a.cpp";
  r.loc = m.loc;
  r.eloc = m.eloc;
  r.lloc = m.lloc;
  r.comments = m.comments;
  r.blanks = m.blanks;
  r.lines = m.lines;
  r.params = m.params;
  r.returns = m.returns;
  r.cyclo = m.cyclo;
  r.ratio = m.member_functions;
  r.public_methods = m.pub_m;
  r.protected_methods = m.prot_m;
  r.private_methods = m.priv_m;
  r.public_attributes = m.pub_a;
  r.protected_attributes = m.prot_a;
  r.private_attributes = m.priv_a;
  r.nested = m.nested;
  r.is_struct = m.is_struct;
  ASSERT_EQ(AddListNode(0, r, list), 1);
}

// A top-level class and a struct with a template header.
void AddShapeAndPoint(Globals& G) {
  AddClass(G.class_list, "Shape",
           {.loc = 12, .eloc = 10, .lloc = 4, .comments = 3, .blanks = 1,
            .lines = 16, .params = 1, .returns = 1, .cyclo = 2,
            .member_functions = 2, .pub_m = 2, .prot_a = 1, .priv_a = 1});
  AddClass(G.class_list, "Point",
           {.loc = 4, .eloc = 2, .lloc = 2, .lines = 4, .pub_a = 2,
            .is_struct = 1, .sub_name = "template <class T>"});
}

// A class with a nested class inside it; the outer one has more member
// functions than declared methods.
void AddOuterAndInner(Globals& G) {
  G.nested_seen = 1;
  AddClass(G.class_list, "Outer",
           {.loc = 30, .eloc = 20, .lloc = 10, .lines = 34,
            .member_functions = 6, .pub_m = 3, .priv_a = 2});
  AddClass(G.class_list, "Outer::Inner",
           {.loc = 8, .eloc = 6, .lloc = 3, .lines = 8,
            .member_functions = 1, .pub_m = 1, .pub_a = 1, .nested = 1});
}

// What `show` writes, after whatever was written before.
std::string Written(CapturedRun& c, void (*show)(Globals&)) {
  const size_t before = c.Output().size();
  show(c.G);
  return c.Output().substr(before);
}

void UseCsv(Globals& G) { G.csv_mode = G.automated_mode = 1; }

// The text between the first occurrence of `from` and that of `to`.
std::string Between(const std::string& text, const std::string& from,
                    const std::string& to) {
  const size_t a = text.find(from);
  const size_t b = text.find(to, a);
  if (a == std::string::npos || b == std::string::npos) return "<missing>";
  return text.substr(a, b - a);
}

TEST(ClassSection, TextListsEachRecordThenTheTotals) {
  CapturedRun c;
  AddShapeAndPoint(c.G);
  ShowProjectClassSummary(c.G);
  const std::string out = c.Output();
  EXPECT_EQ(
      out.substr(0, out.find("  Total Classes/Structs")),
      kBanner + std::string(21, ' ') +
          "~~ Project Class/Struct Metrics ~~\n" + std::string(31, ' ') +
          "No Sort Method\n"
          "\n"
          "  Class: Shape\n"
          "  Attributes   Publ 0        Prot 1        Private 1        "
          "Total        2\n"
          "  Methods      Publ 2        Prot 0        Private 0        "
          "Total        2\n"
          "  LOC 12       eLOC 10       lLOC 4        Comment 3        "
          "Lines       16\n"
          "\n"
          "  Struct: Point\n"
          "          template <class T>\n"
          "  Attributes   Publ 2        Prot 0        Private 0        "
          "Total        2\n"
          "  Methods      Publ 0        Prot 0        Private 0        "
          "Total        0\n"
          "  LOC 4        eLOC 2        lLOC 2        Comment 0        "
          "Lines        4\n"
          "\n"
          "  Total: All Classes/Structs\n"
          "  Attributes   Publ 2        Prot 1        Private 1        "
          "Total        4\n"
          "  Methods      Publ 2        Prot 0        Private 0        "
          "Total        2\n"
          "  LOC 16       eLOC 12       lLOC 6        Comment 3        "
          "Lines       20\n" +
          kBanner + std::string(21, ' ') +
          "~~ Project Class/Struct Analysis ~~\n"
          "\n");
  EXPECT_NE(out.find("  Total Classes/Structs .:          2"
                     "  Total Methods .........:          2\n"),
            std::string::npos);
}

TEST(ClassSection, NestedClassesSwitchToParentWordingAndStayOutOfTheSums) {
  CapturedRun c;
  AddOuterAndInner(c.G);
  ShowProjectClassSummary(c.G);
  const std::string out = c.Output();
  EXPECT_EQ(Between(out, "~~ Project Class/Struct Metrics", "  Class:"),
            "~~ Project Class/Struct Metrics ~~\n" + std::string(16, ' ') +
                "Parent LOC Metrics Include Nested LOC Metrics\n" +
                std::string(31, ' ') + "No Sort Method\n\n");
  EXPECT_NE(out.find("\n  Class: Outer\n"), std::string::npos);
  EXPECT_NE(out.find("\n  Nested Class: Outer::Inner\n"), std::string::npos);
  // The sums hold the parent alone: it already contains the nested lines.
  EXPECT_EQ(Between(out, "  Total: All", "\n  ---"),
            "  Total: All Parent Classes/Structs\n"
            "  Attributes   Publ 0        Prot 0        Private 2        "
            "Total        2\n"
            "  Methods      Publ 3        Prot 0        Private 0        "
            "Total        3\n"
            "  LOC 30       eLOC 20       lLOC 10       Comment 0        "
            "Lines       34\n");
  // The nested class counts in the record count, the divisor of the
  // averages and the extremes. "Total Methods" is the larger of the member
  // functions (6) and the declared methods (3); "Avg Methods" divides it.
  EXPECT_EQ(Between(out, "  Total Classes/Structs", "  Total Protected"),
            "  Total Classes/Structs .:          2\n"
            "  Total Nested Classes ..:          1"
            "  Total Methods .........:          6\n"
            "  Total Public Methods ..:          3"
            "  Total Public Attributes:          0\n");
  EXPECT_EQ(Between(out, "  Avg Physical", "  Avg Public"),
            "  Avg Physical Lines ....:      17.00"
            "  Avg Methods ...........:       3.00\n");
  EXPECT_EQ(Between(out, "  Max Physical", "  Max Public"),
            "  Max Physical Lines ....:         34"
            "  Max Methods ...........:          3\n");
  EXPECT_EQ(Between(out, "  Min Physical", "  Min Public"),
            "  Min Physical Lines ....:          8"
            "  Min Methods ...........:          1\n");
}

TEST(ClassSection, NothingForAnEmptyList) {
  CapturedRun c;
  ShowProjectClassSummary(c.G);
  ShowProjectInterSummary(c.G);
  UseCsv(c.G);
  ShowProjectClassSummary(c.G);
  EXPECT_EQ(c.Output(), "");
}

TEST(ClassSection, ListingLeftOutKeepsTheStatistics) {
  CapturedRun c;
  AddShapeAndPoint(c.G);
  c.G.totals_no_listing = 1;
  ShowProjectClassSummary(c.G);
  const std::string out = c.Output();
  EXPECT_EQ(out.find("  Class: Shape"), std::string::npos);
  EXPECT_NE(out.find("  Total: All Classes/Structs\n"), std::string::npos);
}

TEST(ClassDataShow, TitleTemplateIndentAndWrapFollowTheKind) {
  CapturedRun c;
  const std::string long_name(70, 'n');
  AddClass(c.G.class_list, "Holder",
           {.sub_name = "template <class T>", .inheritance = "Base"});
  AddClass(c.G.class_list, long_name.c_str(), {});
  AddClass(c.G.class_list, "In", {.nested = 2, .is_struct = 1});
  AddClass(c.G.class_list, long_name.c_str(), {.nested = 1, .is_struct = 1});
  for (const NodeData& r : c.G.class_list) ClassDataShow(r, c.G, c.G);
  const std::string measures =
      "  Attributes   Publ 0        Prot 0        Private 0        "
      "Total        0\n"
      "  Methods      Publ 0        Prot 0        Private 0        "
      "Total        0\n"
      "  LOC 0        eLOC 0        lLOC 0        Comment 0        "
      "Lines        0\n"
      "\n";
  EXPECT_EQ(c.Output(),
            "  Class: Holder\n"
            "         template <class T>\n"
            "  Inheritance: Base\n" +
                measures + "  Class: " + std::string(65, 'n') + "\n" +
                std::string(9, ' ') + "nnnnn\n" + measures +
                "  Nested Struct: In\n" + measures +
                "  Nested Struct: " + std::string(57, 'n') + "\n" +
                std::string(17, ' ') + std::string(13, 'n') + "\n" +
                measures);
}

TEST(ClassDataShow, LongInheritanceWrapsUnderItsText) {
  CapturedRun c;
  c.G.complexity_flag = 1;
  const std::string bases = std::string(59, 'b') + "cc";
  AddClass(c.G.class_list, "D",
           {.params = 2, .returns = 1, .cyclo = 4, .inheritance = ""});
  c.G.class_list.front().inheritance = bases;
  ClassDataShow(c.G.class_list.front(), c.G, c.G);
  EXPECT_EQ(Between(c.Output(), "  Inheritance", "  LOC"),
            "  Inheritance: " + std::string(59, 'b') + "\n" +
                std::string(15, ' ') +
                "cc\n"
                "  Attributes   Publ 0        Prot 0        Private 0        "
                "Total        0\n"
                "  Methods      Publ 0        Prot 0        Private 0        "
                "Total        0\n"
                "  Complexity   Param 2       Return 1      Cyclo Vg 4       "
                "Total        7\n");
}

TEST(ClassDataShow, HtmlEscapesNameTemplateHeaderAndInheritance) {
  CapturedRun c;
  c.G.html_flag = 1;
  AddClass(c.G.class_list, "Box<T>",
           {.pub_m = 1,
            .sub_name = "template <class T>",
            .inheritance = "Base<T>, Other&"});
  AddClass(c.G.class_list, "Pair<A,B>",
           {.is_struct = 1, .sub_name = "template <class A, class B>"});
  AddClass(c.G.class_list, "Pair<A,B>::Node", {.nested = 1});
  for (const NodeData& r : c.G.class_list) ClassDataShow(r, c.G, c.G);
  const std::string out = c.Output();
  EXPECT_EQ(Between(out, "  <B>Class</B>", "  <B>Attributes"),
            "  <B>Class</B>: <FONT COLOR=PURPLE><B>Box&lt;T&gt;</B></FONT>\n"
            "         <FONT COLOR=BLUE><B>template &lt;class T&gt;</B></FONT>\n"
            "  <B>Inheritance</B>: <FONT COLOR=BLUE><B>Base&lt;T&gt;, "
            "Other&amp;</B></FONT>\n");
  EXPECT_EQ(Between(out, "  <B>Struct</B>", "  <B>Attributes"),
            "  <B>Struct</B>: <FONT COLOR=PURPLE><B>Pair&lt;A,B&gt;</B>"
            "</FONT>\n"
            "          <FONT COLOR=BLUE><B>template &lt;class A, class "
            "B&gt;</B></FONT>\n");
  EXPECT_NE(out.find("  <B>Nested Class</B>: <FONT COLOR=PURPLE><B>"
                     "Pair&lt;A,B&gt;::Node</B></FONT>\n"),
            std::string::npos);
  EXPECT_NE(out.find("  <B>Methods</B>      <B>Publ</B> 1      "),
            std::string::npos);
}

TEST(ClassDataShow, SkipsNamesThatDoNotStartLikeAName) {
  CapturedRun c;
  AddClass(c.G.class_list, "1bad", {});
  AddClass(c.G.class_list, "(anon)", {});
  AddClass(c.G.class_list, "", {});
  for (const NodeData& r : c.G.class_list) ClassDataShow(r, c.G, c.G);
  UseCsv(c.G);
  for (const NodeData& r : c.G.class_list) ClassDataShow(r, c.G, c.G);
  EXPECT_EQ(c.Output(), "");
}

TEST(InterDataShow, ShowsTheNameAfterThePrefix) {
  CapturedRun c;
  AddClass(c.G.interface_list, "Interface-Drawable", {.pub_m = 2});
  AddClass(c.G.interface_list, "Interface-Shape.Visitor", {.nested = 1});
  AddClass(c.G.interface_list, "Drawable", {});  // no prefix: left out
  for (const NodeData& r : c.G.interface_list) InterDataShow(r, c.G, c.G);
  const std::string out = c.Output();
  EXPECT_EQ(out.substr(0, out.find("  Attributes")),
            "  Interface: Drawable\n");
  EXPECT_NE(out.find("\n  Nested Interface: Shape.Visitor\n"),
            std::string::npos);
  EXPECT_EQ(out.find("Interface: Drawable", 5), std::string::npos);
}

TEST(InterDataShow, HtmlColoursTopLevelAndNestedApart) {
  CapturedRun c;
  c.G.html_flag = 1;
  AddClass(c.G.interface_list, "Interface-Cmp<T>", {});
  AddClass(c.G.interface_list, "Interface-Outer.In", {.nested = 1});
  for (const NodeData& r : c.G.interface_list) InterDataShow(r, c.G, c.G);
  const std::string out = c.Output();
  EXPECT_NE(out.find("  <B>Interface</B>: <FONT COLOR=TEAL><B>Cmp&lt;T&gt;"
                     "</B></FONT>\n"),
            std::string::npos);
  EXPECT_NE(out.find("  <B>Nested Interface</B>: <FONT COLOR=PURPLE><B>"
                     "Outer.In</B></FONT>\n"),
            std::string::npos);
}

TEST(InterfaceSection, TitlesAndCountLabelsNameInterfaces) {
  CapturedRun c;
  AddClass(c.G.interface_list, "Interface-Drawable",
           {.loc = 3, .eloc = 3, .lines = 3, .pub_m = 2});
  AddClass(c.G.interface_list, "Interface-Drawable.Part",
           {.loc = 1, .eloc = 1, .lines = 1, .pub_m = 1, .nested = 1});
  c.G.nested_seen = 1;  // no nested note in the interface section
  ShowProjectInterSummary(c.G);
  const std::string out = c.Output();
  EXPECT_EQ(out.substr(0, out.find("  Interface:")),
            kBanner + std::string(23, ' ') +
                "~~ Project Interface Metrics ~~\n" + std::string(31, ' ') +
                "No Sort Method\n\n");
  EXPECT_NE(out.find("  Total: All Parent Interfaces\n"), std::string::npos);
  EXPECT_NE(out.find(std::string(22, ' ') +
                     "~~ Project Interface Analysis ~~\n\n"
                     "  Total Interfaces ......:          2\n"
                     "  Total Nested Interfaces:          1"
                     "  Total Methods .........:          2\n"),
            std::string::npos);
}

TEST(ClassCsv, RowsThenTotalAverageMaximumMinimum) {
  CapturedRun c;
  UseCsv(c.G);
  AddShapeAndPoint(c.G);
  ShowProjectClassSummary(c.G);
  EXPECT_EQ(c.Output(),
            "\nProject Class Metrics\n"
            "No Sort Method\n"
            "Count,2\n"
            "Type,Name,LOC,eLOC,lLOC,Comments,Comments/eLOC,Lines,Parameters,"
            "Returns,Interface Complexity,Cyclomatic Complexity,Functional "
            "Complexity,Methods,Public Methods,Protected Methods,Private "
            "Methods,Attributes,Public Attributes,Protected Attributes,"
            "Private Attributes\n"
            "Class,Shape,12,10,4,3,0.30,16,1,1,2,2,4,2,2,0,0,2,0,1,1\n"
            "Class,Point,4,2,2,0,0.00,4,0,0,0,0,0,0,0,0,0,2,2,0,0\n"
            "Class,Total,16,12,6,3,0.30,20,1,1,2,2,4,2,2,0,0,4,2,1,1\n"
            "Class,Average,8.00,6.00,3.00,1.50,0.15,10.00,0.50,0.50,1.00,1.00,"
            "2.00,1.00,1.00,0.00,0.00,2.00,1.00,0.50,0.50\n"
            "Class,Maximum,12,10,4,3,0.30,16,1,1,2,2,4,2,2,0,0,4,2,1,1\n"
            "Class,Minimum,4,2,2,0,0.00,4,0,0,0,0,0,0,0,0,0,0,0,0,0\n");
}

TEST(ClassCsv, TotalCountsDeclaredMethodsAndLeavesNestedOut) {
  CapturedRun c;
  UseCsv(c.G);
  AddOuterAndInner(c.G);
  ShowProjectClassSummary(c.G);
  const std::string out = c.Output();
  EXPECT_EQ(out.substr(0, out.find("Type,")),
            "\nProject Class Metrics\n"
            "Class/Struct Metrics Include Nested Class/Struct Metrics\n"
            "No Sort Method\n"
            "Count,2\n");
  EXPECT_EQ(out.substr(out.find("Class,Outer")),
            "Class,Outer,30,20,10,0,0.00,34,0,0,0,0,0,3,3,0,0,2,0,0,2\n"
            "Class,Outer::Inner,8,6,3,0,0.00,8,0,0,0,0,0,1,1,0,0,1,1,0,0\n"
            "Class,Total,30,20,10,0,0.00,34,0,0,0,0,0,3,3,0,0,2,0,0,2\n"
            "Class,Average,15.00,10.00,5.00,0.00,0.00,17.00,0.00,0.00,0.00,"
            "0.00,0.00,1.50,1.50,0.00,0.00,1.00,0.00,0.00,1.00\n"
            "Class,Maximum,30,20,10,0,0.00,34,0,0,0,0,0,3,3,0,0,3,1,0,2\n"
            "Class,Minimum,8,6,3,0,0.00,8,0,0,0,0,0,1,1,0,0,0,0,0,0\n");
}

TEST(ClassCsv, InterfaceRowKeepsItsStoredNameAndAQuotedNameStaysOneColumn) {
  CapturedRun c;
  UseCsv(c.G);
  AddClass(c.G.interface_list, "Interface-Runner", {.pub_m = 1});
  AddClass(c.G.class_list, "Map<K,V>", {});
  InterDataShow(c.G.interface_list.front(), c.G, c.G);
  ClassDataShow(c.G.class_list.front(), c.G, c.G);
  EXPECT_EQ(c.Output(),
            "Class,Interface-Runner,0,0,0,0,0.00,0,0,0,0,0,0,1,1,0,0,0,0,0,0\n"
            "Class,\"Map<K,V>\",0,0,0,0,0.00,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n");
}

// The class names in the order the section lists them.
std::string ListedNames(CapturedRun& c) {
  const std::string out = Written(c, ShowProjectClassSummary);
  std::string names;
  for (size_t at = out.find("  Class: "); at != std::string::npos;
       at = out.find("  Class: ", at + 1)) {
    const size_t start = at + 9;
    names += out.substr(start, out.find('\n', start) - start) + " ";
  }
  return names;
}

TEST(ClassSort, NumberKeysKeepTiesInOrderOfAddition) {
  CapturedRun c;
  AddClass(c.G.class_list, "A", {.loc = 10, .eloc = 1, .lloc = 7, .cyclo = 1});
  AddClass(c.G.class_list, "B", {.loc = 20, .eloc = 3, .lloc = 7, .cyclo = 2});
  AddClass(c.G.class_list, "C", {.loc = 10, .eloc = 2, .lloc = 9, .cyclo = 1});
  c.G.sort_key = 2;
  EXPECT_EQ(ListedNames(c), "B A C ");
  c.G.sort_key = 3;
  EXPECT_EQ(ListedNames(c), "B C A ");
  c.G.sort_key = 4;
  EXPECT_EQ(ListedNames(c), "C B A ");
  c.G.sort_key = 5;
  EXPECT_EQ(ListedNames(c), "B C A ");
}

TEST(ClassSort, NameKeyPutsTheLaterOfEqualNamesFirst) {
  CapturedRun c;
  AddClass(c.G.class_list, "b", {.loc = 1});
  AddClass(c.G.class_list, "a", {.loc = 2});
  AddClass(c.G.class_list, "b", {.loc = 3});
  c.G.sort_key = 1;
  const std::string out = Written(c, ShowProjectClassSummary);
  EXPECT_NE(out.find(std::string(31, ' ') + "Sorted By Name\n"),
            std::string::npos);
  const size_t a = out.find("  Class: a\n");
  const size_t b3 = out.find("  LOC 3 ");
  const size_t b1 = out.find("  LOC 1 ");
  EXPECT_LT(a, b3);
  EXPECT_LT(b3, b1);
}

// Where each section title first appears in the output, -1 when absent.
int Pos(const std::string& out, const char* title) {
  const size_t at = out.find(title);
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

TEST(TotalReport, ClassAndInterfaceSectionsFollowTheFunctions) {
  CapturedRun c;
  NodeData f;
  f.name = "main";
  f.loc = 3;
  ASSERT_EQ(AddListNode(0, f, c.G.function_list), 1);
  AddShapeAndPoint(c.G);
  AddClass(c.G.interface_list, "Interface-Runner", {});
  c.G.totals_flag = c.G.report_option_flag = 1;
  c.G.totals_all = 1;
  std::string out = Written(c, ShowTotalReport);
  const int functions = Pos(out, "Project Functional Analysis");
  const int classes = Pos(out, "Project Class/Struct Metrics");
  const int interfaces = Pos(out, "Project Interface Metrics");
  const int summary = Pos(out, "Total Project Summary");
  EXPECT_GE(functions, 0);
  EXPECT_LT(functions, classes);
  EXPECT_LT(classes, Pos(out, "Project Class/Struct Analysis"));
  EXPECT_LT(Pos(out, "Project Class/Struct Analysis"), interfaces);
  EXPECT_LT(interfaces, summary);

  // -To: the class and interface sections without the functions.
  c.G.totals_all = 0;
  c.G.totals_classes = c.G.totals_interfaces = c.G.totals_namespaces = 1;
  out = Written(c, ShowTotalReport);
  EXPECT_EQ(Pos(out, "Project Functional"), -1);
  EXPECT_LT(Pos(out, "Project Class/Struct Metrics"),
            Pos(out, "Project Interface Metrics"));
  EXPECT_EQ(Pos(out, "Total Project Summary"), -1);
}

TEST(VerboseBlock, ProjectShowsTheClassStructAndVirtualCountsOfEveryFile) {
  CapturedRun c;
  FileMetrics& M = c.G.metrics;
  for (int file = 0; file < 2; ++file) {
    M.class_count = 3;
    M.interface_count = 1;
    M.struct_count = 2;
    M.virtual_count = 4;
    M.function_count = 5;
    AddTotal(c.G);
    ResetState(c.G);
  }
  SetTotal(c.G);
  ShowVerbose(c.G, 1);
  const std::string out = c.Output();
  EXPECT_NE(out.find("  macros, struct, union:     0,  4, 0\n"),
            std::string::npos);
  EXPECT_NE(out.find("  class, interface ....:     6,     2\n"),
            std::string::npos);
  EXPECT_NE(out.find("  func, virtual, inline:    10,  8, 0\n"),
            std::string::npos);
}

}  // namespace
