// Command-line parsing: effects applied left to right, the modifiers of
// each option, every error message with its exit status, and the limits
// on argument lengths.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "base/globals.h"
#include "driver/options.h"
#include "driver/run_files.h"
#include "output_capture.h"

namespace {

struct ParseResult {
  bool ran = false;  // SetUpParams returned: an analysis run follows
  int status = 0;    // the exit status when it did not
  std::string output;
};

class OptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    Init_Globals(G);
    G.program_name = "klv";
  }

  // Runs SetUpParams over "klv" and `args`, capturing the output stream.
  ParseResult Parse(std::vector<std::string> args) {
    args.insert(args.begin(), "klv");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(args.size());
    G.arg_count = argc;
    G.arg_values = argv.data();
    ParseResult result;
    OutputCapture capture(G);
    try {
      SetUpParams(argc, argv.data(), G);
      result.ran = true;
    } catch (const ExitRequest& exit_request) {
      result.status = exit_request.status;
    }
    G.arg_values = nullptr;
    result.output = capture.Take();
    return result;
  }

  // FirstOperand over "klv" and `args`; -1 when it ends the run.
  int First(std::vector<std::string> args, std::string* output = nullptr) {
    args.insert(args.begin(), "klv");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    OutputCapture capture(G);
    int index = -1;
    try {
      index = FirstOperand(static_cast<int>(argv.size()), argv.data(), G);
    } catch (const ExitRequest& exit_request) {
      EXPECT_EQ(exit_request.status, 1);
    }
    if (output != nullptr) *output = capture.Take();
    return index;
  }

  Globals G;
};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(OptionsTest, NoArgumentsShowsTheShortSyntaxAndEndsWithZero) {
  ParseResult r = Parse({});
  EXPECT_FALSE(r.ran);
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Contains(r.output, "  Syntax: klv <-option -option parameter>"));
  EXPECT_FALSE(Contains(r.output, "Command Line Syntax Error"));
}

TEST_F(OptionsTest, OptionsWithoutOperandsShowTheSyntaxErrorBlock) {
  ParseResult r = Parse({"-f", "-n"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Contains(r.output,
                       "  Command Line Syntax Error, Try -hs for help...\n"
                       "  klv -f -n \n\n"));
  EXPECT_TRUE(Contains(r.output, "          -p  Printable format"));
}

TEST_F(OptionsTest, ShortSyntaxDropsTheProgramPathUpToTheLastBackslash) {
  G.program_name = "c:\\tools\\klv.exe";
  ParseResult r = Parse({});
  EXPECT_TRUE(Contains(r.output, "  Syntax: klv.exe <-option"));
}

TEST_F(OptionsTest, CsvLinesDependOnWhetherAutomatedModeCameFirst) {
  Parse({"-A", "-f", "a.c"});
  EXPECT_EQ(G.csv_summary, 1);
  EXPECT_EQ(G.csv_function_lines, 1);

  Init_Globals(G);
  Parse({"-f", "-A", "a.c"});
  EXPECT_EQ(G.csv_mode, 1);
  EXPECT_EQ(G.csv_summary, 0);
  EXPECT_EQ(G.csv_function_lines, 0);

  Init_Globals(G);
  Parse({"-s", "-A", "a.c"});
  EXPECT_EQ(G.csv_summary, 0);
  Init_Globals(G);
  Parse({"-A", "-s", "a.c"});
  EXPECT_EQ(G.csv_summary, 1);
}

TEST_F(OptionsTest, WorkModeResetsAnEarlierSortKeyButNotALaterOne) {
  Parse({"-k2", "-wW", "a.c"});
  EXPECT_EQ(G.sort_key, 0);
  EXPECT_EQ(G.sort_flag, 0);
  EXPECT_EQ(G.work_diff_flag, 1);

  Init_Globals(G);
  Parse({"-wW", "-k2", "a.c"});
  EXPECT_EQ(G.sort_key, 2);
  EXPECT_EQ(G.sort_flag, 1);
}

TEST_F(OptionsTest, NoticeFormatsDependOnOrder) {
  Parse({"-Nv", "-Tq", "a.c"});
  EXPECT_EQ(G.notice_format_visual, 1);
  EXPECT_EQ(G.notice_format_single, 0);

  Init_Globals(G);
  Parse({"-Tq", "-Nv", "a.c"});
  EXPECT_EQ(G.notice_format_visual, 1);
  EXPECT_EQ(G.notice_format_single, 1);

  Init_Globals(G);
  Parse({"-Tq", "-Tp", "a.c"});
  EXPECT_EQ(G.notice_list_flag, 0);
  Init_Globals(G);
  Parse({"-Tp", "-Tq", "a.c"});
  EXPECT_EQ(G.notice_list_flag, 1);
}

TEST_F(OptionsTest, EveryRunAsksForTheSummariesAndFunctionsReplaceTheList) {
  ParseResult r = Parse({"-l", "a.c"});
  EXPECT_TRUE(r.ran);
  EXPECT_EQ(G.summary_flag, 1);
  EXPECT_EQ(G.file_summary_flag, 1);
  EXPECT_EQ(G.function_list_flag, 1);

  Init_Globals(G);
  Parse({"-l", "-c", "a.c"});
  EXPECT_EQ(G.function_flag, 1);
  EXPECT_EQ(G.function_list_flag, 0);
}

TEST_F(OptionsTest, CompoundLettersSetTheirWholeGroup) {
  Parse({"-A", "a.c"});
  for (int flag : {G.no_file_names, G.totals_flag, G.automated_mode,
                   G.csv_mode, G.report_option_flag, G.complexity_flag,
                   G.object_flag, G.notice_flag, G.function_flag}) {
    EXPECT_EQ(flag, 1);
  }
  Init_Globals(G);
  Parse({"-C", "a.c"});
  for (int flag : {G.comment_doc_flag, G.extract_comments, G.function_flag,
                   G.template_mode_flag, G.report_option_flag}) {
    EXPECT_EQ(flag, 1);
  }
  EXPECT_EQ(G.extract_flag, 0);
}

TEST_F(OptionsTest, EveryOptionErrorHasItsMessageAndStatus) {
  const struct {
    std::vector<std::string> args;
    const char* message;
    int status;
  } cases[] = {
      {{"-Z", "a.c"},
       "\n  Error: Command line parse error, invalid option.\n"
       "         Use -hs to show program help syntax.\n",
       1},
      {{"a.c", "-k"},  // after the operand getopt stops: not an error
       nullptr, 0},
      {{"-f", "-k"},
       "\n  Error: Command line parse error, invalid option.\n"
       "         Use -hs to show program help syntax.\n",
       1},
      {{"-Dx", "a.c"},
       "\n  Error: Invalid or missing parameter for -D option\n"
       "         Use -hs for help text\n",
       1},
      {{"-Ex", "a.c"},
       "\n  Error: invalid parameter for -E option\n"
       "         Use -hs for help text\n",
       1},
      {{"-Nx", "a.c"},
       "\n  Error: Invalid or missing parameter for -N option\n"
       "         Use -hs for help text\n",
       1},
      {{"-Rx", "a.c"},
       "\n  Error: Invalid parameter for -R option\n"
       "         Use -hs for help text\n",
       1},
      {{"-Tx", "a.c"},
       "\n  Error: Invalid or missing parameter for -T option\n"
       "         Use -hs for help text\n",
       1},
      {{"-wz", "a.c"},
       "\n  Error: Invalid or missing parameter for -w option\n"
       "         Use -hs for help text\n",
       1},
      {{"-wf", "a.c"}, "\n  Error: Work file name not parsed\n", 1},
      {{"-Xz", "a.c"},
       "\n  Error: Invalid parameter for -X option\n"
       "         Use -hs for help text\n",
       1},
      {{"-X", "File XLS my.cfg", "a.c"},
       "\n  Error: Invalid report file type\n", 1},
      {{"-r", "*.c", "dir"},
       "\n  Error: In the specified parameter: -r\n"
       "         For the recursive descent option -r,\n"
       "         Specify the file extensions separated by commas.\n"
       "         The specified directory must be the last parameter.\n\n"
       "              klv <options> -r <ext,ext> <directory>\n"
       "              klv -fvac -r c,h,cc,hh ./\n"
       "              klv -r c,h /project/srcs\n"
       "         Use -hs for help text\n",
       1},
      {{"-q", "a.c"},
       "\n  -q Query setup mode is now supported in the klv.cfg file.\n", 1},
      {{"-W", "a.c"},
       "\n  -W Work Diff mode is now supported under the -wW option\n", 1},
      {{"-x", "a.c"},
       "\n  -x Work Diff extraction mode is now supported under the -wx "
       "option\n",
       1},
  };
  for (const auto& c : cases) {
    Init_Globals(G);
    G.program_name = "klv";
    ParseResult r = Parse(c.args);
    SCOPED_TRACE(c.args[0]);
    if (c.message == nullptr) {
      EXPECT_TRUE(r.ran);
      continue;
    }
    EXPECT_FALSE(r.ran);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.output, c.message);
  }
}

TEST_F(OptionsTest, RecursiveListsMayNotStartWithAPathCharacter) {
  for (const char* list : {".c", " c", "/src", "\\src", "*"}) {
    Init_Globals(G);
    ParseResult r = Parse({"-r", list, "dir"});
    EXPECT_EQ(r.status, 1) << list;
  }
  Init_Globals(G);
  EXPECT_TRUE(Parse({"-r", "c,h", "dir"}).ran);
  EXPECT_EQ(G.recursive_mode, 1);
  EXPECT_EQ(G.input_spec, "c,h");
}

TEST_F(OptionsTest, FileListAndRecursiveModeExcludeEachOther) {
  Parse({"-r", "c", "-Flist.txt", "dir"});
  EXPECT_EQ(G.file_list_flag, 1);
  EXPECT_EQ(G.recursive_mode, 0);
  EXPECT_EQ(G.input_spec, "list.txt");

  Init_Globals(G);
  Parse({"-Flist.txt", "-r", "c", "dir"});
  EXPECT_EQ(G.file_list_flag, 0);
  EXPECT_EQ(G.recursive_mode, 1);
  EXPECT_EQ(G.input_spec, "c");
}

TEST_F(OptionsTest, BadSortKeysWarnAndFallBackToNameOrder) {
  ParseResult r = Parse({"-k9", "a.c"});
  EXPECT_TRUE(r.ran);
  EXPECT_EQ(G.sort_key, 1);
  EXPECT_EQ(r.output,
            "\n  Error: 9 invalid sort key value.\n"
            "         Defaulting to name sort\n"
            "         Use -hs for help text\n");

  // The keys are 0..6: just past either end is refused too.
  for (const auto& [arg, key, refused] :
       {std::tuple{"-k7", 1, true}, std::tuple{"-k6", 6, false},
        std::tuple{"-k0", 0, false}}) {
    Init_Globals(G);
    r = Parse({arg, "a.c"});
    EXPECT_EQ(G.sort_key, key) << arg;
    EXPECT_EQ(Contains(r.output, "invalid sort key value"), refused) << arg;
  }

  Init_Globals(G);
  r = Parse({"-k-1", "a.c"});
  EXPECT_EQ(G.sort_key, 1);
  EXPECT_TRUE(Contains(r.output, "Error: -1 invalid sort key value."));

  Init_Globals(G);
  r = Parse({"-kx", "a.c"});
  EXPECT_EQ(G.sort_key, 0);
  EXPECT_EQ(G.sort_flag, 1);
  EXPECT_EQ(r.output, "");

  Init_Globals(G);
  Parse({"-k", "6", "a.c"});
  EXPECT_EQ(G.sort_key, 6);
}

TEST_F(OptionsTest, ListingGeometryKeepsItsBounds) {
  Parse({"-L5", "-B-3", "-M-2", "a.c"});
  EXPECT_EQ(G.line_length, 20);
  EXPECT_EQ(G.top_margin, 0);
  EXPECT_EQ(G.left_margin, 0);

  Init_Globals(G);
  G.no_page_breaks = 0;  // as a configuration asking for page breaks
  Parse({"-P60", "a.c"});
  EXPECT_EQ(G.page_length, 60);
  EXPECT_EQ(G.no_page_breaks, 0);
  Parse({"-P-1", "a.c"});
  EXPECT_EQ(G.page_length, -1);
  EXPECT_EQ(G.no_page_breaks, 1);

  // Above their ranges the values would only make the listing huge.
  const struct {
    const char* option;
    const char* message;
  } too_large[] = {
      {"-L4097", "-L 4097 is out of range: the largest value is 4096"},
      {"-L99999999999",
       "-L 99999999999 is out of range: the largest value is 4096"},
      {"-B101", "-B 101 is out of range: the largest value is 100"},
      {"-M2147483647", "-M 2147483647 is out of range: the largest value is 200"},
      {"-P10001", "-P 10001 is out of range: the largest value is 10000"},
  };
  for (const auto& c : too_large) {
    Init_Globals(G);
    ParseResult r = Parse({c.option, "a.c"});
    EXPECT_EQ(r.status, 1) << c.option;
    EXPECT_EQ(r.output, std::string("\n  Error: ") + c.message +
                            "\n         Use -hs for help text\n");
  }
  Init_Globals(G);
  Parse({"-L4096", "-B100", "-M200", "-P10000", "a.c"});
  EXPECT_EQ(G.line_length, 4096);
  EXPECT_EQ(G.top_margin, 100);
  EXPECT_EQ(G.left_margin, 200);
  EXPECT_EQ(G.page_length, 10000);
}

TEST_F(OptionsTest, TotalsModifiersSelectTheirReports) {
  const struct {
    const char* option;
    int Globals::*field;
  } cases[] = {
      {"-Ta", &Globals::totals_all},
      {"-Tf", &Globals::totals_functions},
      {"-Ti", &Globals::inherit_flag},
      {"-To", &Globals::totals_classes},
      {"-To", &Globals::totals_interfaces},
      {"-To", &Globals::totals_namespaces},
      {"-Tp", &Globals::totals_profile},
      {"-Tp", &Globals::inherit_flag},
      {"-Tq", &Globals::totals_notices},
      {"-Tq", &Globals::notice_list_flag},
      {"-Tn", &Globals::notice_by_line_flag},
      {"-Tn", &Globals::notice_list_flag},
      {"-Ts", &Globals::totals_summary},
      {"-Tl", &Globals::totals_no_listing},
      {"-TN", &Globals::no_file_names},
      {"-Tw", &Globals::totals_work_diff},
  };
  for (const auto& c : cases) {
    Init_Globals(G);
    ASSERT_TRUE(Parse({c.option, "a.c"}).ran) << c.option;
    EXPECT_EQ(G.*c.field, 1) << c.option;
    for (int flag : {G.report_option_flag, G.object_flag, G.function_flag,
                     G.complexity_flag, G.notice_flag, G.totals_flag}) {
      EXPECT_EQ(flag, 1) << c.option;
    }
  }
}

TEST_F(OptionsTest, ReadAndFormatModifiers) {
  Parse({"-Rl", "-Rd", "-Rn", "-Dt", "-Du", "-Dd", "-Es", "-Ec", "a.c"});
  for (int flag : {G.list_files_only, G.dir_no_recurse, G.sort_names_flag,
                   G.convert_flag, G.convert_tabs, G.convert_unix,
                   G.convert_dos, G.extract_flag, G.extract_strings,
                   G.extract_comments}) {
    EXPECT_EQ(flag, 1);
  }
  Init_Globals(G);
  Parse({"-Ns", "a.c"});
  EXPECT_EQ(G.notice_flag, 1);
  EXPECT_EQ(G.notice_list_flag, 1);
  EXPECT_EQ(G.notice_format_single, 1);
  EXPECT_EQ(G.notice_format_visual, 0);
}

TEST_F(OptionsTest, WorkModesSwitchToATotalsOnlyWorkRun) {
  Parse({"-wc", "a.c"});
  for (int flag : {G.no_file_names, G.totals_flag, G.report_option_flag,
                   G.work_flag, G.complexity_flag, G.function_flag}) {
    EXPECT_EQ(flag, 1);
  }
  EXPECT_EQ(G.work_diff_flag, 0);
  EXPECT_EQ(G.work_file_name, "workfile.dat");

  Init_Globals(G);
  G.work_file_cyclo = 0;
  Parse({"-w", "File\tmine.dat", "a.c"});
  EXPECT_EQ(G.work_file_name, "mine.dat");
  EXPECT_EQ(G.complexity_flag, 0);
  EXPECT_EQ(G.function_flag, 0);

  Init_Globals(G);
  Parse({"-wW", "-wd", "a.c"});
  EXPECT_EQ(G.work_diff_flag, 0);
}

// Work files that cannot be loaded fail the extraction (status 255); two
// good ones end it with 0 (report test work_extract).
TEST_F(OptionsTest, WorkExtractionOfMissingFilesFails) {
  ParseResult r = Parse({"-wx", "old.dat", "new.dat"});
  EXPECT_FALSE(r.ran);
  EXPECT_EQ(r.status, 255);
  EXPECT_EQ(G.work_flag, 1);
}

TEST_F(OptionsTest, ReportFileRequests) {
  ParseResult r = Parse({"-X", "File CSV my.cfg", "a.c"});
  EXPECT_TRUE(r.ran);
  EXPECT_EQ(G.csv_file_report, 1);
  EXPECT_EQ(G.csv_report_cfg_name, "my.cfg");
  EXPECT_EQ(G.report_option_flag, 1);

  Init_Globals(G);
  G.debug_flag = 1;
  r = Parse({"-X", "file csv", "a.c"});
  EXPECT_EQ(G.csv_file_report, 1);
  EXPECT_EQ(r.output,
            "  Report File Options\n"
            "  Type: Comma Separated Variables - CSV\n  File: \n");

  Init_Globals(G);
  G.debug_flag = 1;
  r = Parse({"-XFormat", "a.c"});
  EXPECT_TRUE(r.ran);
  EXPECT_EQ(G.csv_file_report, 0);
  EXPECT_TRUE(Contains(r.output, "  Type: Unknown\n"));

  Init_Globals(G);
  r = Parse({"-Xc", "a.c"});
  EXPECT_FALSE(r.ran);
  EXPECT_EQ(r.status, 1);
}

TEST_F(OptionsTest, OverlongArgumentsAreCutOrRefused) {
  const std::string long_text(5000, 'a');
  Parse({"-S" + long_text, "a.c"});
  EXPECT_EQ(G.listing_header, std::string(4094, 'a'));

  Init_Globals(G);
  Parse({"-S" + std::string(4094, 'b'), "a.c"});
  EXPECT_EQ(G.listing_header.size(), 4094u);

  for (std::vector<std::string> args :
       {std::vector<std::string>{"-F" + long_text, "a.c"},
        std::vector<std::string>{"-r", long_text, "dir"},
        std::vector<std::string>{"-w", "File " + long_text, "a.c"},
        std::vector<std::string>{"-X", "File CSV " + long_text, "a.c"}}) {
    Init_Globals(G);
    ParseResult r = Parse(args);
    EXPECT_FALSE(r.ran);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.output, "Command line parse error"));
    EXPECT_TRUE(G.input_spec.empty());
    EXPECT_EQ(G.work_flag, 0);
    EXPECT_TRUE(G.csv_report_cfg_name.empty());
  }

  Init_Globals(G);
  ParseResult r = Parse({"-O", long_text, "a.c"});
  EXPECT_TRUE(r.ran);
  OpenOutputFile(G, G);
  EXPECT_EQ(G.output, stdout);
}

// -O only names the report file: nothing is opened, created or emptied
// while the command line is read, so a refused line or a later -O leaves
// every file as it was.
TEST_F(OptionsTest, OutputFileIsOnlyNamedWhileParsing) {
  char dir_template[] = "/tmp/klv-options-XXXXXX";
  ASSERT_NE(mkdtemp(dir_template), nullptr);
  const std::string first = std::string(dir_template) + "/first.txt";
  const std::string path = std::string(dir_template) + "/out.txt";
  ParseResult r = Parse({"-O", first, "-O", path, "a.c"});
  EXPECT_TRUE(r.ran);
  EXPECT_EQ(G.output_file_name, path);
  EXPECT_EQ(G.output, stdout);
  EXPECT_NE(access(first.c_str(), F_OK), 0);
  EXPECT_NE(access(path.c_str(), F_OK), 0);

  Init_Globals(G);
  r = Parse({"-O", path, "-Z", "a.c"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(access(path.c_str(), F_OK), 0);
  rmdir(dir_template);
}

TEST_F(OptionsTest, HelpScreensEndWithZeroEvenWithOperands) {
  ParseResult r = Parse({"-hs", "a.c", "b.c"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Contains(r.output, "KLV Help Syntax\n\n  Syntax: klv"));

  r = Parse({"-hx", "a.c"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Contains(r.output, "KLV Manual"));

  r = Parse({"-hn"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Contains(r.output, "  Notice 44: "));

  for (const char* option : {"-hc", "-y"}) {
    r = Parse({option, "a.c"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output.rfind("# Tarvelon Version 6.01\n", 0), 0u) << option;
  }
}

TEST_F(OptionsTest, OptionsApplyInOrderUpToTheFirstThatEndsTheRun) {
  ParseResult r = Parse({"-Z", "-hs"});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(Contains(r.output, "KLV Help Syntax"));

  r = Parse({"-hs", "-Z"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Contains(r.output, "KLV Help Syntax"));
}

TEST_F(OptionsTest, OperandCountSkipsOptionWords) {
  Parse({"-f", "-n", "a.c"});
  EXPECT_EQ(G.file_count, 1);
  Parse({"-f", "a.c", "b.c"});
  EXPECT_EQ(G.file_count, 2);
  Parse({"-f", "-n", "-s", "a.c"});
  EXPECT_EQ(G.file_count, 1);
}

TEST_F(OptionsTest, FirstOperandKnowsOnlyRAndOAsTakingAWord) {
  EXPECT_EQ(First({"-k3", "x.c"}), 2);
  EXPECT_EQ(First({"-P", "60", "x.c"}), 2);
  EXPECT_EQ(First({"-O", "out.txt", "x.c"}), 3);
  EXPECT_EQ(First({"-f", "-r", "c,h", "src"}), 4);

  std::string output;
  EXPECT_EQ(First({"-r", "c,h"}, &output), -1);
  EXPECT_EQ(output,
            "\n  Error: For the specified parameter: -r\n"
            "         The options for -r are: -r <ext,ext> <start "
            "directory>\n"
            "         The list of extensions or start directory is "
            "missing.\n\n"
            "         i.e.  klv -H -f -o -c -r h,c,cpp,java c:\\proj > "
            "metrics.htm\n\n");
  EXPECT_EQ(First({"-O", "out.txt"}, &output), -1);
  EXPECT_TRUE(Contains(output, "For the specified parameter: -O\n"));
}

// After "--" every word is a file, also one that begins with '-'; the
// operand count sees the same words, whatever comes before "--".
TEST_F(OptionsTest, DoubleDashEndsTheOptions) {
  EXPECT_EQ(First({"-f", "--", "-x.c", "y.c"}), 3);
  EXPECT_EQ(First({"-O", "out.txt", "--", "-x.c"}), 4);
  for (std::vector<std::string> args :
       {std::vector<std::string>{"-f", "--", "-x.c"},
        std::vector<std::string>{"-k", "2", "--", "-x.c"},
        std::vector<std::string>{"-f", "-n", "--", "-x.c"},
        std::vector<std::string>{"--", "-x.c"}}) {
    Init_Globals(G);
    ParseResult r = Parse(args);
    EXPECT_TRUE(r.ran) << args[0] << " " << args[1];
    EXPECT_EQ(G.file_count, 1) << args[0] << " " << args[1];
  }
  Init_Globals(G);
  ParseResult r = Parse({"-f", "--"});
  EXPECT_FALSE(r.ran);
  EXPECT_EQ(r.status, 1);
}

}  // namespace
