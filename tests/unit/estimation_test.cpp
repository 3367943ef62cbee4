// The estimation analysis: sums over the function list and the factors of
// LOC, eLOC and lLOC per function, parameter, return and complexity.
#include <gtest/gtest.h>

#include <string>

#include "lists/add_node.h"
#include "reports/estimation.h"
#include "test_support.h"

namespace {

void AddFunction(Globals& G, int loc, int eloc, int lloc, int comments,
                 int params, int returns, int cyclo) {
  NodeData r;
  r.name = "f";
  r.loc = loc;
  r.eloc = eloc;
  r.lloc = lloc;
  r.comments = comments;
  r.params = params;
  r.returns = returns;
  r.cyclo = cyclo;
  AddListNode(0, r, G.function_list);
}

TEST(Estimation, NothingWithoutFunctions) {
  CapturedRun c;
  ShowEstimation(c.G);
  EXPECT_EQ(c.Output(), "");
}

TEST(Estimation, OneSmallFunction) {
  CapturedRun c;
  AddFunction(c.G, 3, 2, 1, 1, 0, 1, 1);
  ShowEstimation(c.G);
  EXPECT_EQ(
      c.Output(),
      "\n  " + std::string(72, '-') + "\n\n" + std::string(26, ' ') +
          "~~ Estimation Analysis ~~\n"
          "\n" +
          std::string(30, ' ') +
          "Functional Basis\n"
          "\n"
          "  Total Function Count ..:          1\n"
          "  Total Function LOC ....:          3"
          "  Total Function eLOC ...:          2\n"
          "  Total Function lLOC ...:          1"
          "  Total Function Comments:          1\n"
          "  Total Func. Parameters :          0"
          "  Total Function Returns :          1\n"
          "  Total Cylco. Complexity:          1"
          "  Total Function Complex.:          2\n"
          "\n" +
          std::string(27, ' ') +
          "LOC Estimation Factors\n"
          "\n"
          "  Lines of Code, LOC, per Function ...........................:"
          "       3.00\n"
          // No parameters: the divisor below 1 gives 0.00.
          "  Lines of Code, LOC, per Function Input Parameter ...........:"
          "       0.00\n"
          "  Lines of Code, LOC, per Function Return State ..............:"
          "       3.00\n"
          "  LOC per Function Interface Complexity (Parameters + Return) :"
          "       3.00\n"
          "  LOC per Function Cyclomatic Complexity .....................:"
          "       3.00\n"
          "  LOC per Function Complexity (Cyclomatic+Interface Complex.) :"
          "       1.50\n"
          "\n" +
          std::string(27, ' ') +
          "eLOC Estimation Factors\n"
          "\n"
          "  Effective Lines of Code, eLOC, per Function ................:"
          "       2.00\n"
          "  Effective Lines of Code, eLOC, per Function Input Parameter :"
          "       0.00\n"
          "  Effective Lines of Code, eLOC, per Function Return State ...:"
          "       2.00\n"
          "  eLOC per Function Interface Complexity (Parameters + Return):"
          "       2.00\n"
          "  eLOC per Function Cyclomatic Complexity ....................:"
          "       2.00\n"
          "  eLOC per Function Complexity (Cyclomatic+Interface Complex.):"
          "       1.00\n"
          "\n" +
          std::string(27, ' ') +
          "lLOC Estimation Factors\n"
          "\n"
          "  Logical Lines of Code, lLOC, per Function ..................:"
          "       1.00\n"
          "  Logical Lines of Code, lLOC, per Function Input Parameter ..:"
          "       0.00\n"
          "  Logical Lines of Code, lLOC, per Function Return State .....:"
          "       1.00\n"
          "  lLOC per Function Interface Complexity (Parameters + Return):"
          "       1.00\n"
          "  lLOC per Function Cyclomatic Complexity ....................:"
          "       1.00\n"
          "  lLOC per Function Complexity (Cyclomatic+Interface Complex.):"
          "       0.50\n");
}

TEST(Estimation, FactorsOverSeveralFunctions) {
  CapturedRun c;
  AddFunction(c.G, 40, 30, 20, 5, 2, 1, 4);
  AddFunction(c.G, 10, 8, 4, 0, 1, 2, 1);
  AddFunction(c.G, 25, 22, 12, 3, 0, 1, 6);
  ShowEstimation(c.G);
  const std::string text = c.Output();
  // Sums: LOC 75, eLOC 60, lLOC 36, 3 parameters, 4 returns, cyclomatic 11.
  EXPECT_NE(text.find("  Total Function Count ..:          3\n"
                      "  Total Function LOC ....:         75"
                      "  Total Function eLOC ...:         60\n"),
            std::string::npos);
  EXPECT_NE(text.find("  Total Cylco. Complexity:         11"
                      "  Total Function Complex.:         18\n"),
            std::string::npos);
  EXPECT_NE(text.find("LOC, per Function ...........................:"
                      "      25.00\n"),
            std::string::npos);
  EXPECT_NE(text.find("LOC, per Function Input Parameter ...........:"
                      "      25.00\n"),
            std::string::npos);
  EXPECT_NE(text.find("(Parameters + Return) :      10.71\n"),
            std::string::npos);
  EXPECT_NE(text.find("eLOC per Function Cyclomatic Complexity "
                      "....................:       5.45\n"),
            std::string::npos);
  EXPECT_NE(text.find("lLOC per Function Complexity (Cyclomatic+Interface "
                      "Complex.):       2.00\n"),
            std::string::npos);
}

TEST(Estimation, HtmlTitlesAndLabels) {
  CapturedRun c;
  c.G.html_flag = 1;
  AddFunction(c.G, 3, 2, 1, 1, 0, 1, 1);
  ShowEstimation(c.G);
  const std::string text = c.Output();
  const std::string head =
      "\n  " + std::string(72, '-') + "\n\n<B><FONT COLOR=BROWN>" +
      std::string(26, ' ') +
      "~~ Estimation Analysis ~~\n</FONT></B>"
      "\n" +
      std::string(30, ' ') +
      "<FONT COLOR=PURPLE><B>Functional Basis</B></FONT>\n"
      "\n"
      "  <B>Total Function Count</B> ..:          1\n"
      "  <B>Total Function LOC</B> ....:          3"
      "  <B>Total Function eLOC</B> ...:          2\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_NE(text.find(std::string(27, ' ') +
                      "<FONT COLOR=PURPLE><B>lLOC Estimation Factors</B>"
                      "</FONT>\n\n"),
            std::string::npos);
  EXPECT_NE(text.find("  <B>LOC per Function Complexity (Cyclomatic+Interface"
                      " Complex.) </B>:       1.50\n"),
            std::string::npos);
  EXPECT_NE(text.find("  <B>Effective Lines of Code, eLOC, per Function Input"
                      " Parameter</B> :       0.00\n"),
            std::string::npos);
}

}  // namespace
