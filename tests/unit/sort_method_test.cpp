// The line that names the order of a sorted report, in text, HTML and
// automated (CSV) mode.
#include <gtest/gtest.h>

#include <string>

#include "base/globals.h"
#include "reports/sort_method.h"
#include "base/output.h"
#include "output_capture.h"

namespace {

// Runs ShowSortMethod with the given mode and returns what it wrote.
std::string SortLine(int key, int html, int automated) {
  Globals G;
  G.sort_key = key;
  G.html_flag = html;
  G.automated_mode = automated;
  return Capture(G, [](Globals& g) { ShowSortMethod(g); });
}

TEST(ShowSortMethod, TextTitlesAreCentredAboutColumnThirtyEight) {
  // One blank, then 37 less half the title's length.
  EXPECT_EQ(SortLine(0, 0, 0), std::string(31, ' ') + "No Sort Method\n");
  EXPECT_EQ(SortLine(2, 0, 0), std::string(32, ' ') + "Sorted By LOC\n");
  EXPECT_EQ(SortLine(5, 0, 0),
            std::string(23, ' ') + "Sorted By Cyclomatic Complexity\n");
  EXPECT_EQ(SortLine(7, 0, 0), std::string(31, ' ') + "No Sort Method\n");
  EXPECT_STREQ(SortMethodTitle(1), "Sorted By Name");
  EXPECT_STREQ(SortMethodTitle(3), "Sorted By eLOC");
  EXPECT_STREQ(SortMethodTitle(4), "Sorted By lLOC");
  EXPECT_STREQ(SortMethodTitle(6), "Sorted By State");
}

TEST(ShowSortMethod, AutomatedModeWritesAtTheLeftMargin) {
  EXPECT_EQ(SortLine(6, 0, 1), "Sorted By State\n");
  EXPECT_EQ(SortLine(-1, 0, 1), "No Sort Method\n");
}

TEST(ShowSortMethod, HtmlIsBoldInHeaderColourCentredByThePlainTitle) {
  EXPECT_EQ(SortLine(1, 1, 0),
            std::string(31, ' ') +
                "<FONT COLOR=BROWN><B>Sorted By Name</B></FONT>\n");
  EXPECT_EQ(SortLine(5, 1, 1),
            std::string(23, ' ') +
                "<FONT COLOR=BROWN><B>Sorted By Cyclomatic Complexity</B>"
                "</FONT>\n");
  // LOC, eLOC and lLOC start with an empty line.
  EXPECT_EQ(SortLine(2, 1, 0),
            "\n" + std::string(32, ' ') +
                "<FONT COLOR=BROWN><B>Sorted By LOC</B></FONT>\n");
  EXPECT_EQ(SortLine(4, 1, 0),
            "\n" + std::string(31, ' ') +
                "<FONT COLOR=BROWN><B>Sorted By lLOC</B></FONT>\n");
  EXPECT_EQ(SortLine(9, 1, 0),
            std::string(31, ' ') +
                "<FONT COLOR=BROWN><B>No Sort Method</B></FONT>\n");
}

}  // namespace
