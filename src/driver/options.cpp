#include "driver/options.h"

#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "config/csv_report_cfg.h"
#include "config/show_cfg.h"
#include "driver/help.h"
#include "driver/jobs.h"
#include "driver/run_files.h"
#include "driver/wait_key.h"
#include "base/error_block.h"
#include "reports/framing.h"
#include "base/output.h"
#include "work/extract_work.h"

namespace {

// Every letter klv knows; those followed by ':' take an argument, attached
// (-k2) or as the next word (-k 2). The leading '+' stops at the first
// operand instead of permuting the command line.
constexpr const char kOptionLetters[] =
    "+AabCcdefHij::lmnopqsvWxyB:D:E:F:h:k:L:M:N:O:P:R:r:S:T:w:X:";

// The longest text an option may store: a path of 4,094 characters.
constexpr size_t kMaxArgText = 4094;

// Prints the error block of `lines` on the output stream and ends the run
// with `status`.
[[noreturn]] void Refuse(ReportSink& G,
                         std::initializer_list<std::string_view> lines,
                         int status, const ErrorForm& form = {}) {
  OutError(G, lines, form);
  throw ExitRequest{status};
}

// An option letter or argument getopt does not accept.
[[noreturn]] void RefuseParse(ReportSink& G) {
  Refuse(G,
         {"Command line parse error, invalid option.",
          "Use -hs to show program help syntax."},
         1);
}

// A path or list argument longer than the stored text allows is refused
// rather than cut, so that no other file is ever opened or written.
std::string CheckedText(std::string text, ReportSink& G) {
  if (text.size() > kMaxArgText) RefuseParse(G);
  return text;
}

// The argument read as a decimal integer: leading blanks, a sign and digits;
// anything else ends the number and no digits give 0. Values beyond the
// range of int are held at its ends.
int ArgInt(const char* arg) {
  long value = strtol(arg, nullptr, 10);
  if (value > INT_MAX) value = INT_MAX;
  if (value < INT_MIN) value = INT_MIN;
  return static_cast<int>(value);
}

// The words of `text`, split at blanks, TABs, carriage returns and line
// feeds.
std::vector<std::string> SplitWords(std::string_view text) {
  std::vector<std::string> words;
  size_t k = 0;
  while (k < text.size()) {
    const size_t start = text.find_first_not_of(" \t\r\n", k);
    if (start == std::string_view::npos) break;
    size_t end = text.find_first_of(" \t\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    words.emplace_back(text.substr(start, end - start));
    k = end;
  }
  return words;
}

// The value `arg` of option `letter` is above its largest value `high`.
[[noreturn]] void RefuseOutOfRange(char letter, const char* arg, int high,
                                   ReportSink& G) {
  Refuse(G,
         {Fmt("-%c %s is out of range: the largest value is %d", letter, arg,
              high),
          kUseHelp},
         1);
}

// A listing geometry value of option `letter`, refused above `high`.
int GeometryArg(char letter, const char* arg, int high, ReportSink& G) {
  const int value = ArgInt(arg);
  if (value > high) RefuseOutOfRange(letter, arg, high, G);
  return value;
}

// One modifier of an option: its character and the flag it sets.
struct Modifier {
  char mode;
  int Globals::*flag;
};

// The flag of `mode` among `modifiers`; an unknown or missing modifier is
// refused with the error `problem`.
int Globals::*ModifierFlag(char mode, std::initializer_list<Modifier> modifiers,
                           const char* problem, ReportSink& G) {
  for (const Modifier& m : modifiers) {
    if (m.mode == mode && mode != '\0') return m.flag;
  }
  Refuse(G, {problem, kUseHelp}, 1);
}

void ApplyConvert(char mode, Globals& G) {
  int Globals::*flag = ModifierFlag(
      mode,
      {{'t', &Globals::convert_tabs},
       {'u', &Globals::convert_unix},
       {'d', &Globals::convert_dos}},
      "Invalid or missing parameter for -D option",
      G);
  G.report_option_flag = G.convert_flag = 1;
  G.*flag = 1;
}

void ApplyExtract(char mode, Globals& G) {
  int Globals::*flag = ModifierFlag(
      mode, {{'s', &Globals::extract_strings}, {'c', &Globals::extract_comments}},
      "invalid parameter for -E option",
      G);
  G.report_option_flag = G.extract_flag = 1;
  G.*flag = 1;
}

void ApplyNoticeFormat(char mode, Globals& G) {
  int Globals::*flag = ModifierFlag(
      mode,
      {{'s', &Globals::notice_format_single},
       {'v', &Globals::notice_format_visual}},
      "Invalid or missing parameter for -N option",
      G);
  G.report_option_flag = G.notice_flag = G.notice_list_flag = 1;
  G.*flag = 1;
}

void ApplyReadOption(char mode, Globals& G) {
  int Globals::*flag = ModifierFlag(
      mode,
      {{'l', &Globals::list_files_only},
       {'d', &Globals::dir_no_recurse},
       {'n', &Globals::sort_names_flag}},
      "Invalid parameter for -R option",
      G);
  G.*flag = 1;
}

void ApplyRecursive(const char* exts, Globals& G) {
  if (exts[0] != '\0' && strchr("*. /\\", exts[0]) != nullptr) {
    const std::string& name = G.program_name;
    Refuse(G,
           {"In the specified parameter: -r",
            "For the recursive descent option -r,",
            "Specify the file extensions separated by commas.",
            "The specified directory must be the last parameter.", "",
            "     " + name + " <options> -r <ext,ext> <directory>",
            "     " + name + " -fvac -r c,h,cc,hh ./",
            "     " + name + " -r c,h /project/srcs", kUseHelp},
           1);
  }
  G.input_spec = CheckedText(exts, G);
  G.recursive_mode = 1;
  G.file_list_flag = 0;
}

void ApplyTotals(char mode, Globals& G) {
  if (mode == '\0' || strchr("afiopqnslNw", mode) == nullptr) {
    Refuse(G, {"Invalid or missing parameter for -T option", kUseHelp}, 1);
  }
  G.report_option_flag = G.object_flag = G.function_flag = 1;
  G.complexity_flag = G.notice_flag = G.totals_flag = 1;
  switch (mode) {
    case 'a': G.totals_all = 1; break;
    case 'f': G.totals_functions = 1; break;
    case 'i': G.inherit_flag = 1; break;
    case 'o':
      G.totals_classes = G.totals_interfaces = G.totals_namespaces = 1;
      break;
    case 'p':
      G.notice_list_flag = 0;
      G.inherit_flag = G.totals_profile = 1;
      break;
    case 'q':
      if (!G.notice_format_visual) G.notice_format_single = 1;
      G.inherit_flag = G.notice_list_flag = G.totals_notices = 1;
      break;
    case 'n': G.notice_list_flag = G.notice_by_line_flag = 1; break;
    case 's': G.totals_summary = 1; break;
    case 'l': G.totals_no_listing = 1; break;
    case 'N': G.no_file_names = 1; break;
    case 'w': G.totals_work_diff = 1; break;
  }
}

// -w: every mode first switches to a totals-only work-file run.
void ApplyWork(const char* arg, int argc, char** argv, Globals& G) {
  const char mode = arg[0];
  if (mode == '\0' || strchr("cdfFWx", mode) == nullptr) {
    Refuse(G, {"Invalid or missing parameter for -w option", kUseHelp}, 1);
  }
  std::string name = "workfile.dat";
  if (mode == 'f' || mode == 'F') {
    const std::vector<std::string> words = SplitWords(arg);
    // A missing name is an error like any other: it ends the run with 1,
    // so that a script does not take the unwritten work file for success.
    if (words.size() < 2) Refuse(G, {"Work file name not parsed"}, 1);
    name = CheckedText(words[1], G);
  }
  G.no_file_names = G.totals_flag = G.report_option_flag = G.work_flag = 1;
  G.work_diff_flag = 0;
  G.sort_key = G.sort_flag = 0;
  G.work_file_name = name;
  if (G.work_file_cyclo == 1) G.complexity_flag = G.function_flag = 1;
  if (mode == 'W') G.work_diff_flag = 1;
  if (mode == 'x') {
    // The two work files are the last two words of the command line.
    const char* old_file = argv[argc >= 2 ? argc - 2 : 0];
    OpenOutputNow(G, {old_file, argv[argc - 1]});
    ExtractWork(old_file, argv[argc - 1], G, 1);
    throw ExitRequest{G.run_failures > 0 ? 255 : 0};
  }
}

// -X: the CSV report template, or the request for a configured CSV report.
void ApplyReportFile(const char* arg, Globals& G) {
  const char mode = arg[0];
  if (mode == 'c') {
    OpenOutputNow(G, {});
    CreateCSVFileReportCfg(G);
    throw ExitRequest{1};
  }
  if (mode != 'f' && mode != 'F') {
    Refuse(G, {"Invalid parameter for -X option", kUseHelp}, 1);
  }
  const std::vector<std::string> words = SplitWords(arg);
  const char* type = "Unknown";
  if (words.size() >= 2 && strcasecmp(words[0].c_str(), "file") == 0) {
    if (strcasecmp(words[1].c_str(), "csv") != 0) {
      Refuse(G, {"Invalid report file type"}, 1);
    }
    if (words.size() >= 3) G.csv_report_cfg_name = CheckedText(words[2], G);
    G.csv_file_report = 1;
    type = "Comma Separated Variables - CSV";
  }
  if (G.debug_flag) {
    Out(G, "  Report File Options\n  Type: %s\n  File: %s\n", type,
        G.csv_report_cfg_name.c_str());
  }
  G.report_option_flag = 1;
}

// -X "File CSV": the configured report is the run's only output, so no
// other report option may come with it. The analysis then counts all the
// report can show, functions and notices included, and prints nothing in
// place, as in the automated CSV mode.
void CsvFileReportMode(Globals& G) {
  const int others =
      G.csv_mode | G.print_flag | G.convert_flag | G.extract_flag |
      G.comment_doc_flag | G.line_display_flag | G.html_flag | G.work_flag |
      G.totals_flag | G.notice_flag | G.function_flag | G.function_list_flag |
      G.complexity_flag | G.object_flag | G.inherit_flag | G.macro_flag |
      G.memory_flag | G.verbose_flag | G.estimate_flag | G.benchmark_flag;
  if (others) {
    Refuse(G,
           {"The CSV file report of -X is written alone:",
            "leave out the other report options", kUseHelp},
           1);
  }
  G.no_file_names = G.totals_flag = 1;
  G.function_flag = G.complexity_flag = G.object_flag = G.notice_flag = 1;
}

// -h: the help screens; every one ends the run with status 0.
[[noreturn]] void ShowHelpScreen(char mode, Globals& G) {
  OpenOutputNow(G, {});
  switch (mode) {
    case 's':
      ShowHeader(G, G, 0);
      Center(G, "KLV Help Syntax");
      Out(G, "\n");
      ShowAllSyntax(G, G);
      break;
    case 'c':
      ShowCfg(G.output, G);
      break;
    case 'n':
      ShowNotices(G, G);
      break;
    case 'p':
      G.pause_flag = 1;
      ShowSyntax(G, 0);
      break;
    default:
      ShowHelp(G, G);
      break;
  }
  throw ExitRequest{0};
}

void ApplySortKey(const char* arg, Globals& G) {
  const int key = ArgInt(arg);
  G.sort_key = key;
  G.sort_flag = 1;
  if (key < 0 || key > 6) {
    OutError(G, {Fmt("%d invalid sort key value.", key),
                 "Defaulting to name sort", kUseHelp});
    G.sort_key = 1;
  }
}

// -jN, -j N, -j: the analysis threads. A count standing as the next word
// is taken with the option.
void ApplyJobs(const char* arg, int argc, char** argv, Globals& G) {
  if (arg == nullptr && optind < argc && AllDigits(argv[optind])) {
    arg = argv[optind++];
  }
  const int jobs = ParseJobs(arg != nullptr ? arg : "");
  if (jobs == -2) RefuseOutOfRange('j', arg, kMaxJobs, G);
  if (jobs < 0) RefuseParse(G);
  G.jobs = jobs;
}

// Applies one option letter with its argument (null when it takes none).
// Options are applied strictly in command-line order: some look at flags
// set by earlier ones.
void ApplyOption(int letter, const char* arg, int argc, char** argv,
                 Globals& G) {
  switch (letter) {
    case 'A':
      G.no_file_names = G.totals_flag = G.automated_mode = G.csv_mode = 1;
      G.report_option_flag = G.complexity_flag = G.object_flag = 1;
      G.notice_flag = G.function_flag = 1;
      break;
    case 'a': G.report_option_flag = G.memory_flag = 1; break;
    case 'b': G.benchmark_flag = 1; break;
    case 'C':
      G.comment_doc_flag = G.extract_comments = G.function_flag = 1;
      G.template_mode_flag = G.report_option_flag = 1;
      break;
    case 'c':
      G.report_option_flag = G.complexity_flag = G.function_flag = 1;
      break;
    case 'D': ApplyConvert(arg[0], G); break;
    case 'd': G.report_option_flag = G.line_display_flag = 1; break;
    case 'E': ApplyExtract(arg[0], G); break;
    case 'e':
      G.report_option_flag = G.function_flag = G.estimate_flag = 1;
      break;
    case 'f':
      G.report_option_flag = G.function_flag = 1;
      if (G.csv_mode) G.csv_function_lines = G.csv_summary = 1;
      break;
    case 'F':
      G.input_spec = CheckedText(arg, G);
      G.file_list_flag = 1;
      G.recursive_mode = 0;
      break;
    case 'H': G.html_flag = 1; break;
    case 'h': ShowHelpScreen(arg[0], G);
    case 'i':
      G.report_option_flag = G.object_flag = G.inherit_flag = 1;
      break;
    case 'j': ApplyJobs(arg, argc, argv, G); break;
    case 'k': ApplySortKey(arg, G); break;
    case 'l': G.report_option_flag = G.function_list_flag = 1; break;
    case 'm': G.report_option_flag = G.macro_flag = 1; break;
    case 'n': G.report_option_flag = G.notice_flag = 1; break;
    case 'N': ApplyNoticeFormat(arg[0], G); break;
    case 'o': G.report_option_flag = G.object_flag = 1; break;
    case 'O':
      // Only named here: the file is opened once the whole command line
      // has been accepted, and only the last -O is opened at all.
      G.output_file_name = arg;
      break;
    case 'p': G.print_flag = 1; break;
    // Below their ranges the margins become 0 and the line length 20, and a
    // negative page length switches page breaks off; above them the
    // listing would only grow without use.
    case 'B':
      G.top_margin = std::max(0, GeometryArg('B', arg, 100, G));
      break;
    case 'M':
      G.left_margin = std::max(0, GeometryArg('M', arg, 200, G));
      break;
    case 'P':
      G.page_length = GeometryArg('P', arg, 10000, G);
      if (G.page_length < 0) G.no_page_breaks = 1;
      break;
    case 'L':
      G.line_length = std::max(20, GeometryArg('L', arg, 4096, G));
      break;
    case 'S':
      // A page header is display text: a long one is cut, not refused.
      G.listing_header = std::string(arg).substr(0, kMaxArgText);
      break;
    case 'r': ApplyRecursive(arg, G); break;
    case 'R': ApplyReadOption(arg[0], G); break;
    case 's':
      G.summary_flag = 1;
      if (G.csv_mode) G.csv_summary = 1;
      break;
    case 'T': ApplyTotals(arg[0], G); break;
    case 'v': G.report_option_flag = G.verbose_flag = 1; break;
    case 'w': ApplyWork(arg, argc, argv, G); break;
    case 'X': ApplyReportFile(arg, G); break;
    case 'y':
      OpenOutputNow(G, {});
      ShowCfg(G.output, G);
      throw ExitRequest{0};
    case 'q':
      Out(G, "\n  -q Query setup mode is now supported in the %s file.\n",
          kConfigFileName);
      throw ExitRequest{1};
    case 'W':
      Out(G, "\n  -W Work Diff mode is now supported under the -wW option\n");
      throw ExitRequest{1};
    case 'x':
      Out(G,
          "\n  -x Work Diff extraction mode is now supported under the -wx "
          "option\n");
      throw ExitRequest{1};
    default:
      RefuseParse(G);
  }
}

// "--": the words after it are operands, whatever they begin with.
bool IsEndOfOptions(const char* word) { return strcmp(word, "--") == 0; }

// "-j" followed by a word of digits: the count goes with the option.
bool IsJobsWithCount(int argc, char** argv, int index) {
  return strcmp(argv[index], "-j") == 0 && index + 1 < argc &&
         AllDigits(argv[index + 1]);
}

// The number of file operands: the words after the options. An option
// word is skipped together with the word after it when the word two
// places on is again an option.
int CountOperands(int argc, char** argv) {
  int index = 1;
  while (index < argc && argv[index][0] == '-') {
    if (IsEndOfOptions(argv[index])) return argc - index - 1;
    if (IsJobsWithCount(argc, argv, index)) {
      index += 2;
      continue;
    }
    if (index + 2 < argc && argv[index + 2][0] == '-' &&
        !IsEndOfOptions(argv[index + 1])) {
      index += 2;
      if (IsEndOfOptions(argv[index])) continue;
    }
    ++index;
  }
  return argc - index;
}

}  // namespace

void ShowSyntax(Globals& G, int syntax_error) {
  std::string name = G.program_name;
  const size_t slash = name.rfind('\\');
  if (slash != std::string::npos) name.erase(0, slash + 1);
  ShowHeader(G, G, syntax_error);
  Out(G,
      "  Syntax: %s <-option -option parameter> filename or wild cards\n"
      "          Frequently used options, or -hs for more options\n"
      "          -c  Complexity, cyclomatic and interface\n"
      "          -f  Function names and LOC per function\n"
      "          -H  HTML output mode for vistrel\n"
      "          -hs Help (More Options)\n"
      "          -n  Notices for code quality & common errors\n"
      "          -o  Object class/struct analysis mode\n"
      "          -p  Printable format for source code\n"
      "          filename or *.c *.h ../src/*.c etc.\n",
      name.c_str());
  if (G.pause_flag) WaitKey(G);
}

void SetUpParams(int argc, char** argv, Globals& G) {
  if (argc < 2) {
    ShowSyntax(G, 0);
    throw ExitRequest{0};
  }
  opterr = 0;
  optind = 0;  // full re-initialisation, so a run can parse again
  int letter;
  while ((letter = getopt(argc, argv, kOptionLetters)) != -1) {
    if (letter == '?' || letter == ':') RefuseParse(G);
    ApplyOption(letter, optarg, argc, argv, G);
  }
  if (G.csv_file_report) CsvFileReportMode(G);
  G.file_count = CountOperands(argc, argv);
  if (G.file_count < 1) {
    ShowSyntax(G, 1);
    throw ExitRequest{1};
  }
  G.summary_flag = 1;
  G.file_summary_flag = 1;
  if (G.function_flag) G.function_list_flag = 0;
}

int FirstOperand(int argc, char** argv, ReportSink& G) {
  int index = 1;
  while (index < argc && argv[index][0] == '-') {
    if (IsEndOfOptions(argv[index])) return index + 1;
    const char option = argv[index][1];
    if (IsJobsWithCount(argc, argv, index)) {
      index += 2;
    } else if (option == 'r' || option == 'O') {
      index += 2;
      if (index >= argc) {
        if (option == 'r') {
          Refuse(G,
                 {"For the specified parameter: -r",
                  "The options for -r are: -r <ext,ext> <start directory>",
                  "The list of extensions or start directory is missing.", "",
                  "i.e.  klv -H -f -o -c -r h,c,cpp,java c:\\proj > "
                  "metrics.htm"},
                 1, {.blank_after = true});
        }
        Refuse(G,
               {"For the specified parameter: -O",
                "The options for -O require a filename for output",
                "followed by a source file set.", "",
                "i.e.  klv -H -f -o -c -O report.txt -r h,c,cpp,java c:\\proj"},
               1, {.blank_after = true});
      }
    } else if (option == 'X' && argv[index][2] == '\0' && index + 1 < argc) {
      // -X "File CSV my.cfg": the report request is the next word, as the
      // template's own example writes it, not the first file.
      index += 2;
    } else {
      ++index;
    }
  }
  return index;
}
