// The help screens: the syntax text, the order and first lines of the help
// document, and the notice list.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/globals.h"
#include "driver/help.h"
#include "output_capture.h"

namespace {

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    Init_Globals(G);
    G.program_name = "/usr/local/bin/klv";
  }
  Globals G;
};

TEST_F(HelpTest, SyntaxTextHasItsRowsWithTheProgramNameUnchanged) {
  const std::string text = Capture(G, [](Globals& g) { ShowAllSyntax(g, g); });
  int rows = 0;
  for (char c : text) rows += c == '\n';
  EXPECT_EQ(rows, 87);  // with -j and the two long options
  EXPECT_EQ(text.rfind("  Syntax: /usr/local/bin/klv <-option -option "
                       "parameter> filename or wild cards\n"
                       "          -A Automated CSV output mode\n"
                       "             -A -f   Functions and Files\n",
                       0),
            0u);
  EXPECT_NE(text.find("             -Dt  Remove tabs \\t\n"), std::string::npos);
  EXPECT_NE(text.find("          -F \"FileList.txt\"  Input mode from a file "
                      "list\n"),
            std::string::npos);
  const std::string tail =
      "          -y Display configuration parameters, export klv.cfg\n"
      "          --json=FILE   Every figure of the run as a JSON document\n"
      "          --sarif=FILE  Quality notices as a SARIF 2.1.0 log\n"
      "\n"
      "          filename or *.c *.h ../src/*.c etc.\n";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST_F(HelpTest, HelpDocumentStartsWithTheSyntaxText) {
  const std::string syntax =
      Capture(G, [](Globals& g) { ShowAllSyntax(g, g); });
  const std::string help = Capture(G, [](Globals& g) { ShowHelp(g, g); });
  const std::string manual =
      "                                 KLV Manual\n\n" + syntax + "\n\n";
  EXPECT_NE(help.find(manual), std::string::npos);
}

TEST_F(HelpTest, HelpDocumentHasItsChaptersAndSectionsInOrder) {
  const std::string help = Capture(G, [](Globals& g) { ShowHelp(g, g); });
  const std::string rule = "\n  " + std::string(72, '-') + "\n";
  const std::vector<std::string> chapters = {
      "~ KLV - Tarvelon ~\n\n"
      "  Tarvelon provides a standardized approach to measure the\n",
      "~ Source Code Metrics and Analysis ~\n\n"
      "  KLV measures source code for quantity and quality metrics.  Size "
      "metrics\n",
      "~ Program Operation ~\n\n"
      "  Source files may be processed via wild cards, recursively down a "
      "file tree\n",
      "~ Operation Step by Step ~\n\n"
      "  KLV is designed to operate according to the following process.\n",
      "~ Program Configuration ~\n\n"
      "  KLV is configured from a configuration file, klv.cfg.  If the "
      "configuration\n",
      "~ Source File Requirements ~\n\n"
      "  KLV is designed to process only source code from the C, ANSI C, "
      "C++\n",
      "~ Switches and Options ~\n\n"
      "  KLV uses runtime switches to configure its operation.  There are "
      "two types\n",
      "~ Files/Directories Names and Wild Cards ~\n\n"
      "  The Windows operating system requires DOS type paths and "
      "filenames. The UNIX\n",
      "~ Source Code File Input Modes ~\n\n"
      "  KLV processes files in one of four modes.  Modes cannot be "
      "mixed.\n",
      "~ Program Output Modes ~\n\n"
      "  KLV can output its reports in three modes.  Modes cannot be "
      "mixed.\n",
      "~ Program Output File Formats ~\n\n"
      "  KLV can create reports in three formats, text, HTML and CSV.\n",
      "~ Run Time Switch Options ~\n\n"
      "  The options shown with an asterisk '*' can be aggregated together "
      "to form\n",
  };
  const struct {
    const char* title;
    const char* syntax;
    const char* first;
  } sections[] = {
      {"Automated CSV File Output Mode", "-A<mode>",
       "The CSV mode creates a Comma Separated Variables output for import"},
      {"* Allocation/De-allocation of Memory Mode", "-a",
       "Produces metrics on memory creation through the counting of "
       "instances"},
      {"* Benchmark Mode", "-b",
       "This mode tracks the CPU, User, Wait and elapsed time for the "
       "running"},
      {"* Comment Documentation Mode", "-C",
       "This mode extracts comments relative to functions and classes for "
       "the"},
      {"* Complexity Mode", "-c",
       "This mode measures both cyclomatic complexity and function "
       "interface"},
      {"De-Character Source Files", "-D<mode>",
       "De-character source code to remove tabs and convert source code "
       "from"},
      {"Deterministic Mode", "-d",
       "This mode will show the user how a line of code is interpreted by "
       "KLV"},
      {"Extract Strings or Comments from Source Code", "-E<mode>",
       "Extract strings or comments from a source file.  This feature "
       "allows"},
      {"* Estimation Analysis Based on LOC and Complexity", "-e",
       "Estimation analysis presents LOC, eLOC, lLOC per: function"},
      {"* File List Mode", "-F <FileList.txt>",
       "This mode will process files and directories from a text list "
       "file."},
      {"* Function Analysis Mode", "-f",
       "Functional analysis mode determines the functions in a source file "
       "and"},
      {"* HTML Output Mode", "-H",
       "This mode creates HTML output with color, fonts and hyperlinks to "
       "the report"},
      {"Help Mode", "-h<mode>",
       "Produces the help output.  Such output can be printed under UNIX"},
      {"* Inheritance Tree Generation", "-i",
       "This mode will generate an inheritance tree of all classes in the"},
      {"* Key Project Sort Method", "-k<mode>",
       "This mode will sort the project summary data as specified by the "
       "key"},
      {"* List Function Name Mode", "-l",
       "This mode produces a list of functions that can be cut and pasted "
       "from"},
      {"* Macro Mode", "-m",
       "Macro mode is similar to function mode except it reports the names "
       "of"},
      {"* Quality Notice Format Mode", "-N<mode>",
       "Quality notices by default are displayed in a verbose format."},
      {"* Quality Notice Mode", "-n",
       "Turns on quality checking on the source for approximately 50"},
      {"* Output Report to a file", "-O <filename>",
       "This mode routes the KLV report from the stdout or screen to a "
       "file."},
      {"* Object Class/Struct Metrics", "-o",
       "This mode details metrics for each class specification identified"},
      {"Print Format, Code Listing Mode", "-p",
       "This mode generates a code listing for the files specified by"},
      {"* Read File Processing Options", "-R<mode>",
       "KLV processes files from 1 of four modes."},
      {"* Recursive Descent Mode", "-r <type> <dir>",
       "Recursive descent mode will process all the specified files"},
      {"* Summary Mode", "-s",
       "Summary mode summarizes the LOC, eLOC comments and blanks per "
       "file."},
      {"* Totals Only Mode", "-T<mode>",
       "This mode only displays project totals for all files processed."},
      {"* Verbose Mode", "-v",
       "Verbose output shows many metrics for each file and a grand"},
      {"Work Analysis Based on LOC Metric Differentials", "-w<mode>",
       "Work analysis is the capability to track LOC metrics on a "
       "specific"},
      {"KLV Configuration Parameters", "-y or -hc",
       "This option shows the KLV configuration parameters.  These "
       "settings"},
  };
  size_t at = help.find("filename or *.c *.h ../src/*.c etc.\n\n\n");
  ASSERT_NE(at, std::string::npos);
  for (const std::string& chapter : chapters) {
    const size_t found = help.find(chapter, at);
    ASSERT_NE(found, std::string::npos) << chapter;
    // A centred title starts after a line end and blanks only.
    const size_t line_start = help.rfind('\n', found) + 1;
    EXPECT_EQ(help.find_first_not_of(' ', line_start), found) << chapter;
    at = found;
  }
  for (const auto& s : sections) {
    const std::string block = std::string("\n  ") + s.title + rule + "  " +
                              s.syntax + "\n\n  " + s.first + "\n";
    const size_t found = help.find(block, at);
    ASSERT_NE(found, std::string::npos) << s.title;
    at = found;
  }
  const size_t work = help.find("  -w<mode>\n\n", 0);
  EXPECT_NE(help.find("\n       -wc  Creates the work files named "
                      "workfile.dat and a date\n",
                      work),
            std::string::npos);
}

TEST_F(HelpTest, NoticeListShowsEveryNumberedNotice) {
  const std::string text = Capture(G, [](Globals& g) { ShowNotices(g, g); });
  EXPECT_NE(text.find("                        All KLV Quality Notice Types\n"
                      "\n"
                      "  Notice 1 : Physical line length exceeds 80 "
                      "characters\n"
                      "  Notice 2 : Function name length exceeds 32 "
                      "characters\n"),
            std::string::npos);
  const std::string tail =
      "  Notice 44: Keyword 'break' identified outside a 'switch' "
      "structure\n  " +
      std::string(72, '-') + "\n";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

}  // namespace
