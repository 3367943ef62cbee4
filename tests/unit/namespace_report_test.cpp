// The namespace report and the namespace begin and end lines.
#include <gtest/gtest.h>

#include <string>

#include "lists/add_node.h"
#include "lists/compare.h"
#include "output_capture.h"
#include "reports/namespace_sums.h"
#include "recognise/scope.h"
#include "reports/function_reports.h"
#include "reports/namespace_reports.h"
#include "test_support.h"

namespace {

void AddSpace(Globals& G, const char* name) {
  NodeData r;
  r.name = name;
  r.file = "a.cpp";
  AddListNode(1, std::move(r), G.namespace_list);
}

// N: one class and one free function; M: one free function.
void TwoNamespaces(Globals& G) {
  AddSpace(G, "N");
  AddSpace(G, "M");
  ClassSums cls;
  cls.loc = 20;
  cls.eloc = 15;
  cls.lloc = 9;
  cls.comments = 3;
  cls.blanks = 2;
  cls.lines = 22;
  cls.cyclo = 4;
  cls.params = 1;
  cls.returns = 2;
  cls.member_functions = 2;
  cls.public_methods = 2;
  cls.private_methods = 1;
  cls.public_attributes = 1;
  cls.private_attributes = 2;
  Add_Class2namespace("N::C", cls, G);
  Add_Func2namespace("N::f", 10, 4, 8, 2, 1, 12, 3, 2, 1, G);
  Add_Func2namespace("M::g", 4, 2, 3, 0, 0, 5, 1, 0, 1, G);
  G.namespace_functions_added = 1;
}

TEST(NamespaceReport, CsvRowsAndStatistics) {
  CapturedRun c;
  Globals& G = c.G;
  G.csv_mode = G.automated_mode = 1;
  TwoNamespaces(G);
  ShowProjectNamespaceSummary(G);
  EXPECT_EQ(
      c.Output(),
      "\nProject Namespace/Package Metrics\n"
      "No Sort Method\n"
      "Count,2\n"
      "Type,Name,LOC,eLOC,lLOC,Comments,Comments/eLOC,Lines,Parameters,"
      "Returns,Interface Complexity,Cyclomatic Complexity,Functional "
      "Complexity,Classes,Functions,Public Methods,Protected Methods,"
      "Private Methods,Attributes,Public Attributes,Protected Attributes,"
      "Private Attributes\n"
      "Namespace/Package,M,4,3,2,0,0.00,5,0,1,1,1,2,0,1,0,0,0,0,0,0,0\n"
      "Namespace/Package,N,30,23,13,5,0.22,34,3,3,6,7,13,1,3,2,0,1,3,1,0,2\n"
      "Namespace/Package,Total,34,26,15,5,0.22,39,3,4,7,8,15,1,4,2,0,1,3,1,0,"
      "2\n"
      "Namespace/Package,Average,17.00,13.00,7.50,2.50,0.11,19.50,1.50,2.00,"
      "3.50,4.00,7.50,0.50,2.00,1.00,0.00,0.50,1.50,0.50,0.00,1.00\n"
      "Namespace/Package,Maximum,30,23,13,5,0.22,34,3,3,6,7,13,1,3,2,0,1,3,1,"
      "0,2\n"
      "Namespace/Package,Minimum,4,3,2,0,0.00,5,0,1,1,1,2,0,1,0,0,0,0,0,0,"
      "0\n");
}

TEST(NamespaceReport, TextEntryAndStatisticsRows) {
  CapturedRun c;
  Globals& G = c.G;
  TwoNamespaces(G);
  G.sort_key = 2;  // by LOC: N first
  ShowProjectNamespaceSummary(G);
  const std::string out = c.Output();
  const std::string entry =
      "  Namespace/Package: N\n"
      "  Total Classses 1           Total Functions 3       Avg Func/Class   "
      "3.00\n"
      "  Attributes   Publ 1        Prot 0        Private 2        Total    "
      "    3\n"
      "  Methods      Publ 2        Prot 0        Private 1        Total    "
      "    3\n"
      "  LOC 30       eLOC 23       lLOC 13       Comment 5        Lines     "
      "  34\n"
      "\n"
      "  Namespace/Package: M\n"
      "  Total Classses 0           Total Functions 1       Avg Func/Class   "
      "0.00\n";
  EXPECT_NE(out.find(entry), std::string::npos) << out;
  for (const char* row : {
           "  Total: All Namespaces/Packages\n"
           "  Total Classses 1           Total Functions 4       Avg "
           "Func/Class   4.00\n",
           "  Total Namespace/Package:          2\n",
           "  Total Classes/Structs .:          1  Total Methods .........:   "
           "       4\n",
           "  Avg Classes/Structs ...:       0.50  Avg Methods ...........:   "
           "    2.00\n",
           "  Max Classes/Structs ...:          1  Max Methods ...........:   "
           "       3\n",
           "  Min Protected Methods .:          0  Min Protected Atrib. ..:   "
           "       0\n",
           "  Min Interface Comp. ...:          1  Min Parameters ........:   "
           "       0\n",
       }) {
    EXPECT_NE(out.find(row), std::string::npos) << row;
  }
}

TEST(NamespaceReport, NothingWithoutNamespaces) {
  CapturedRun c;
  ShowProjectNamespaceSummary(c.G);
  EXPECT_EQ(c.Output(), "");
}

}  // namespace

namespace {

std::string Lines(Globals& G, const char* name, int begin) {
  G.parse.namespace_name = name;
  return Capture(G, [begin](Globals& g) { EmitNamespace(g, begin); });
}

TEST(EmitNamespace, BeginAndEndLinesInEachMode) {
  CapturedRun c;
  Globals& G = c.G;
  EXPECT_EQ(Lines(G, "geo", 1), "");  // neither -o nor -C
  G.object_flag = 1;
  G.parse.cpp_file = 1;
  EXPECT_EQ(Lines(G, "geo", 1), "  Namespace Begin: geo\n\n");
  EXPECT_EQ(Lines(G, "", 0), "  Namespace End: Anonymous - File Scope\n\n");
  // -n: no empty line after; one before every end line, and before a
  // begin line once the file has notices; never two.
  G.notice_flag = 1;
  EXPECT_EQ(Lines(G, "geo", 1), "  Namespace Begin: geo\n");
  EXPECT_EQ(Lines(G, "geo", 0), "\n  Namespace End: geo\n");
  G.metrics.notice_count = 1;
  EXPECT_EQ(Lines(G, "geo", 1), "\n  Namespace Begin: geo\n");
  EXPECT_EQ(Lines(G, "geo", 0), "\n  Namespace End: geo\n");
  G.notice_flag = 0;
  G.comment_doc_flag = 1;
  G.parse.cpp_file = 0;
  G.parse.java_file = 1;
  EXPECT_EQ(Lines(G, "zoo.animals", 1),
            "\n  Package Begin: zoo.animals\n\n  " + std::string(72, '-') +
                "\n");
  G.comment_doc_flag = 0;
  G.html_flag = 1;
  EXPECT_EQ(Lines(G, "a<b", 0),
            "  <B>Package End</B>: <FONT COLOR=RED><B>a&lt;b</B></FONT>\n\n");
  G.totals_flag = 1;
  EXPECT_EQ(Lines(G, "geo", 1), "");
}

TEST(EmitNamespace, LongNamesWrapAtTheLineWidth) {
  CapturedRun c;
  Globals& G = c.G;
  G.object_flag = 1;
  G.parse.cpp_file = 1;
  const std::string name(60, 'n');
  EXPECT_EQ(Lines(G, name.c_str(), 1),
            "  Namespace Begin: " + std::string(55, 'n') + "\n" +
                std::string(19, ' ') + "nnnnn\n\n");
}

}  // namespace
