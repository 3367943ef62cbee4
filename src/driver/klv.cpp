#include "driver/klv.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

#include "analysis/file_convert.h"
#include "analysis/file_type.h"
#include "analysis/line_parser.h"
#include "driver/globals.h"
#include "driver/line_reader.h"
#include "driver/options.h"
#include "files/file_list.h"
#include "notices/emit.h"
#include "recognise/scope.h"
#include "reports/framing.h"
#include "reports/output.h"
#include "reports/summaries.h"

namespace {

void BraceCountNotice(Globals& G) {
  const FileMetrics& M = G.metrics;
  if (G.html_flag) {
    Out(G,
        "\n    <FONT COLOR=%s>NOTICE</FONT>: The end of the source file has "
        "been reached where the\n"
        "            <B>open brace count { %d != %d } close brace count</B>\n",
        G.html_notice_color.c_str(), M.openbrace_count, M.closebrace_count);
  } else {
    Out(G,
        "\n    NOTICE: The end of the source file has been reached where the\n"
        "            open brace count { %d != %d } close brace count \n",
        M.openbrace_count, M.closebrace_count);
  }
  Out(G,
      "            This is an indication of non-compilable code within the "
      "source\n"
      "            file.  KLV processes all source code including code wrapped\n"
      "            with preprocessor directives.  Accurate metrics requires "
      "that\n"
      "            all code present in this file must be compilable.\n");
}

void OpenScopeNotice(Globals& G) {
  if (G.html_flag) {
    Out(G,
        "\n    <FONT COLOR=%s>NOTICE</FONT>: The end of the source file has "
        "been reached where the\n"
        "            <B>local function scope remains open</B>.  The last known "
        "function\n",
        G.html_notice_color.c_str());
  } else {
    Out(G,
        "\n    NOTICE: The end of the source file has been reached where the\n"
        "            local function scope remains open.  The last known "
        "function\n");
  }
  Out(G,
      "            will be emitted but metrics cannot be generated in this\n"
      "            condition.\n");
}

// Notices 20, 19 and 21, which need the whole file.
void FileNotices(Globals& G) {
  const FileMetrics& M = G.metrics;
  const int line = M.lines;
  const int64_t commented = int64_t{M.comment_lines} + M.loc;
  const double comment_pct =
      commented < 1 ? 0.0 : 100.0 * M.comment_lines / commented;
  if (G.min_comment_percent > comment_pct) {
    IssueNotice(20, line, G, [&] {
      if (G.html_flag) {
        Out(G,
            "\n    <FONT COLOR=%s>NOTICE</FONT> #20: File comment line "
            "percentage, <B>%.1f%%</B> is less than <B>%.1f%%</B> \n",
            G.html_notice_color.c_str(), comment_pct,
            static_cast<double>(G.min_comment_percent));
      } else {
        Out(G,
            "\n    NOTICE #20: File comment line percentage, %.1f%% is less "
            "than %.1f%%\n",
            comment_pct, static_cast<double>(G.min_comment_percent));
      }
    });
  }
  const double space_pct =
      M.characters < 1 ? 0.0 : 100.0 * M.spaces / M.characters;
  if (space_pct < G.min_whitespace_percent) {
    IssueNotice(19, line, G, [&] {
      if (G.html_flag) {
        Out(G,
            "\n    <FONT COLOR=%s>NOTICE</FONT> #19: File white space "
            "percentage, <B>%.1f%%</B> is less than <B>%.1f%%</B> \n",
            G.html_notice_color.c_str(), space_pct,
            static_cast<double>(G.min_whitespace_percent));
      } else {
        Out(G,
            "\n    NOTICE #19: File white space percentage, %.1f%% is less "
            "than %.1f%%\n",
            space_pct, static_cast<double>(G.min_whitespace_percent));
      }
    });
  }
  if (!G.parse.key_string_found && G.key_string_set) {
    IssueNotice(21, line, G, [&] {
      if (G.html_flag) {
        Out(G,
            "\n    <FONT COLOR=%s>NOTICE</FONT> #21: File does not contain the "
            "key string specified in the\n            %s file.\n"
            "            Key String: <B><I>%s</I></B>\n\n",
            G.html_notice_color.c_str(), "klv.cfg", G.key_string.c_str());
      } else {
        Out(G,
            "\n    NOTICE #21: File does not contain the key string specified "
            "in the\n            %s file.\n            Key String: %s\n\n",
            "klv.cfg", G.key_string.c_str());
      }
    });
  }
}

// The report sections written after each analysed file.
void FileReports(const std::string& name, Globals& G) {
  const FileMetrics& M = G.metrics;
  if (G.csv_summary) {
    CSV_Function_Line("f() total", 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, G);
    CSV_File_Line(name, G.file_mtime, G.file_size, M.loc, Eloc(M), Lloc(M),
                  M.comment_lines, M.blank_lines, M.lines, M.class_count,
                  M.function_count, G.parse.file_params, G.parse.file_returns,
                  G.parse.file_cyclomatic, M.notice_count, 0, G);
    return;
  }
  if (!G.comment_doc_flag && !G.extract_flag && !G.totals_flag) {
    if (G.summary_flag || G.function_flag) ShowTotalSummary(G, 0);
    if (G.memory_flag) ShowMemorySummary(G);
    if (G.verbose_flag) ShowVerbose(G, 0);
  }
  if (G.report_option_flag && !G.totals_flag) EndOfFileTrailer(name, G);
}

// Analyses one source file: reads it piece by piece through the line parser,
// raises the file notices and writes the file's report sections.
void AnalyseFile(FILE* in, const std::string& name, Globals& G) {
  Progress(G, ".");
  EmitFilename(name, G);
  WhichFile(name.c_str(), G);
  ++G.files_processed;

  LineReader reader(in);
  std::string line;
  bool at_end = false;
  while (reader.Next(line, at_end) || !at_end) {
    // A final piece without a line end that starts with a control
    // character, TAB or a byte of 128 and above is not analysed.
    if (at_end && static_cast<signed char>(line[0]) <= 11) break;
    Bump(G.metrics.lines, 1);
    ParseLine(line.c_str(), G.metrics.lines, G);
    if (at_end) break;
  }

  FileState& P = G.parse;
  if (P.namespace_flag && P.java_file) {
    EmitNamespace(G, 0);
    P.namespace_flag = P.namespacebeg_flag = P.namespace_scope = 0;
    P.local_brace = 0;
  }
  if (!G.totals_flag) {
    if (G.metrics.openbrace_count != G.metrics.closebrace_count) {
      BraceCountNotice(G);
    }
    if (P.local_brace > 0 && P.funcname_flag) {
      OpenScopeNotice(G);
      EmitFunction(G);
    }
  }
  FileNotices(G);
  FileReports(name, G);
}

// Analyses every file of the list in order.
void ProcessFiles(Globals& G) {
  for (const NameData& entry : G.file_list) {
    const std::string& name = entry.name;
    G.file_name = name;
    if (name.empty() || static_cast<signed char>(name[0]) <= 32 ||
        name == ".") {
      continue;
    }
    // Conversion rewrites the file, so it must be writable from the start.
    FilePtr in(fopen(name.c_str(), G.convert_flag ? "r+b" : "rb"));
    if (in == nullptr) {
      Out(G,
          "\n  Error: Problem opening input file:\n         %s\n"
          "         %s, %s\n\n",
          name.c_str(), G.convert_flag ? "For modification" : "For read",
          strerror(errno));
      continue;
    }
    if (G.convert_tabs || G.convert_unix || G.convert_dos) {
      DeFile(std::move(in), name.c_str(), G);
      ++G.files_processed;
      continue;
    }
    AnalyseFile(in.get(), name, G);
    AddTotal(G);
    ResetState(G);
  }
}

// The project sections after the last file.
void ProjectReports(Globals& G) {
  SetTotal(G);
  if (G.csv_mode) {
    if (G.csv_summary) {
      CSV_File_Line("total", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, G);
    }
    if (G.totals_flag) ShowTotalReport(G);
    return;
  }
  ProjectTitle(G);
  if (G.totals_flag) {
    ShowTotalReport(G);
  } else if (G.summary_flag) {
    Out(G, "\n");
    ShowTotalSummary(G, 1);
  }
  if (G.verbose_flag) ShowVerbose(G, 1);
  if (G.memory_flag) ShowMemorySummary(G);
  if (G.file_summary_flag || G.totals_flag) ShowFileSummary(G);
}

int Run(int argc, char** argv, Globals& G) {
  SetUpParams(argc, argv, G);
  if (!G.csv_mode) ShowHeader(G, 0);
  const int first = FirstOperand(argc, argv, G);
  G.h_files_cpp = G.notice_enabled[25] ? 1 : 0;
  if (G.csv_mode) CSV_Header(G);
  G.file_count = BuildFileList(first, G);

  ProcessFiles(G);

  Progress(G, "\nParsing files complete\n");
  Progress(G, (G.sort_key != 0 || G.sort_names_flag)
                  ? "Sorting, reporting and post processing\n"
                  : "Reporting and post processing\n");
  if (!G.comment_doc_flag && !G.extract_flag && !G.convert_flag) {
    ProjectReports(G);
  }
  if (!G.csv_mode && !G.convert_flag) {
    Out(G, "  %s\n\n", Rule72('_').c_str());
  }
  if (G.html_flag) Out(G, "</P></PRE></BODY></HTML>");
  const int status = G.notice_flag ? G.metrics.notice_count : 0;
  Progress(G, "Processing complete\n");
  Progress(G, "\nKLV Processed - %d files to output file %s\n",
           G.files_processed, G.output_file_name.c_str());
  return status;
}

}  // namespace

int klv(int argc, char** argv) {
  auto G = std::make_unique<Globals>();
  Init_Globals(*G);
  G->program_name = argc > 0 && argv[0] != nullptr ? argv[0] : "klv";
  G->arg_count = argc;
  G->arg_values = argv;
  int status = 0;
  try {
    status = Run(argc, argv, *G);
  } catch (const ExitRequest& exit_request) {
    status = exit_request.status;
  }
  fflush(G->output);
  fflush(stdout);
  return status;
}
