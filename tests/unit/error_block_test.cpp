// Error blocks: how the lines of a message are laid out, and where they go.
#include "base/error_block.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/globals.h"
#include "output_capture.h"

namespace {

TEST(ErrorBlockTest, FurtherLinesStartUnderTheTextOfTheFirst) {
  EXPECT_EQ(ErrorText({"Invalid report file type"}),
            "\n  Error: Invalid report file type\n");
  EXPECT_EQ(ErrorText({"Configuration file klv.cfg", "Printed Top Margin: 101",
                       "The value must be from 0 to 100."},
                      {.blank_after = true}),
            "\n  Error: Configuration file klv.cfg\n"
            "         Printed Top Margin: 101\n"
            "         The value must be from 0 to 100.\n\n");
  // Under a label without a margin the further lines move with it.
  EXPECT_EQ(ErrorText({"Internal Error, GetClassname... Aborting", "Line: x"},
                      {.label = "ERROR", .margin = 0, .blank_before = false}),
            "ERROR: Internal Error, GetClassname... Aborting\n"
            "       Line: x\n");
}

TEST(ErrorBlockTest, AnEmptyFurtherLineHoldsNoBlanks) {
  EXPECT_EQ(ErrorText({"For the specified parameter: -r", "missing.", "",
                       "i.e.  klv -r c ."},
                      {.blank_after = true}),
            "\n  Error: For the specified parameter: -r\n"
            "         missing.\n"
            "\n"
            "         i.e.  klv -r c .\n\n");
  // An empty first line still ends its line.
  EXPECT_EQ(ErrorText({""}), "\n  Error: \n");
}

TEST(ErrorBlockTest, OtherLabelsIndentsAndAnOpenLastLine) {
  EXPECT_EQ(ErrorText({"No such file or directory : nodir/"},
                      {.label = "Open Dir Error", .blank_before = false}),
            "  Open Dir Error: No such file or directory : nodir/\n");
  EXPECT_EQ(ErrorText({"w.dat - Permission denied"},
                      {.label = "Create File Error"}),
            "\n  Create File Error: w.dat - Permission denied\n");
  EXPECT_EQ(ErrorText({" Could not open output file", "Filename: o.txt"},
                      {.indent = 10, .blank_after = true}),
            "\n  Error:  Could not open output file\n"
            "          Filename: o.txt\n\n");
  // Without a line end the last line is left open, and no blank line
  // follows it.
  EXPECT_EQ(ErrorText({"Failed to open the file a.dat", "Is a directory"},
                      {.indent = 2, .line_end = false}),
            "\n  Error: Failed to open the file a.dat\n  Is a directory");
  EXPECT_EQ(ErrorText({"Unexpected line length with no line feed"},
                      {.blank_before = false, .line_end = false}),
            "  Error: Unexpected line length with no line feed");
}

TEST(ErrorBlockTest, ErrorsOnTheOutputStreamKeepTheirPlaceAmongReportLines) {
  Globals G;
  OutputCapture capture(G);
  Out(G, "  File: a.c\n");
  OutError(G, {"Nested Class indexing"});
  OutMemoryError(G, ENOMEM);
  Out(G, "  LOC 1\n");
  EXPECT_EQ(capture.Take(),
            "  File: a.c\n"
            "\n  Error: Nested Class indexing\n"
            "  Memory Error: Cannot allocate memory\n"
            "  LOC 1\n");
}

TEST(ErrorBlockTest, ADirectErrorBypassesReportTextStillWaiting) {
  Globals G;
  OutputCapture capture(G);
  char* buffer = nullptr;
  size_t size = 0;
  FILE* side = open_memstream(&buffer, &size);
  ASSERT_NE(side, nullptr);
  Out(G, "  report line\n");
  WriteError(side, {"Cannot write the SARIF log x.sarif", "Is a directory"});
  fflush(side);
  EXPECT_EQ(std::string(buffer, size),
            "\n  Error: Cannot write the SARIF log x.sarif\n"
            "         Is a directory\n");
  // The report text is still the output stream's alone.
  EXPECT_EQ(capture.Take(), "  report line\n");
  fclose(side);
  free(buffer);
}

}  // namespace
