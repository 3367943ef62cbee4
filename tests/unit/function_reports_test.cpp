// The function reports: the file functional summary, the project function
// list with its sort order, and the project statistics, in text, HTML and
// CSV. Records are filled by hand as the function recogniser fills them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "lists/add_node.h"
#include "reports/framing.h"
#include "reports/function_reports.h"
#include "test_support.h"

namespace {

const std::string kHyphens(72, '-');
const std::string kSeparator =
    "         ------     -----     -----     ------     ------     -----       "
    "\n";

NodeData Fn(const char* name, int loc, int eloc, int lloc, int comments,
            int blanks, int lines, int params, int returns, int cyclo,
            const char* sub_name = "") {
  NodeData r;
  r.name = name;
  r.sub_name = sub_name;
  r.file = "a.cpp";
  r.loc = loc;
  r.eloc = eloc;
  r.lloc = lloc;
  r.comments = comments;
  r.blanks = blanks;
  r.lines = lines;
  r.params = params;
  r.returns = returns;
  r.cyclo = cyclo;
  return r;
}

// Two functions of one file, as the recogniser leaves the file's sums.
void FillFileSums(Globals& G) {
  G.metrics.function_count = 2;
  FileState& P = G.parse;
  P.file_func_loc = 30;
  P.file_func_eloc = 25;
  P.file_func_lloc = 12;
  P.file_params = 3;
  P.file_returns = 2;
  P.file_cyclomatic = 7;
  P.file_max_loc = 20;
  P.file_max_eloc = 17;
  P.file_max_lloc = 8;
  P.file_max_params = 2;
  P.file_max_returns = 1;
  P.file_max_cyclomatic = 5;
  P.file_max_total = 8;
}

TEST(FileFunctionSummary, TextWithoutComplexity) {
  CapturedRun c;
  FillFileSums(c.G);
  ShowFileFunctionSummary(c.G);
  EXPECT_EQ(c.Output(),
            "  " + kHyphens + "\n\n" + std::string(24, ' ') +
                "~~ File Functional Summary ~~\n"
                "\n"
                "  File Function Count ...:          2"
                "  Total LOC Lines LOC ...:         30\n"
                "  Total eLOC Lines ......:         25"
                "  Total lLOC Lines ......:         12\n"
                "  Total Function Params .:          3"
                "  Total Function Return .:          2\n"
                "  Total Cyclo Complexity :          7"
                "  Total Function Complex.:         12\n" +
                kSeparator +
                "  Max Function LOC ......:         20"
                "  Average Function LOC ..:      15.00\n"
                "  Max Function eLOC .....:         17"
                "  Average Function eLOC .:      12.50\n"
                "  Max Function lLOC .....:          8"
                "  Average Function lLOC .:       6.00\n");
}

TEST(FileFunctionSummary, ComplexityAddsTheSecondHalf) {
  CapturedRun c;
  FillFileSums(c.G);
  c.G.complexity_flag = 1;
  ShowFileFunctionSummary(c.G);
  const std::string text = c.Output();
  const std::string tail =
      "  Average Function lLOC .:       6.00\n" + kSeparator +
      "  Max Function Parameters:          2"
      "  Avg Function Parameters:       1.50\n"
      "  Max Function Returns ..:          1"
      "  Avg Function Returns ..:       1.00\n"
      // The sum of the two maxima, beside the average of the sums.
      "  Max Interface Complex. :          3"
      "  Avg Interface Complex. :       2.50\n"
      "  Max Cyclomatic Complex.:          5"
      "  Avg Cyclomatic Complex.:       3.50\n"
      "  Max Total Complexity ..:          8"
      "  Avg Total Complexity ..:       6.00\n";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(FileFunctionSummary, HtmlLabelsAreBoldToTheColon) {
  CapturedRun c;
  FillFileSums(c.G);
  c.G.html_flag = 1;
  ShowFileFunctionSummary(c.G);
  const std::string head =
      "  " + kHyphens + "\n\n<B><FONT COLOR=BROWN>" + std::string(24, ' ') +
      "~~ File Functional Summary ~~\n</FONT></B>\n"
      "  <B>File Function Count ...:</B>          2"
      "  <B>Total LOC Lines LOC ...:</B>         30\n"
      "  <B>Total eLOC Lines ......:</B>         25";
  EXPECT_EQ(c.Output().substr(0, head.size()), head);
}

TEST(FileFunctionSummary, NoFunctionsAveragesZero) {
  CapturedRun c;
  FillFileSums(c.G);
  c.G.metrics.function_count = 0;
  ShowFileFunctionSummary(c.G);
  EXPECT_NE(c.Output().find("  Average Function LOC ..:       0.00\n"),
            std::string::npos);
}

// Three functions: a plain one, a template member, and one whose name is
// debris (left out of the list, counted in the statistics).
void AddThree(Globals& G) {
  AddListNode(G.sort_key, Fn("main", 10, 8, 5, 2, 1, 13, 3, 1, 3),
              G.function_list);
  AddListNode(G.sort_key,
              Fn("Stack<T>::push", 4, 2, 1, 0, 0, 4, 1, 1, 1,
                 "template <class T>"),
              G.function_list);
  AddListNode(G.sort_key, Fn("#bad", 6, 6, 6, 6, 0, 6, 0, 3, 2),
              G.function_list);
}

TEST(ProjectFunctionSummary, NothingWithoutFunctions) {
  CapturedRun c;
  c.G.complexity_flag = 1;
  ShowProjectFunctionSummary(c.G);
  TShowFunctionSummary(c.G);
  c.G.csv_mode = c.G.automated_mode = 1;
  ShowProjectFunctionSummary(c.G);
  EXPECT_EQ(c.Output(), "");
}

TEST(ProjectFunctionSummary, TextListAndStatistics) {
  CapturedRun c;
  c.G.complexity_flag = 1;
  AddThree(c.G);
  ShowProjectFunctionSummary(c.G);
  EXPECT_EQ(
      c.Output(),
      "\n  " + kHyphens + "\n\n" + std::string(22, ' ') +
          "~~ Project Functional Metrics ~~\n" + std::string(31, ' ') +
          "No Sort Method\n"
          "\n"
          "  Function: main\n"
          "  Complexity   Param 3       Return 1      Cyclo Vg 3       "
          "Total        7\n"
          "  LOC 10       eLOC 8        lLOC 5        Comment 2        "
          "Lines       13\n"
          "\n"
          "  Function: Stack<T>::push\n"
          "            template <class T>\n"
          "  Complexity   Param 1       Return 1      Cyclo Vg 1       "
          "Total        3\n"
          "  LOC 4        eLOC 2        lLOC 1        Comment 0        "
          "Lines        4\n"
          "\n"
          "  Total: Functions  \n"
          "  LOC 20       eLOC 16       lLOC 12       InCmp 9        "
          "CycloCmp       6\n"
          "\n"
          "\n  " +
          kHyphens + "\n\n" + std::string(22, ' ') +
          "~~ Project Functional Analysis ~~\n"
          "\n"
          "  Total Functions .......:          3\n"
          "  Total Physical Lines ..:         23"
          "  Total LOC .............:         20\n"
          "  Total eLOC ............:         16"
          "  Total lLOC ............:         12\n"
          "  Total Cyclomatic Comp. :          6"
          "  Total Interface Comp. .:          9\n"
          "  Total Parameters ......:          4"
          "  Total Return Points ...:          5\n"
          "  Total Comment Lines ...:          8"
          "  Total Blank Lines .....:          1\n" +
          kSeparator +
          "  Avg Physical Lines ....:       7.67\n"
          "  Avg LOC ...............:       6.67"
          "  Avg eLOC ..............:       5.33\n"
          "  Avg lLOC ..............:       4.00"
          "  Avg Cyclomatic Comp. ..:       2.00\n"
          "  Avg Interface Comp. ...:       3.00"
          "  Avg Parameters ........:       1.33\n"
          "  Avg Return Points .....:       1.67"
          "  Avg Comment Lines .....:       2.67\n" +
          kSeparator +
          "  Max LOC ...............:         10\n"
          "  Max eLOC ..............:          8"
          "  Max lLOC ..............:          6\n"
          // The largest parameters + returns of one function (main).
          "  Max Cyclomatic Comp. ..:          3"
          "  Max Interface Comp. ...:          4\n"
          "  Max Parameters ........:          3"
          "  Max Return Points .....:          3\n"
          "  Max Comment Lines .....:          6"
          "  Max Total Lines .......:         13\n" +
          kSeparator +
          "  Min LOC ...............:          4\n"
          "  Min eLOC ..............:          2"
          "  Min lLOC ..............:          1\n"
          "  Min Cyclomatic Comp. ..:          1"
          "  Min Interface Comp. ...:          2\n"
          "  Min Parameters ........:          0"
          "  Min Return Points .....:          1\n"
          "  Min Comment Lines .....:          0"
          "  Min Total Lines .......:          4\n");
}

TEST(ProjectFunctionSummary, CsvRowsAndStatistics) {
  CapturedRun c;
  c.G.csv_mode = c.G.automated_mode = c.G.complexity_flag = 1;
  AddThree(c.G);
  ShowProjectFunctionSummary(c.G);
  EXPECT_EQ(c.Output(),
            "\nProject Function Metrics\n"
            "No Sort Method\n"
            "Count,3\n"
            "Type,Name,LOC,eLOC,lLOC,Comments,Comments/eLOC,Lines,Parameters,"
            "Returns,Interface Complexity,Cyclomatic Complexity,Functional "
            "Complexity\n"
            "f(),main,10,8,5,2,0.25,13,3,1,4,3,7\n"
            "f(),Stack<T>::push,4,2,1,0,0.00,4,1,1,2,1,3\n"
            "f(),Total,20,16,12,8,1.25,23,4,5,9,6,15\n"
            "f(),Average,6.67,5.33,4.00,2.67,0.42,7.67,1.33,1.67,3.00,2.00,"
            "5.00\n"
            // Interface and total built from the separate maxima/minima.
            "f(),Maximum,10,8,6,6,1.00,13,3,3,6,3,9\n"
            "f(),Minimum,4,2,1,0,0.00,4,0,1,1,1,2\n");
}

TEST(ProjectFunctionSummary, HtmlEscapesNamesAndTemplateHeaders) {
  CapturedRun c;
  c.G.html_flag = 1;
  AddListNode(0,
              Fn("Stream::operator<<", 4, 2, 1, 0, 0, 4, 1, 1, 1,
                 "template <class T>"),
              c.G.function_list);
  ShowProjectFunctionSummary(c.G);
  const std::string text = c.Output();
  const std::string head =
      "\n  " + kHyphens + "\n\n<B><FONT COLOR=BROWN>" + std::string(22, ' ') +
      "~~ Project Functional Metrics ~~\n</FONT></B>" + std::string(31, ' ') +
      "<FONT COLOR=BROWN><B>No Sort Method</B></FONT>\n"
      "\n"
      "  <B>Function</B>: <FONT COLOR=GREEN><B>Stream::operator&lt;&lt;</B>"
      "</FONT>\n"
      "         <FONT COLOR=BLUE><B>template &lt;class T&gt;</B></FONT>\n"
      "  <B>LOC</B> 4        <B>eLOC</B> 2        <B>lLOC</B> 1        "
      "<B>Comment</B> 0        <B>Lines</B>        4\n"
      "\n"
      "  <B>Total</B>: <B>Functions  </B>\n"
      "  <B>LOC</B> 4        <B>eLOC</B> 2        <B>lLOC</B> 1        "
      "<B>InCmp</B> 2        <B>CycloCmp</B>       1\n\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_NE(text.find("~~ Project Functional Analysis ~~\n</FONT></B>\n"
                      "  <B>Total Functions .......:</B>          1\n"),
            std::string::npos);
  EXPECT_NE(text.find("  <B>Avg LOC ...............:</B>       4.00"
                      "  <B>Avg eLOC ..............:</B>       2.00\n"),
            std::string::npos);
}

TEST(ProjectFunctionSummary, LongNamesWrapAtSixtyTwo) {
  CapturedRun c;
  const std::string name = std::string(62, 'f') + std::string(5, 'g');
  AddListNode(0, Fn(name.c_str(), 1, 1, 1, 0, 0, 1, 0, 1, 1),
              c.G.function_list);
  ShowProjectFunctionSummary(c.G);
  EXPECT_NE(c.Output().find("  Function: " + std::string(62, 'f') + "\n" +
                          std::string(12, ' ') + "ggggg\n"),
            std::string::npos);
}

TEST(ProjectFunctionSummary, NoListingKeepsBannerAndStatistics) {
  CapturedRun c;
  c.G.totals_no_listing = 1;
  AddThree(c.G);
  ShowProjectFunctionSummary(c.G);
  const std::string text = c.Output();
  EXPECT_EQ(text.find("Function: "), std::string::npos);
  EXPECT_NE(text.find("~~ Project Functional Metrics ~~"), std::string::npos);
  EXPECT_NE(text.find("  Total: Functions  \n"), std::string::npos);
  EXPECT_NE(text.find("  Total Functions .......:          3\n"),
            std::string::npos);
}

TEST(ProjectFunctionSummary, OneFunctionIsItsOwnMaximumMinimumAndAverage) {
  CapturedRun c;
  c.G.csv_mode = c.G.automated_mode = 1;
  // eLOC below 0: a ratio of 0, and a minimum held at 0.
  AddListNode(0, Fn("f", 3, -1, 1, 2, 1, 5, 2, 1, 4), c.G.function_list);
  TShowFunctionSummary(c.G);
  EXPECT_EQ(c.Output(),
            "f(),Total,3,-1,1,2,0.00,5,2,1,3,4,7\n"
            "f(),Average,3.00,-1.00,1.00,2.00,0.00,5.00,2.00,1.00,3.00,4.00,"
            "7.00\n"
            "f(),Maximum,3,-1,1,2,0.00,5,2,1,3,4,7\n"
            "f(),Minimum,3,0,1,2,0.00,5,2,1,3,4,7\n");
}

// The order of the project list: "name:LOC" of each of its CSV rows.
std::vector<std::string> ListedNames(CapturedRun& c) {
  c.G.csv_mode = c.G.automated_mode = 1;
  ShowProjectFunctionSummary(c.G);
  std::vector<std::string> names;
  std::istringstream rows(c.Output());
  std::string row;
  while (std::getline(rows, row)) {
    if (row.rfind("f(),", 0) != 0) continue;
    std::istringstream fields(row.substr(4));
    std::string name, loc;
    std::getline(fields, name, ',');
    std::getline(fields, loc, ',');
    if (name == "Total") break;
    names.push_back(name + ":" + loc);
  }
  return names;
}

TEST(ProjectFunctionSort, NameKeyListsEqualNamesInOrderOfAddition) {
  CapturedRun c;
  c.G.sort_key = 1;
  // Added by name, the later of two equal names goes first; the re-sort
  // turns them back.
  for (auto [name, loc] : {std::pair{"b", 1}, {"a", 2}, {"b", 3}, {"a", 4}}) {
    AddListNode(1, Fn(name, loc, 1, 1, 0, 0, 1, 0, 1, 1), c.G.function_list);
  }
  EXPECT_EQ(ListedNames(c),
            (std::vector<std::string>{"a:2", "a:4", "b:1", "b:3"}));
  // Both project sections see the order the re-sort left.
  EXPECT_EQ(c.G.function_list.front().loc, 2);
}

TEST(ProjectFunctionSort, NumberKeysAreDescendingWithTiesInOrder) {
  for (int key = 2; key <= 5; ++key) {
    SCOPED_TRACE(key);
    CapturedRun c;
    c.G.sort_key = key;
    const std::pair<const char*, int> records[] = {
        {"x", 5}, {"y", 7}, {"z", 5}, {"w", 7}};
    for (auto [name, value] : records) {
      NodeData r = Fn(name, value, value, value, 0, 0, 1, 0, 1, value);
      // Only the measure of this key decides; the others run the other way.
      if (key != 2) r.loc = 10 - value;
      if (key != 3) r.eloc = 10 - value;
      if (key != 4) r.lloc = 10 - value;
      if (key != 5) r.cyclo = 10 - value;
      // Recorded in file order, then re-sorted by the report.
      AddListNode(0, r, c.G.function_list);
    }
    const std::vector<std::string> names = ListedNames(c);
    ASSERT_EQ(names.size(), 4u);
    std::string order;
    for (const std::string& n : names) order += n[0];
    EXPECT_EQ(order, "ywxz");
  }
}

TEST(ProjectFunctionSort, NoKeyKeepsTheOrderOfRecording) {
  CapturedRun c;
  for (const char* name : {"m", "c", "x", "a"}) {
    AddListNode(0, Fn(name, 1, 1, 1, 0, 0, 1, 0, 1, 1), c.G.function_list);
  }
  EXPECT_EQ(ListedNames(c),
            (std::vector<std::string>{"m:1", "c:1", "x:1", "a:1"}));
}

TEST(ShowTotalReport, FunctionSectionsComeFirst) {
  CapturedRun c;
  c.G.totals_flag = c.G.totals_all = c.G.report_option_flag = 1;
  AddThree(c.G);
  ShowTotalReport(c.G);
  const std::string text = c.Output();
  const size_t list = text.find("~~ Project Functional Metrics ~~");
  const size_t stats = text.find("~~ Project Functional Analysis ~~");
  const size_t summary = text.find("~~ Total Project Summary ~~");
  ASSERT_NE(list, std::string::npos);
  ASSERT_NE(summary, std::string::npos);
  EXPECT_LT(list, stats);
  EXPECT_LT(stats, summary);
}

TEST(ShowTotalReport, FunctionSelectionAlone) {
  CapturedRun c;
  c.G.totals_flag = c.G.totals_functions = c.G.report_option_flag = 1;
  AddThree(c.G);
  ShowTotalReport(c.G);
  const std::string text = c.Output();
  EXPECT_NE(text.find("~~ Project Functional Analysis ~~"), std::string::npos);
  EXPECT_EQ(text.find("~~ Total Project Summary ~~"), std::string::npos);
}

}  // namespace
