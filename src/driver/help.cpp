#include "driver/help.h"

#include "config/show_cfg.h"
#include "notices/emit.h"
#include "reports/framing.h"
#include "base/output.h"

namespace {

// Rows 2 to 81 of the syntax text: indentation and text.
constexpr struct {
  int indent;
  const char* text;
} kSyntaxRows[] = {
    {10, "-A Automated CSV output mode"},
    {13, "-A -f   Functions and Files"},
    {13, "-A -i   Inheritance Tree"},
    {13, "-A -s   File Summary"},
    {13, "-A -Ta  All T reports"},
    {13, "-A -Tf  Total Functions"},
    {13, "-A -To  Total Structs, Classes, Interfaces, Namespaces"},
    {13, "-A -Tq  Total Quality Notices"},
    {13, "-A -Ti  Total Inheritance Tree"},
    {13, "-A -wW  Work file differentials"},
    {13, "-A -wx  workfile.old workfile.new  Work file extraction"},
    {10, "-a Allocation/de-allocation memory function counts"},
    {10, "-b Benchmark processing performance"},
    {10, "-C Comment documentation relative to function or class"},
    {10, "-c Complexity metrics, Cyclomatic and Interface"},
    {10, "-D De-character source, Warning: Modifies Source Code"},
    {13, "-Dt  Remove tabs \\t"},
    {13, "-Du  Remove carriage returns \\r, make UNIX files"},
    {13, "-Dd  Add carriage returns \\r, create DOS files"},
    {10, "-d Determine source code against LOC analysis algorithm"},
    {10, "-E Extract literal strings or comments from source code"},
    {13, "-Es  Extract strings"},
    {13, "-Ec  Extract comments"},
    {10, "-e Estimate labor rate analysis based on LOC and complexity"},
    {10, "-f Function Identification and LOC metrics"},
    {10, "-F \"FileList.txt\"  Input mode from a file list"},
    {10, "-H HTML output mode for use with a WWW browser"},
    {10, "-h Help"},
    {13, "-hc  Configuration Settings"},
    {13, "-hs  Syntax only"},
    {13, "-hf  Full Help Text Document"},
    {13, "-hn  Quality Notice Types"},
    {13, "-hp  Abbreviated Syntax with Pause Prompt"},
    {10, "-i Inheritance tree generation"},
    {10, "-j Jobs, analyse files on N threads (-j N, -j: one per core)"},
    {10, "-k Key for sorting reports"},
    {13, "-k0  No report sorting (default)"},
    {13, "-k1  Sort by Name"},
    {13, "-k2  Sort by LOC"},
    {13, "-k3  Sort by eLOC"},
    {13, "-k4  Sort by lLOC"},
    {13, "-k5  Sort by Cyclomatic Complexity"},
    {13, "-k6  Sort by Work File Difference State"},
    {10, "-l List function names declared in each file"},
    {10, "-m Macro identification"},
    {10, "-n Notices for code quality analysis & common errors"},
    {10, "-N Notice output format"},
    {13, "-Ns  Single line summary format"},
    {13, "-Nv  Visual Studio and KAWA interactive format"},
    {10, "-o Object metrics classes and structs"},
    {10, "-O <filename> output mode to a file instead of screen"},
    {10, "-p Printable format for source code"},
    {13, "-B 1          Begin Top Margin (defaults shown)"},
    {13, "-M 5          Left Margin"},
    {13, "-P 55         Page Length"},
    {13, "-L 80         Line Length"},
    {13, "-S \"string\"   Header String"},
    {10, "-r \"ext,ext,...\" \"directory\"  Recurse directory input mode"},
    {10, "-R Read File Input Processing Options"},
    {13, "-Rd  Process directory (-r No Recursive Descent)"},
    {13, "-Rl  List files to be processed and exit"},
    {13, "-Rn  Files input are sorted by name"},
    {10, "-s Summary LOC metrics per file"},
    {10, "-T Totals only mode, Sorted"},
    {13, "-Ta  All Total reports"},
    {13, "-Tf  Functions, Classes Namespaces and Notices"},
    {13, "-Ti  Inheritance Tree Only"},
    {13, "-To  Objects Structs, Classes, Interfaces, Namespaces"},
    {13, "-Tp  Quality Profile by notice type"},
    {13, "-Tq  Quality Notice summary list by file"},
    {13, "-Tn  Quality Notices emitted by file and line number"},
    {13, "-Ts  Total summary LOC metrics"},
    {13, "-Tl  Summaries only, no listing of functions, classes etc."},
    {13, "-TN  No file names displayed"},
    {13, "-Tw  Work file metrics differentials only"},
    {10, "-v Verbose metrics for files, LOC, keywords and constructs"},
    {10, "-w Work files for metrics differentials between baselines"},
    {13, "-wc  Create files, workfile.dat and kv112220.00 date format"},
    {13, "-w  \"File myworkfile.dat\"  User specified work file"},
    {13, "-wW  Work differential between last (workfile.dat) and now"},
    {13, "-wx  Extract work differential between two work files"},
};

}  // namespace

void ShowAllSyntax(ReportSink& out, const RunSettings& G) {
  Out(out, "  Syntax: %s <-option -option parameter> filename or wild cards\n",
      G.program_name.c_str());
  for (const auto& row : kSyntaxRows) {
    Out(out, "%*s%s\n", row.indent, "", row.text);
  }
  Out(out, "          -y Display configuration parameters, export %s\n",
      kConfigFileName);
  Out(out,
      "          --json=FILE   Every figure of the run as a JSON document\n"
      "          --sarif=FILE  Quality notices as a SARIF 2.1.0 log\n");
  Out(out, "\n          filename or *.c *.h ../src/*.c etc.\n");
}

void ShowHelp(ReportSink& out, const RunSettings& G) {
  ShowHeader(out, G, 0);
  Center(out, "KLV Manual");
  Out(out, "\n");
  ShowAllSyntax(out, G);
  Out(out, "\n\n");
  for (const HelpChapter& chapter : kHelpChapters) {
    Center(out, chapter.title);
    Out(out, "\n");
    OutText(out, chapter.text);
    Out(out, "\n");
  }
  for (const HelpSection& section : kHelpSections) {
    Out(out, "%s\n", section.title);
    HyphenRule(out);
    Out(out, "%s\n\n", section.syntax);
    OutText(out, section.text);
    Out(out, "\n");
  }
}

void ShowNotices(ReportSink& out, const RunSettings& G) {
  ShowHeader(out, G, 0);
  Center(out, "All KLV Quality Notice Types");
  Out(out, "\n");
  for (int n = 1; n <= 44; ++n) {
    Out(out, "  Notice %-2d: %s\n", n, GetNoticeStr(n, G).c_str());
  }
  HyphenRule(out);
}
