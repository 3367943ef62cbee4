// Shared report pieces: centring, name wrapping, links, metric lines.
#include <gtest/gtest.h>

#include <string>

#include "reports/framing.h"
#include "reports/metric_lines.h"
#include "base/output.h"
#include "reports/summaries.h"
#include "test_support.h"

namespace {

TEST(Center, TitleIsCentredAboutColumnThirtyEight) {
  CapturedRun c;
  Center(c.G, std::string(20, 'x').c_str());
  Center(c.G, std::string(74, 'y').c_str());
  Center(c.G, std::string(75, 'z').c_str());
  Center(c.G, std::string(120, 'w').c_str());
  EXPECT_EQ(c.Output(), std::string(28, ' ') + std::string(20, 'x') + "\n" +
                          " " + std::string(74, 'y') + "\n" + " " +
                          std::string(75, 'z') + "\n" + " " +
                          std::string(120, 'w') + "\n");
}

TEST(Center, HtmlFormCentresByThePlainText) {
  CapturedRun c;
  Center_HTML(c.G, "abcd", "<B>abcd</B>");
  EXPECT_EQ(c.Output(), std::string(36, ' ') + "<B>abcd</B>\n");
}

TEST(AdjNameLength, WrapsEveryWidthCharactersWithIndent) {
  CapturedRun c;
  const std::string name = std::string(66, 'a') + std::string(66, 'b') +
                           std::string(18, 'c');
  EXPECT_EQ(AdjNameLength(name, 66, 8, c.G),
            std::string(66, 'a') + "\n        " + std::string(66, 'b') +
                "\n        " + std::string(18, 'c'));
}

TEST(AdjNameLength, NameOfExactlyWidthIsNotWrapped) {
  CapturedRun c;
  const std::string name(59, 'n');
  EXPECT_EQ(AdjNameLength(name, 59, 15, c.G), name);
}

TEST(AdjNameLength, WrappingSwitchedOffKeepsOneLine) {
  CapturedRun c;
  c.G.wrap_names = 0;
  const std::string name(150, 'q');
  EXPECT_EQ(AdjNameLength(name, 66, 8, c.G), name);
}

TEST(AdjNameLength, HugeNameIsCutSafely) {
  CapturedRun c;
  const std::string name(20000, 'r');
  std::string out = AdjNameLength(name, 10, 4, c.G);
  EXPECT_LE(out.size(), 4094u);
  EXPECT_EQ(out.substr(0, 15), "rrrrrrrrrr\n    ");
}

TEST(Links, RelativeLinksKeepThePath) {
  CapturedRun c;
  EXPECT_EQ(HTMLPathFile("src/a.c", c.G), "src/a.c");
  EXPECT_EQ(HTMLPathFile("/usr/x.c", c.G), "/usr/x.c");
}

TEST(Links, AbsoluteLinksAddTheStartDirectory) {
  CapturedRun c;
  c.G.relative_html_links = 0;
  c.G.current_dir = "/home/p";
  EXPECT_EQ(HTMLPathFile("src/a.c", c.G), "file:///home/p/src/a.c");
  EXPECT_EQ(HTMLPathFile("./a.c", c.G), "file:///home/p/a.c");
  EXPECT_EQ(HTMLPathFile("/usr/x.c", c.G), "file:///usr/x.c");
  EXPECT_EQ(HTMLPathFile("c:\\src\\a.c", c.G), "file://c:\\src\\a.c");
}

TEST(Links, TrailingSlashIsRemovedFromTheCallersPath) {
  CapturedRun c;
  std::string path = "src/dir/";
  EXPECT_EQ(PathFile(path, c.G), "src/dir");
  EXPECT_EQ(path, "src/dir");
}

TEST(HtmlTemplate, EscapesTheThreeSpecialCharacters) {
  EXPECT_EQ(HTML_template("operator<<"), "operator&lt;&lt;");
  EXPECT_EQ(HTML_template("a&b>c"), "a&amp;b&gt;c");
}

TEST(MetricLines, LocLineColumns) {
  CapturedRun c;
  LOCLine(12, 10, 8, 3, 15, c.G, c.G);
  EXPECT_EQ(c.Output(),
            "  LOC 12       eLOC 10       lLOC 8        Comment 3        "
            "Lines       15\n");
}

TEST(MetricLines, NegativeValuesShowAsZeroExceptLines) {
  CapturedRun c;
  LOCLine(1, -2, -1, -5, -3, c.G, c.G);
  EXPECT_EQ(c.Output(),
            "  LOC 1        eLOC 0        lLOC 0        Comment 0        "
            "Lines       -3\n");
}

TEST(MetricLines, ComplexityLineOnlyWithComplexityFlag) {
  CapturedRun c;
  ComplexLine(2, 1, 4, c.G, c.G);
  EXPECT_EQ(c.Output(), "");
  c.G.complexity_flag = 1;
  ComplexLine(2, 1, 4, c.G, c.G);
  EXPECT_EQ(c.Output(),
            "  Complexity   Param 2       Return 1      Cyclo Vg 4       "
            "Total        7\n");
}

TEST(MetricLines, HtmlLabelsAreBold) {
  CapturedRun c;
  c.G.html_flag = 1;
  LOCLine(1, 1, 1, 0, 2, c.G, c.G);
  EXPECT_EQ(c.Output(),
            "  <B>LOC</B> 1        <B>eLOC</B> 1        <B>lLOC</B> 1      "
            "  <B>Comment</B> 0        <B>Lines</B>        2\n");
}

TEST(Header, SectionTitlesInOrder) {
  CapturedRun c;
  c.G.comment_doc_flag = 1;
  c.G.function_flag = 1;
  c.G.template_mode_flag = 1;
  c.G.extract_comments = 1;
  ShowFMCHeader(c.G, c.G);
  EXPECT_EQ(c.Output(), std::string(27, ' ') + "~~ Function Metrics ~~\n" +
                          std::string(24, ' ') +
                          "~~ Template Identification ~~\n" +
                          std::string(25, ' ') +
                          "~~ Comment Documentation ~~\n" +
                          std::string(24, ' ') +
                          "~~ Comment Extraction Mode ~~\n");
}

TEST(Header, MacroTitleOnlyWithoutNotices) {
  CapturedRun alone;
  alone.G.macro_flag = 1;
  ShowFMCHeader(alone.G, alone.G);
  EXPECT_NE(alone.Output().find("~~ Macro Metrics ~~"), std::string::npos);
  CapturedRun with_notices;
  with_notices.G.macro_flag = 1;
  with_notices.G.notice_flag = 1;
  ShowFMCHeader(with_notices.G, with_notices.G);
  EXPECT_EQ(with_notices.Output().find("~~ Macro Metrics ~~"), std::string::npos);
}

TEST(Header, TotalsOnlyModeWritesNoTitles) {
  CapturedRun c;
  c.G.totals_flag = 1;
  c.G.function_flag = 1;
  ShowFMCHeader(c.G, c.G);
  EXPECT_EQ(c.Output(), "");
}

TEST(TotalSummary, PlainRunWritesOnlyTheLocLine) {
  CapturedRun c;
  c.G.summary_flag = 1;
  c.G.metrics.loc = 5;
  c.G.metrics.lines = 7;
  ShowTotalSummary(c.G, 0);
  EXPECT_EQ(c.Output(),
            "  LOC 5        eLOC 5        lLOC 0        Comment 0        "
            "Lines        7\n");
}

TEST(TotalSummary, CsvProjectRatioIsZeroWithoutEloc) {
  CapturedRun c;
  c.G.csv_mode = 1;
  c.G.metrics.comment_lines = 4;
  ShowTotalSummary(c.G, 0);
  EXPECT_EQ(c.Output(), "");
  ShowTotalSummary(c.G, 1);
  EXPECT_EQ(c.Output(),
            "\nProject,Total,LOC,eLOC,lLOC,Comment,Comment/eLOC,Lines\n"
            " , ,0,0,0,4,0.00,0\n\n");
}

TEST(MemorySummary, NothingWithoutMemoryCalls) {
  CapturedRun c;
  ShowMemorySummary(c.G);
  EXPECT_EQ(c.Output(), "");
  c.G.metrics.new_count = 2;
  ShowMemorySummary(c.G);
  EXPECT_NE(c.Output().find("  Memory new count ......:          2"),
            std::string::npos);
}

TEST(CsvRows, ClosingRowsAbsentWithoutFiles) {
  CapturedRun c;
  CSV_File_Line("total", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, c.G);
  EXPECT_EQ(c.Output(), "");
}

TEST(CsvRows, StatisticsOverTwoFiles) {
  CapturedRun c;
  CSV_File_Line("a.c", 0, 100, 10, 8, 6, 4, 2, 16, 0, 1, 2, 1, 3, 0, 0, c.G);
  CSV_File_Line("b.c", 0, 50, 20, 0, 2, 1, 0, 21, 1, 0, 0, 0, 0, 2, 0, c.G);
  std::string rows = c.Output();
  CSV_File_Line("total", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, c.G);
  std::string closing = c.Output().substr(rows.size());
  EXPECT_EQ(closing,
            "Files, 2\n"
            "File, Total, , 150, 30, 8, 8, 5, 2, 37, 0.50, 1, 1, 2, 1, 3, 3, "
            "6, 2\n"
            "File, Average, , 75.00, 15.00, 4.00, 4.00, 2.50, 1.00, 18.50, "
            "0.25, 0.50, 0.50, 1.00, 0.50, 1.50, 1.50, 3.00, 1.00\n"
            "File, Maximum, , 100, 20, 8, 6, 4, 2, 21, 0.50, 1, 1, 2, 1, 3, 3, "
            "6, 2\n"
            "File, Minimum, , 50, 10, 0, 2, 1, 0, 16, 0.00, 0, 0, 0, 0, 0, 0, "
            "0, 0\n");
  // The accumulators are cleared after the closing rows.
  CSV_File_Line("total", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, c.G);
  EXPECT_EQ(c.Output().size(), rows.size() + closing.size());
}

}  // namespace
