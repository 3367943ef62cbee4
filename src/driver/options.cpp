#include "driver/options.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "reports/framing.h"
#include "reports/output.h"

namespace {

// Applies one option letter with its argument (null when it takes none).
void ApplyOption(int letter, const char* arg, Globals& G) {
  (void)arg;
  switch (letter) {
    case 'A':
      G.no_file_names = G.totals_flag = G.automated_mode = G.csv_mode = 1;
      G.report_option_flag = G.complexity_flag = G.object_flag = 1;
      G.notice_flag = G.function_flag = 1;
      break;
    case 'a':
      G.report_option_flag = G.memory_flag = 1;
      break;
    case 'c':
      G.report_option_flag = G.complexity_flag = 1;
      G.function_flag = 1;
      break;
    case 'd':
      G.report_option_flag = G.line_display_flag = 1;
      break;
    case 'D':
      G.report_option_flag = G.convert_flag = 1;
      if (arg[0] == 't') {
        G.convert_tabs = 1;
      } else if (arg[0] == 'u') {
        G.convert_unix = 1;
      } else if (arg[0] == 'd') {
        G.convert_dos = 1;
      } else {
        Out(G,
            "\n  Error: Invalid or missing parameter for -D option\n"
            "         Use -hs for help text\n");
        throw ExitRequest{1};
      }
      break;
    case 'E':
      if (arg[0] == 's') {
        G.report_option_flag = G.extract_flag = G.extract_strings = 1;
      } else if (arg[0] == 'c') {
        G.report_option_flag = G.extract_flag = G.extract_comments = 1;
      } else {
        Out(G,
            "\n  Error: invalid parameter for -E option\n"
            "         Use -hs for help text\n");
        throw ExitRequest{1};
      }
      break;
    case 'f':
      G.report_option_flag = G.function_flag = 1;
      if (G.csv_mode) G.csv_function_lines = G.csv_summary = 1;
      break;
    case 'H':
      G.html_flag = 1;
      break;
    case 'n':
      G.report_option_flag = G.notice_flag = 1;
      break;
    case 'O':
      G.output_file_name = arg;
      set_output_file(arg, G);
      break;
    case 's':
      G.summary_flag = 1;
      if (G.csv_mode) G.csv_summary = 1;
      break;
    case 'v':
      G.report_option_flag = G.verbose_flag = 1;
      break;
    default:
      break;
  }
}

}  // namespace

void set_output_file(const char* path, Globals& G) {
  FILE* f = fopen(path, "wb");
  if (f == nullptr) {
    const int err = errno;
    G.output_owner.reset();
    G.output = stdout;
    Out(G,
        "\n  Error:  Could not open output file, using stdout\n"
        "          Filename: %s\n          %s\n\n",
        path, strerror(err));
    return;
  }
  G.output_owner.reset(f);
  G.output = f;
  printf("\nKLV using output file: %s\n", path);
}

void ShowSyntax(Globals& G, int syntax_error) {
  std::string name = G.program_name;
  const size_t slash = name.rfind('\\');
  if (slash != std::string::npos) name.erase(0, slash + 1);
  ShowHeader(G, syntax_error);
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
}

void SetUpParams(int argc, char** argv, Globals& G) {
  if (argc < 2) {
    ShowSyntax(G, 0);
    throw ExitRequest{0};
  }
  opterr = 0;
  optind = 0;  // full re-initialisation, so a run can parse again
  int letter;
  while ((letter = getopt(argc, argv, "+AacdfHnsvO:D:E:")) != -1) {
    if (letter == '?' || letter == ':') {
      Out(G,
          "\n  Error: Command line parse error, invalid option.\n"
          "         Use -hs to show program help syntax.\n");
      throw ExitRequest{1};
    }
    ApplyOption(letter, optarg, G);
  }
  int index = 1;
  while (index < argc && argv[index][0] == '-') {
    if (index + 2 < argc && argv[index + 2][0] == '-') index += 2;
    ++index;
  }
  G.file_count = argc - index;
  if (G.file_count < 1) {
    ShowSyntax(G, 1);
    throw ExitRequest{1};
  }
  G.summary_flag = 1;
  G.file_summary_flag = 1;
  if (G.function_flag) G.function_list_flag = 0;
}

int FirstOperand(int argc, char** argv, Globals& G) {
  int index = 1;
  while (index < argc && argv[index][0] == '-') {
    const char option = argv[index][1];
    if (option == 'r' || option == 'O') {
      index += 2;
      if (index >= argc) {
        if (option == 'r') {
          Out(G,
              "\n  Error: For the specified parameter: -r\n"
              "         The options for -r are: -r <ext,ext> <start "
              "directory>\n"
              "         The list of extensions or start directory is "
              "missing.\n\n"
              "         i.e.  klv -H -f -o -c -r h,c,cpp,java c:\\proj > "
              "metrics.htm\n\n");
        } else {
          Out(G,
              "\n  Error: For the specified parameter: -O\n"
              "         The options for -O require a filename for output\n"
              "         followed by a source file set.\n\n"
              "         i.e.  klv -H -f -o -c -O report.txt -r "
              "h,c,cpp,java c:\\proj\n\n");
        }
        throw ExitRequest{1};
      }
    } else {
      ++index;
    }
  }
  return index;
}
