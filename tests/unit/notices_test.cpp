// The notice emission rule, the one-line forms, the catalogue texts and the
// conditions the detection routines add to the rule.
#include <gtest/gtest.h>

#include <string>

#include "base/globals.h"
#include "notices/emit.h"
#include "notices/notices.h"
#include "recognise/scope.h"
#include "output_capture.h"

namespace {

class NoticesTest : public ::testing::Test {
 protected:
  void SetUp() override { G.file_name = "src/a.c"; }
  // Everything written to the output stream since the last call.
  std::string Output() { return capture_.Take(); }

  Globals G = Defaults();

 private:
  static Globals Defaults() {
    Globals g;
    Init_Globals(g);
    return g;
  }
  OutputCapture capture_{G};
};

constexpr const char kTernaryText[] =
    "\n    NOTICE #23: Line 4, The '?' operator was identified.  This implied\n"
    "           if-else construct can reduce code readability.\n";

TEST_F(NoticesTest, DisabledNoticeIsNeitherCountedPrintedNorRecorded) {
  G.notice_flag = G.notice_list_flag = G.notice_format_single = 1;
  SetNoticeFlag(23, 0, G);
  EmitTernaryNotice(4, G);
  EXPECT_EQ(G.metrics.notice_count, 0);
  EXPECT_EQ(G.notice_type_count[23], 0);
  EXPECT_TRUE(G.notice_list.empty());
  EXPECT_EQ(Output(), "");
}

TEST_F(NoticesTest, VerboseNoticesArePrintedButNotRecorded) {
  G.notice_flag = 1;
  EmitTernaryNotice(4, G);
  EXPECT_EQ(Output(), kTernaryText);
  EXPECT_EQ(G.metrics.notice_count, 1);
  EXPECT_EQ(G.notice_type_count[23], 1);
  EXPECT_TRUE(G.notice_list.empty());
}

TEST_F(NoticesTest, HtmlLongTextsTakeTheNoticeColour) {
  G.notice_flag = G.html_flag = 1;
  G.html_notice_color = "MAROON";
  EmitTernaryNotice(4, G);
  EXPECT_EQ(Output(),
            "\n    <FONT COLOR=MAROON>NOTICE</FONT> #23: <B>Line 4</B>, The "
            "'<B>?</B>' operator was identified.  This implied\n"
            "           if-else construct can reduce code readability.\n");
}

TEST_F(NoticesTest, SingleLineFormatPrintsAndRecords) {
  G.notice_flag = G.notice_list_flag = G.notice_format_single = 1;
  EmitTernaryNotice(4, G);
  EXPECT_EQ(Output(), "\n  Notice #23: Line 4, '?' ternary operator identified\n");
  ASSERT_EQ(G.notice_list.size(), 1u);
  EXPECT_EQ(G.notice_list[0].name, "src/a.c");
  EXPECT_EQ(G.notice_list[0].value, 23);
  EXPECT_EQ(G.notice_list[0].line, 4);
}

TEST_F(NoticesTest, TotalsOnlyRunsRecordInsteadOfPrintingTheLongText) {
  G.notice_flag = G.totals_flag = 1;
  EmitTernaryNotice(4, G);
  EXPECT_EQ(Output(), "");
  EXPECT_TRUE(G.notice_list.empty());
  EXPECT_EQ(G.metrics.notice_count, 1);

  G.notice_list_flag = G.notice_format_visual = 1;
  EmitTernaryNotice(9, G);
  EXPECT_EQ(Output(),
            "\nsrc/a.c(9) : Notice #23 - '?' ternary operator identified\n");
  EXPECT_EQ(G.notice_list.size(), 1u);
  EXPECT_EQ(G.metrics.notice_count, 2);
}

TEST_F(NoticesTest, WithoutNoticeOptionsNoticesAreOnlyCounted) {
  EmitTabNotice(2, G);
  EmitTabNotice(2, G);
  EXPECT_EQ(Output(), "");
  EXPECT_EQ(G.notice_type_count[30], 2);
  EXPECT_TRUE(G.notice_list.empty());
}

TEST_F(NoticesTest, NoticeListWithoutALineFormatRecordsSilently) {
  G.notice_flag = 1;
  G.notice_format_single = 1;  // a format without the list flag
  EmitTabNotice(2, G);
  EXPECT_EQ(Output(), "");
  EXPECT_EQ(G.notice_list.size(), 1u);
}

TEST_F(NoticesTest, HtmlOneLineForm) {
  G.notice_flag = G.notice_list_flag = G.notice_format_single = 1;
  G.html_flag = 1;
  EmitTabNotice(12, G);
  EXPECT_EQ(Output(),
            "\n  <FONT COLOR=RED>Notice</FONT> <B>#30</B>: Line <B>12</B>, TAB "
            "character has been identified\n");
}

TEST_F(NoticesTest, ScopeNoticeNamesItsKeywordAndKeywordLine) {
  G.notice_flag = G.notice_list_flag = G.notice_format_visual = 1;
  G.metrics.lines = 9;
  EmitScopeError(7, 4, G);
  EXPECT_EQ(Output(),
            "\nsrc/a.c(7) : Notice #22 - 'if' is not bound with scope braces "
            "{}\n");
  ASSERT_EQ(G.notice_list.size(), 1u);
  EXPECT_EQ(G.notice_list[0].line, 7);

  G.notice_format_visual = 0;
  G.notice_format_single = 1;
  EmitScopeError(3, 1, G);
  EXPECT_EQ(Output(),
            "\n  Notice #22: Line 3, 'do' is not bound with scope braces {}\n");
  G.html_flag = 1;
  EmitScopeError(5, 9, G);
  EXPECT_EQ(Output(),
            "\n  <FONT COLOR=RED>Notice</FONT> <B>#22</B>: Line <B>5</B>, ' ' is "
            "not bound with scope braces {}\n");
}

TEST_F(NoticesTest, ScopeNoticeLongTextAndMacroExemption) {
  G.notice_flag = 1;
  EmitScopeError(6, 3, G);
  EXPECT_EQ(Output(),
            "\n    NOTICE #22: Line 6, The keyword, 'for', appears not to be "
            "delimited\n"
            "           with scope { .. } operators around its content.  This\n"
            "           could cause a maintenance problem where code falls "
            "outside\n"
            "           the intended scope of the 'for' statement.\n");
  G.parse.function_macro = 1;
  EmitScopeError(8, 4, G);
  EXPECT_EQ(Output(), "");
  EXPECT_EQ(G.notice_type_count[22], 1);
}

TEST_F(NoticesTest, PreOperatorsWarnAboutMacrosInsideAMacro) {
  G.notice_flag = 1;
  EmitPreIncrementNotice(3, G);
  EXPECT_EQ(Output(),
            "\n    NOTICE #7: Line 3, pre-increment '++ operator' identified.\n"
            "           This can be a problematic construct in compound "
            "statements.\n");
  G.parse.function_macro = 1;
  EmitPreDecrementNotice(5, G);
  EXPECT_EQ(Output(),
            "\n    NOTICE #6: Line 5, a pre-decrement '-- operator' identified\n"
            "           within a MACRO.  This syntax is non-portable and is\n"
            "           NOT recommended within macro definitions.\n");
}

TEST_F(NoticesTest, CatalogueTextsAreFormattedOnceWithTheLimits) {
  // Before the texts are formatted they follow the limits as they stand.
  G.max_line_length = 120;
  EXPECT_EQ(GetNoticeStr(1, G), "Physical line length exceeds 120 characters");
  G.max_line_length = 100;
  EXPECT_EQ(GetNoticeStr(1, G), "Physical line length exceeds 100 characters");
  FormatNoticeTexts(G);
  G.max_line_length = 50;
  EXPECT_EQ(GetNoticeStr(1, G), "Physical line length exceeds 100 characters");
  EXPECT_EQ(GetNoticeStr(16, G), "Function white space less than 10.0%");
  EXPECT_EQ(GetNoticeStr(39, G),
            "Number of class/struct methods exceeds specified maximum 100 ");
  EXPECT_EQ(GetNoticeStr(45, G), "Notice Maximum Reached");
  for (int n : {0, 46, -1, 1000}) EXPECT_EQ(GetNoticeStr(n, G), "Unsupported");
}

TEST_F(NoticesTest, NoticeSwitchesOutsideTheCatalogue) {
  EXPECT_EQ(GetNoticeFlag(21, G), 0);
  EXPECT_EQ(GetNoticeFlag(1, G), 1);
  EXPECT_EQ(GetNoticeFlag(46, G), -1);
  EXPECT_EQ(GetNoticeFlag(-1, G), -1);
  SetNoticeFlag(46, 0, G);
  SetNoticeFlag(-5, 0, G);
  SetNoticeFlag(21, 1, G);
  EXPECT_EQ(GetNoticeFlag(21, G), 1);
}

TEST_F(NoticesTest, RoutinesWithLimitsStayQuietWithinThem) {
  Notice_Return_Limit(1, G);
  Notice_Logical_Limit(10, G);
  Notice_Interface_Limit(6, G);
  EmitFunctionElocNotice(200, G);
  EmitFunctionCommentNotice(10.0, G);
  EmitFunctionWhitespaceNotice(10.0, G);
  EmitLineLengthNotice(1, 80, G);
  EXPECT_EQ(G.metrics.notice_count, 0);

  G.notice_flag = 1;
  Notice_Return_Limit(3, G);
  EXPECT_EQ(Output(),
            "\n    NOTICE #27: The number of function return points\n"
            "           3 exceeds the specified limit of 1.\n");
  EmitFunctionCommentNotice(4.25, G);
  EXPECT_EQ(Output(), "\n    NOTICE #17: Function comments, 4.2% are less than 10%.\n");
}

TEST_F(NoticesTest, FunctionNameIsMeasuredAfterItsScope) {
  G.notice_flag = 1;
  G.parse.cpp_file = 1;
  G.max_function_name_length = 5;
  EmitFunctionNameNotice("Account::Debit", G);  // "Debit" fits
  EXPECT_EQ(G.metrics.notice_count, 0);
  EmitFunctionNameNotice("Account::Withdraw", G);
  EXPECT_EQ(Output(),
            "\n    NOTICE #2: The function name:\n"
            "           Withdraw\n"
            "           of 8 characters is greater than 5 characters in "
            "length.\n"
            "           This can be a portability and/or maintenance issue.\n");
}

TEST_F(NoticesTest, BreakNoticeOnlyOutsideASwitch) {
  G.parse.switch_flag = 1;
  EmitBreakNotice(3, G);
  EXPECT_EQ(G.notice_type_count[44], 0);
  G.parse.switch_flag = 0;
  EmitBreakNotice(3, G);
  EXPECT_EQ(G.notice_type_count[44], 1);
}

TEST_F(NoticesTest, ClassNoticesKeepTheirConditions) {
  EmitClassPublicDataNotice(1, G);
  EmitClassPointerNotice(1, G);
  EmitClassProtectedDataNotice(1, G);
  EXPECT_EQ(G.metrics.notice_count, 0);  // structs are exempt
  EmitClassPublicDataNotice(0, G);
  EXPECT_EQ(G.notice_type_count[35], 1);

  EmitVirtualDestructorNotice(G);
  EmitMultipleInheritanceNotice("Both", G);
  EmitClassFunctionNotice("class", 500, G);
  EXPECT_EQ(G.metrics.notice_count, 1);  // these need -n (and -o)
  G.notice_flag = 1;
  EmitMultipleInheritanceNotice("Both", G);
  EXPECT_EQ(G.notice_type_count[42], 1);
  EmitVirtualDestructorNotice(G);
  EXPECT_EQ(G.notice_type_count[37], 0);
  G.object_flag = 1;
  EmitVirtualDestructorNotice(G);
  EmitClassFunctionNotice("class", 100, G);
  EXPECT_EQ(G.notice_type_count[37], 1);
  EXPECT_EQ(G.notice_type_count[39], 0);
}

TEST_F(NoticesTest, TreeNoticesUseTheClassFileAndLine) {
  G.notice_flag = G.totals_flag = G.notice_list_flag = 1;
  EmitInheritanceDepthNotice("lib/deep.h", 12, G);
  ASSERT_EQ(G.notice_list.size(), 1u);
  EXPECT_EQ(G.notice_list[0].name, "lib/deep.h");
  EXPECT_EQ(G.notice_list[0].line, 12);
  EXPECT_EQ(Output(),
            "\n  Notice #40: Line 12, Depth of the Inheritance Tree exceeds the "
            "maximum 4 \n");
}

TEST_F(NoticesTest, FileNoticesComeInTheirOrder) {
  G.notice_flag = G.notice_list_flag = G.notice_format_single = 1;
  G.key_string_set = 1;
  G.key_string = "Copyright";
  SetNoticeFlag(21, 1, G);
  G.metrics.lines = 3;
  EmitFileNotices(G);  // an empty file: 0% comments and 0% white space
  EXPECT_EQ(Output(),
            "\n  Notice #20: Line 3, File comment content less 10.0%\n"
            "\n  Notice #19: Line 3, File white space less than 10.0%\n"
            "\n  Notice #21: Line 3, File does not contain key string\n");

  Init_Globals(G);
  G.notice_flag = 1;
  G.metrics.loc = 9;
  G.metrics.comment_lines = 1;  // exactly 10%
  G.metrics.characters = 100;
  G.metrics.spaces = 5;
  EmitFileNotices(G);
  EXPECT_EQ(G.notice_type_count[20], 0);
  EXPECT_EQ(G.notice_type_count[19], 1);
}

TEST_F(NoticesTest, HangingScopesAreReportedOutsideTotalsOnlyRuns) {
  G.metrics.openbrace_count = 3;
  G.metrics.closebrace_count = 2;
  G.totals_flag = 1;
  EXPECT_FALSE(Check_Hanging(G));
  EXPECT_EQ(Output(), "");
  G.totals_flag = 0;
  EXPECT_FALSE(Check_Hanging(G));
  EXPECT_EQ(Output(),
            "\n    NOTICE: The end of the source file has been reached where the\n"
            "            open brace count { 3 != 2 } close brace count \n"
            "            This is an indication of non-compilable code within "
            "the source\n"
            "            file.  KLV processes all source code including code "
            "wrapped\n"
            "            with preprocessor directives.  Accurate metrics "
            "requires that\n"
            "            all code present in this file must be compilable.\n");
  G.metrics.closebrace_count = 3;
  G.parse.local_brace = 1;
  G.parse.funcname_flag = 1;
  G.parse.func_name = "parse";
  // The caller then prints the open function's header, without metrics.
  ASSERT_TRUE(Check_Hanging(G));
  EmitFunction(G);
  EXPECT_EQ(Output(),
            "\n    NOTICE: The end of the source file has been reached where the\n"
            "            local function scope remains open.  The last known "
            "function\n"
            "            will be emitted but metrics cannot be generated in this\n"
            "            condition.\n"
            "  Function: parse\n");
  EXPECT_EQ(G.metrics.notice_count, 0);
}

TEST_F(NoticesTest, EachRoutineRaisesItsOwnNumberAndText) {
  const struct {
    int number;
    void (*raise)(Globals&);
  } routines[] = {
      {3, [](Globals& g) { EmitEllipsisNotice(7, g); }},
      {4, [](Globals& g) { EmitIfAssignmentNotice(7, g); }},
      {5, [](Globals& g) { EmitWhileAssignmentNotice(7, g); }},
      {8, [](Globals& g) { EmitReallocNotice(7, g); }},
      {9, [](Globals& g) { EmitGotoNotice(7, g); }},
      {10, [](Globals& g) { EmitNonAnsiPrototypeNotice(g); }},
      {11, [](Globals& g) { EmitBracketBalanceNotice(g); }},
      {12, [](Globals& g) { EmitParenBalanceNotice(g); }},
      {13, [](Globals& g) { EmitSwitchDefaultNotice(g); }},
      {14, [](Globals& g) { EmitCaseBreakNotice(g); }},
      {15, [](Globals& g) { EmitFriendClassNotice(7, "Pal", g); }},
      {23, [](Globals& g) { EmitTernaryNotice(7, g); }},
      {24, [](Globals& g) { CPP_Symbol(7, "class", g); }},
      {26, [](Globals& g) { EmitVoidStarNotice(7, g); }},
      {30, [](Globals& g) { EmitTabNotice(7, g); }},
      {32, [](Globals& g) { EmitUsingNamespace(7, g); }},
      {33, [](Globals& g) { EmitStructWithinFunction(g); }},
      {33, [](Globals& g) { EmitClassWithinFunction("class", g); }},
      {34, [](Globals& g) { EmitClassPointerNotice(0, g); }},
      {35, [](Globals& g) { EmitClassPublicDataNotice(0, g); }},
      {36, [](Globals& g) { EmitClassProtectedDataNotice(0, g); }},
      {37, [](Globals& g) { EmitVirtualDestructorNotice(g); }},
      {38, [](Globals& g) { EmitExceptionNotice(7, g); }},
      {41, [](Globals& g) { EmitNumberOfChildrenNotice("b.h", 7, g); }},
      {43, [](Globals& g) { EmitContinueNotice(7, g); }},
      {44, [](Globals& g) { EmitBreakNotice(7, g); }},
  };
  G.notice_flag = G.object_flag = 1;
  G.metrics.lines = 7;
  for (int html = 0; html <= 1; ++html) {
    G.html_flag = html;
    for (const auto& r : routines) {
      const int before = G.notice_type_count[r.number];
      r.raise(G);
      EXPECT_EQ(G.notice_type_count[r.number], before + 1) << r.number;
      const std::string text = Output();
      const std::string label =
          html ? "<FONT COLOR=RED>NOTICE</FONT> #" : "    NOTICE #";
      EXPECT_NE(text.find(label + std::to_string(r.number) + ":"),
                std::string::npos)
          << text;
      if (r.number < 10 || r.number > 14) {
        EXPECT_TRUE(text.find("Line 7") != std::string::npos ||
                    text.find("Line: 7") != std::string::npos)
            << text;
      }
    }
  }
}

TEST_F(NoticesTest, SharedPercentAndLimitTexts) {
  G.notice_flag = G.object_flag = 1;
  EmitClassCommentNotice("Struct", 2.5, G);
  EXPECT_EQ(Output(), "\n    NOTICE #31: Struct comments, 2.5% are less than 10%.\n");
  G.min_whitespace_percent = 12.9f;
  EmitClassWhitespaceNotice("Class", 3.0, G);
  EXPECT_EQ(Output(),
            "\n    NOTICE #16: Class white space, 3.0% is less than 12%.\n");
  G.html_flag = 1;
  Notice_Logical_Limit(11, G);
  EXPECT_EQ(Output(),
            "\n    <FONT COLOR=RED>NOTICE</FONT> #28: The function cyclomatic "
            "complexity of\n"
            "           <B>11</B> exceeds the specified limit of <B>10</B>.\n");
  Notice_Interface_Limit(7, G);
  EXPECT_EQ(Output(),
            "\n    <FONT COLOR=RED>NOTICE</FONT> #29: The number of function "
            "input parameters,\n"
            "           <B>7</B> exceeds the specified limit of <B>6</B>.\n");
  EmitFunctionWhitespaceNotice(9.95, G);
  EXPECT_EQ(Output(),
            "\n    <FONT COLOR=RED>NOTICE</FONT> #16: Function white space, "
            "<B>9.9%</B> is less than <B>12%</B>.\n");
}

TEST_F(NoticesTest, ARunOfTabNoticesCountsAlikeWhetherShownOrOnlyCounted) {
  // Only counted: the run is counted at once.
  EmitTabNotice(2, G, 3);
  EXPECT_EQ(G.metrics.notice_count, 3);
  EXPECT_EQ(G.notice_type_count[30], 3);
  EXPECT_EQ(Output(), "");
  // Listed and kept for the structured reports: one entry per TAB.
  G.notice_list_flag = 1;
  G.keep_figures = 1;
  G.file_figures.push_back({});
  G.file_figures.back().name = G.file_name;
  EmitTabNotice(5, G, 2);
  EXPECT_EQ(G.metrics.notice_count, 5);
  EXPECT_EQ(G.notice_type_count[30], 5);
  ASSERT_EQ(G.notice_list.size(), 2u);
  EXPECT_EQ(G.notice_list[1].line, 5);
  EXPECT_EQ(G.issued_notices.size(), 2u);
  // Disabled: neither way counts it.
  G.notice_list_flag = G.keep_figures = 0;
  SetNoticeFlag(30, 0, G);
  EmitTabNotice(6, G, 4);
  EXPECT_EQ(G.metrics.notice_count, 5);
}

}  // namespace
