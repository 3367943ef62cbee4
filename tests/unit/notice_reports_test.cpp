// The notice summary, the quality profile and the notice density.
#include <gtest/gtest.h>

#include <string>

#include "base/globals.h"
#include "reports/notice_reports.h"
#include "output_capture.h"

namespace {

class NoticeReportsTest : public ::testing::Test {
 protected:
  void SetUp() override { Init_Globals(G); }

  static void QualityProfile(Globals& g) { ShowQualityProfile(g, g); }

  template <typename Show>
  std::string Capture(Show show) {
    return ::Capture(G, show);
  }

  void Record(const char* file, int line, int n) {
    G.notice_list.push_back(NameData{file, "", n, line});
    ++G.notice_type_count[n];
  }

  Globals G;
};

const std::string kHyphens(72, '-');
const std::string kUnderscores(72, '_');

TEST_F(NoticeReportsTest, SummaryIsLeftOutWithoutRecordedNotices) {
  G.notice_type_count[23] = 4;  // counted, but printed verbosely
  EXPECT_EQ(Capture(ShowNoticeSummary), "");
}

TEST_F(NoticeReportsTest, SummaryListsNoticesInRecordingOrder) {
  Record("src/b.c", 3, 30);
  Record("src/a.c", 12, 1);
  EXPECT_EQ(Capture(ShowNoticeSummary),
            "\n  " + kHyphens + "\n\n" +
                "                        ~~ Quality Notice Summary ~~\n"
                "\n"
                "  Total Quality Notices: 2\n"
                "  src/b.c - Notice #30: Line 3, TAB character has been "
                "identified\n"
                "  src/a.c - Notice # 1: Line 12, Physical line length "
                "exceeds 80 characters\n");
}

TEST_F(NoticeReportsTest, SortedSummaryReversesTheNoticesOfOneFile) {
  G.sort_flag = 1;
  G.notice_format_visual = 1;
  Record("b.c", 1, 23);
  Record("a.c", 2, 23);
  Record("b.c", 3, 30);
  Record("a.c", 4, 30);
  const std::string text = Capture(ShowNoticeSummary);
  EXPECT_NE(text.find("  Total Quality Notices: 4\n"
                      "a.c(4) : Notice #30 - TAB character has been "
                      "identified\n"
                      "a.c(2) : Notice #23 - '?' ternary operator identified\n"
                      "b.c(3) : Notice #30 - TAB character has been "
                      "identified\n"
                      "b.c(1) : Notice #23 - '?' ternary operator "
                      "identified\n"),
            std::string::npos)
      << text;
}

TEST_F(NoticeReportsTest, CsvAndHtmlSummaryLines) {
  Record("src/a.c", 7, 6);
  G.csv_mode = 1;
  EXPECT_EQ(Capture(ShowNoticeSummary),
            "Total Quality Notices. 1\n\n"
            "Filename, Notice, Line, Description\n"
            "src/a.c,  6, 7, Pre-decrement operator '--' identified\n");
  G.csv_mode = 0;
  G.html_flag = 1;
  const std::string text = Capture(ShowNoticeSummary);
  EXPECT_EQ(text.find("\n  " + kHyphens + "\n\n<FONT COLOR=BROWN><B>"), 0u);
  EXPECT_NE(text.find("~~ Quality Notice Summary ~~\n</B></FONT>\n"),
            std::string::npos);
  EXPECT_NE(text.find("  <a href=\"src/a.c\">a.c</a> - <FONT COLOR=RED>Notice"
                      "</FONT> <B># 6</B>: Line <B>7</B>, Pre-decrement "
                      "operator '--' identified\n"),
            std::string::npos);
}

TEST_F(NoticeReportsTest, SummaryLinesAreCutAtTheirLimit) {
  const std::string long_name(5000, 'x');
  G.notice_list.push_back(NameData{long_name, "", 30, 1});
  NameData notice{long_name, "", 30, 1};
  const std::string line =
      Capture([&](Globals& g) { NoticeDataShow(notice, g, g); });
  EXPECT_EQ(line.size(), 4094u);
  EXPECT_EQ(line.substr(0, 4), "  xx");
}

TEST_F(NoticeReportsTest, ProfileCountsEachTypeAndItsShare) {
  G.notice_type_count[1] = 1;
  G.notice_type_count[30] = 3;
  G.metrics.loc = 40;
  G.metrics.brace_lines = 10;
  G.metrics.paren_lines = 5;
  G.metrics.statements = 21;
  G.metrics.for_count = 1;
  EXPECT_EQ(Capture(QualityProfile),
            "  " + kHyphens + "\n" +
                "                        ~~ Project Quality Profile ~~\n"
                "\n"
                "  Type  Count Percent  Quality Notice\n"
                "  " +
                kUnderscores + "\n\n" +
                "  1         1   25.00  Physical line length exceeds 80 "
                "characters\n"
                "  30        3   75.00  TAB character has been identified\n"
                "  " +
                kUnderscores + "\n\n" +
                "            4  100.00  Total Quality Notices\n"
                "\n"
                "                        ~~ Quality Notice Density ~~\n"
                "\n"
                "  Basis: 1000 (K)\n"
                "\n"
                "  Quality Notices/K LOC   =      100.0 ( 10.00%)\n"
                "  Quality Notices/K eLOC  =      160.0 ( 16.00%)\n"
                "  Quality Notices/K lLOC  =      200.0 ( 20.00%)\n");
}

TEST_F(NoticeReportsTest, ProfileWithoutNoticesOrCode) {
  G.metrics.loc = 3;
  G.metrics.brace_lines = 3;
  const std::string text = Capture(QualityProfile);
  EXPECT_NE(text.find("Quality Notice\n  " + kUnderscores + "\n\n  " +
                      kUnderscores + "\n\n            0  100.00  Total "
                                     "Quality Notices\n"),
            std::string::npos);
  // Only the LOC base is above 0.
  EXPECT_EQ(text.substr(text.find("  Basis")),
            "  Basis: 1000 (K)\n\n"
            "  Quality Notices/K LOC   =        0.0 (  0.00%)\n");

  G.csv_mode = 1;
  EXPECT_EQ(Capture(QualityProfile), "");
}

TEST_F(NoticeReportsTest, HtmlProfileRows) {
  G.html_flag = 1;
  G.notice_type_count[7] = 2;
  const std::string text = Capture(QualityProfile);
  EXPECT_NE(text.find("  <B>Type  Count Percent  Quality Notice</B>\n"),
            std::string::npos);
  EXPECT_NE(text.find("  <FONT COLOR=RED><B>7 </B></FONT>  <FONT COLOR=GREEN>"
                      "<B>      2</B></FONT>  <FONT COLOR=PURPLE><B>100.00</B>"
                      "</FONT>  <B>Pre-increment operator '++' identified</B>"
                      "\n"),
            std::string::npos);
  EXPECT_NE(text.find("      <FONT COLOR=GREEN><B>      2</B></FONT>  <FONT "
                      "COLOR=PURPLE><B>100.00</B></FONT>  <B><B>Total Quality "
                      "Notices</B></B>\n\n"),
            std::string::npos);
}

}  // namespace
