// The printable code listing: number column, wrapping, page header, pages.
#include "listing/listing.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "driver/options.h"
#include "test_support.h"

namespace {

TEST(PutLine, NumberColumnAndMargin) {
  CapturedRun c;
  SetLeftMargin(c.G);
  EXPECT_EQ(PutLine("x = 1;\n", 7, c.G, c.G), 1);
  EXPECT_EQ(c.Output(), "         7| x = 1;\n");
}

TEST(PutLine, LineOfExactlyTheWidthPlusLineEndTakesTwoLines) {
  CapturedRun c;
  const std::string text(73, 'a');
  EXPECT_EQ(PutLine(text + "\n", 1, c.G, c.G), 2);
  EXPECT_EQ(c.Output(), "    1| " + text + "\n     | \n");
}

TEST(PutLine, LongLineWrapsIntoPieces) {
  CapturedRun c;
  const std::string text(200, 'b');
  EXPECT_EQ(PutLine(text + "\n", 123456, c.G, c.G), 3);
  EXPECT_EQ(c.Output(), "123456| " + std::string(73, 'b') + "\n     | " +
                          std::string(73, 'b') + "\n     | " +
                          std::string(54, 'b') + "\n");
}

TEST(PutLine, HtmlEscapesTheText) {
  CapturedRun c;
  c.G.html_flag = 1;
  PutLine("if (a < b && c > d)\n", 3, c.G, c.G);
  EXPECT_EQ(c.Output(), "    3| if (a &lt; b &amp;&amp; c &gt; d)\n");
}

TEST(PutLine, LastLineWithoutLineEndStillEndsItsLine) {
  CapturedRun c;
  PutLine("tail", 9, c.G, c.G);
  EXPECT_EQ(c.Output(), "    9| tail\n");
}

TEST(SetBars, RulesAndCentredTitle) {
  CapturedRun c;
  SetLeftMargin(c.G);
  SetBars(c.G);
  EXPECT_EQ(c.G.top_bar, "     " + std::string(80, '_') + "\n\n");
  EXPECT_EQ(c.G.bottom_bar, "     " + std::string(80, '_') + "\n");
  // 80/2 - 16/2 + 5 = 37 blanks.
  EXPECT_EQ(c.G.title_line, std::string(37, ' ') + "KLV Code Listing\n");
}

TEST(SetBars, TitleWiderThanTheLineEndsTheRun) {
  CapturedRun c;
  c.G.line_length = 20;
  c.G.listing_header = std::string(21, 'T');
  try {
    SetBars(c.G);
    FAIL() << "expected the run to end";
  } catch (const ExitRequest& e) {
    EXPECT_EQ(e.status, 1);
  }
  EXPECT_EQ(c.Output(),
            "\n  Error: The Specified header length (21) exceeds\n"
            "         the available line length (20). \n         Header: " +
                std::string(21, 'T') + "\n");
}

TEST(PrintCode, PagesBreakAndTheLastPageIsFilled) {
  CapturedRun c;
  c.G.left_margin = 0;
  c.G.top_margin = 0;
  c.G.line_length = 30;
  c.G.page_length = 9;  // three text lines a page: 1 + 3 > 9 - 6
  c.G.no_page_breaks = 0;
  c.G.listing_header = "T";
  SetLeftMargin(c.G);
  SetBars(c.G);
  FILE* f = tmpfile();
  fputs("a\nb\nc\nd\n", f);
  rewind(f);
  PrintCode(f, "/nonexistent/x.c", c.G);
  fclose(f);
  const std::string rule(30, '_');
  // File line: 15 - 16/2 ... padded to 30 - 1 - 6 = 23 characters.
  std::string header1 = std::string(15, ' ') + "T\n";
  std::string text = c.Output();
  EXPECT_EQ(text.substr(0, header1.size()), header1);
  EXPECT_NE(text.find("Page: 1\n"), std::string::npos);
  EXPECT_NE(text.find(rule + "\n\f\n"), std::string::npos);
  EXPECT_NE(text.find("Page: 2\n"), std::string::npos);
  // Page 2 holds line 4 and two filler lines before the closing rule.
  EXPECT_EQ(text.substr(text.size() - (rule.size() + 2 + 2 + 9)),
            "    4| d\n\n\n" + rule + "\n\n");
}

}  // namespace
