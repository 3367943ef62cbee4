// The measures of a function at its closing brace, the file's function
// sums, the function-level notices in their fixed order, and which options
// ask for the work at all.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

// The numbers of the long notice texts in `text`, in order of appearance.
std::vector<int> NoticeNumbers(const std::string& text) {
  std::vector<int> numbers;
  static const std::regex notice("NOTICE #([0-9]+)");
  for (std::sregex_iterator it(text.begin(), text.end(), notice), end;
       it != end; ++it) {
    numbers.push_back(std::stoi((*it)[1]));
  }
  return numbers;
}

TEST(FunctionMeasures, CommentBlockDirectlyAboveBelongsToTheFunction) {
  CapturedRun run;
  run.G.function_flag = 1;
  run.Parse({"int x;", "", "/* first */", "", "/* the doc", " * of g */",
             "int g(void)", "{", "  /* inside */", "", "  return 0;", "}"});
  ASSERT_EQ(run.G.function_list.count(), 1);
  const NodeData& g = run.G.function_list.front();
  // The comment inside and, of the block just above, the lines after its
  // first (the comment run counts those); the block cut off by a blank
  // line is not the function's.
  EXPECT_EQ(g.comments, 2);
  EXPECT_EQ(g.loc, 3);    // '{', 'return', '}'
  // The '{' line was marked brace-only before the body opened, so only the
  // '}' line is taken off.
  EXPECT_EQ(g.eloc, 2);
  EXPECT_EQ(g.lloc, 1);
  EXPECT_EQ(g.blanks, 1);
  EXPECT_EQ(g.lines, 5);  // from the '{' line to the '}' line
  EXPECT_EQ(g.line, 12);  // the closing brace
}

TEST(FunctionMeasures, FileSumsAndMaxima) {
  CapturedRun run;
  run.G.function_flag = 1;
  run.Parse({"int a(int x, int y)", "{", "  if (x) return 1;", "  return y;",
             "}", "int b(void)", "{", "  for (;;) { }", "}"});
  const FileState& P = run.G.parse;
  EXPECT_EQ(run.G.metrics.function_count, 2);
  EXPECT_EQ(P.file_params, 2);
  EXPECT_EQ(P.file_returns, 3);     // 2 + the 1 every function has at least
  EXPECT_EQ(P.file_cyclomatic, 4);  // 2 + 2
  EXPECT_EQ(P.file_func_loc, 4 + 3);
  EXPECT_EQ(P.file_max_loc, 4);
  EXPECT_EQ(P.file_max_params, 2);
  EXPECT_EQ(P.file_max_returns, 2);
  EXPECT_EQ(P.file_max_cyclomatic, 2);
  EXPECT_EQ(P.file_max_total, 2 + 2 + 2);
  EXPECT_EQ(P.func_name, "");       // no candidate left open
  EXPECT_EQ(P.local_brace, 0);
}

TEST(FunctionMeasures, AForHeaderCountsAsOneStatement) {
  CapturedRun run;
  run.G.function_flag = 1;
  run.Parse({"int sum(int n)", "{", "  int s = 0, i;",
             "  for (i = 0; i < n; i++) s += i;", "  return s;", "}"});
  ASSERT_EQ(run.G.function_list.count(), 1);
  // Five semicolons, one for header: four statements.
  EXPECT_EQ(run.G.function_list.front().lloc, 4);
  EXPECT_EQ(run.G.parse.file_func_lloc, 4);
  EXPECT_EQ(run.G.parse.file_max_lloc, 4);
  EXPECT_EQ(Lloc(run.G.metrics), 4);
  AddTotal(run.G);
  SetTotal(run.G);
  EXPECT_EQ(Lloc(run.G.metrics), 4);
}

TEST(FunctionMeasures, LongNamesWrapAfterSixtyTwoCharacters) {
  for (int length : {62, 63, 125}) {
    CapturedRun run;
    run.G.function_flag = 1;
    const std::string name(static_cast<size_t>(length), 'n');
    run.Parse({"int " + name + "(void)", "{", "}"});
    std::string shown = name.substr(0, 62);
    if (length > 62) shown += "\n" + std::string(12, ' ') + name.substr(62, 62);
    if (length > 124) shown += "\n" + std::string(12, ' ') + name.substr(124);
    EXPECT_NE(run.Output().find("  Function: " + shown + "\n"),
              std::string::npos)
        << length << "\n" << run.Output();
  }
}

TEST(FunctionMeasures, LongMethodNamesWrapAfterFiftyFiveCharacters) {
  // The method is named with its class: "K::" and the method name.
  for (int length : {55, 56}) {
    CapturedRun run;
    run.G.function_flag = 1;
    run.G.parse.cpp_file = 1;
    const std::string method(static_cast<size_t>(length - 3), 'm');
    const std::string name = "K::" + method;
    run.Parse({"class K {", " public:", "  int " + method + "() { return 0; }",
               "};"});
    std::string shown = name.substr(0, 55);
    if (length > 55) shown += "\n" + std::string(19, ' ') + name.substr(55);
    EXPECT_NE(run.Output().find("  Inline Function: " + shown + "\n"),
              std::string::npos)
        << length << "\n" << run.Output();
  }
}

TEST(FunctionMeasures, NoticesComeInTheirFixedOrder) {
  CapturedRun run;
  run.G.function_flag = run.G.notice_flag = 1;
  run.G.max_function_eloc = 3;
  run.G.max_interface = 1;
  run.G.max_cyclomatic = 2;
  // No blank in the body: its white space is 0%.
  run.Parse({"int a_function_name_of_more_than_thirty_two(a, b)", "int a;",
             "int b;", "{", "x=y[1;", "z=(1;", "switch(a){", "case(1):",
             "return(1);", "case(2):", "return(2);", "case(3):",
             "case(4):a=1;}", "}"});
  // 2 name, 10 old-style parameters, 11 brackets, 12 parentheses, 13 no
  // default, 14 case without break, 17 comments, 16 white space, 18 eLOC,
  // 27 return points, 29 parameters, 28 complexity.
  EXPECT_EQ(NoticeNumbers(run.Output()),
            (std::vector<int>{2, 10, 11, 12, 13, 14, 17, 16, 18, 27, 29, 28}));
}

TEST(FunctionMeasures, OnlyMetricOptionsMeasureButEveryBodyIsFollowed) {
  CapturedRun run;
  run.G.notice_flag = 1;
  run.Parse({"int f(void)", "{", "  return 1; return 2;", "}", "int g(void)",
             "{", "}"});
  // Without -f no function notice is checked and nothing is listed, but
  // both bodies are seen and counted.
  EXPECT_EQ(run.Output(), "");
  EXPECT_EQ(run.G.function_list.count(), 0);
  EXPECT_EQ(run.G.metrics.function_count, 2);
  EXPECT_EQ(run.G.parse.funcname_flag, 0);
}

TEST(FunctionMeasures, ListedFunctionsPrintTheirNameWhenTheBodyOpens) {
  CapturedRun run;
  run.G.function_list_flag = 1;
  run.Parse({"int f(void)", "{"});
  EXPECT_EQ(run.Output(), "  Function: f\n");
  run.Parse({"  return 0;", "}"});
  EXPECT_EQ(run.Output(), "  Function: f\n");
  EXPECT_EQ(run.G.function_list.count(), 1);
}

TEST(FunctionMeasures, FunctionListFollowsTheSortKey) {
  CapturedRun run;
  run.G.function_flag = 1;
  run.G.sort_key = 2;  // LOC, largest first; ties keep their order
  run.Parse({"void s(void) { }", "void l(void)", "{", "  a();", "}",
             "void t(void) { }"});
  std::vector<std::string> names;
  for (const NodeData& f : run.G.function_list) names.push_back(f.name);
  EXPECT_EQ(names, (std::vector<std::string>{"l", "s", "t"}));
}

TEST(FunctionMeasures, NoticeModeFramesEachFunction) {
  CapturedRun run;
  run.G.function_flag = run.G.notice_flag = 1;
  run.G.notice_enabled[17] = run.G.notice_enabled[16] = 0;
  run.Parse({"int f(void)", "{", "  return 0;", "}"});
  EXPECT_EQ(run.Output(),
            "\n  ------------------------ Function Begin Line: 2 "
            "------------------------\n"
            "  Function: f\n"
            "\n  Function: f\n"
            "  LOC 3        eLOC 2        lLOC 1        Comment 0        "
            "Lines        3\n"
            "  ------------------------- Function End Line: 4 "
            "-------------------------\n");
}

}  // namespace
