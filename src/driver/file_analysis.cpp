#include "driver/file_analysis.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

#include "analysis/file_convert.h"
#include "base/error_block.h"
#include "base/file_type.h"
#include "analysis/line_parser.h"
#include "base/line_reader.h"
#include "files/regular_file.h"
#include "listing/listing.h"
#include "notices/notices.h"
#include "recognise/classes.h"
#include "recognise/scope.h"
#include "reports/csv_file_report.h"
#include "reports/framing.h"
#include "reports/function_reports.h"
#include "base/output.h"
#include "reports/run_figures.h"
#include "reports/summaries.h"
#include "work/work_file.h"

namespace {

// The report sections written after each analysed file.
void FileReports(const std::string& name, Globals& G) {
  const FileMetrics& M = G.metrics;
  if (G.csv_file_report) {
    CsvReportFileLine(G);
    return;
  }
  if (G.csv_summary) {
    CSV_Function_Line("f() total", 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, G);
    CSV_File_Line(name, G.file_mtime, G.file_size, M.loc, Eloc(M), Lloc(M),
                  M.comment_lines, M.blank_lines, M.lines, M.class_count,
                  M.function_count, G.parse.file_params, G.parse.file_returns,
                  G.parse.file_cyclomatic, M.notice_count, 0, G);
    return;
  }
  if (!G.comment_doc_flag && !G.extract_flag) {
    if (G.work_flag) WriteWorkLine(name, G);
    if (!G.totals_flag) {
      if (G.summary_flag || G.function_flag) ShowTotalSummary(G, 0);
      if ((G.function_flag || G.function_list_flag) && M.function_count > 0) {
        ShowFileFunctionSummary(G);
      }
      if (G.memory_flag) ShowMemorySummary(G);
      if (G.verbose_flag) ShowVerbose(G, 0);
    }
  }
  if (G.report_option_flag && !G.totals_flag) EndOfFileTrailer(name, G);
}

// The run-wide counts a file adds to before its end, kept so that a file
// that cannot be read to its end can be taken out again.
struct RunCounts {
  int32_t types[6];
  int32_t notices[46];
  int files_processed;

  explicit RunCounts(const Globals& G)
      : types{G.c_source_count, G.cpp_source_count, G.c_header_count,
              G.cpp_header_count, G.java_file_count, G.other_file_count},
        files_processed(G.files_processed) {
    std::copy(std::begin(G.notice_type_count), std::end(G.notice_type_count),
              notices);
  }
  void Restore(Globals& G) const {
    G.c_source_count = types[0];
    G.cpp_source_count = types[1];
    G.c_header_count = types[2];
    G.cpp_header_count = types[3];
    G.java_file_count = types[4];
    G.other_file_count = types[5];
    std::copy(std::begin(notices), std::end(notices), G.notice_type_count);
    G.files_processed = files_processed;
  }
};

// Analyses one source file: reads it piece by piece through the line parser,
// raises the file notices and writes the file's report sections. False
// when it could not be read to its end: it is reported and left out of the
// run's counts, and nothing of it goes into the totals or the work file.
bool AnalyseFile(LineReader& reader, const std::string& name, Globals& G) {
  const RunCounts before(G);
  Progress(G, ".");
  EmitFilename(name, G);
  if (G.keep_figures) BeginFileFigures(name, G);
  WhichFile(name.c_str(), G);
  ++G.files_processed;

  // Each line is read in place in the reader's buffer, with its length.
  std::string_view line;
  while (reader.NextView(line)) {
    Bump(G.metrics.lines, 1);
    ParseLine(line, G.metrics.lines, G);
  }
  if (reader.error() != 0) {
    OutError(G,
             {"Problem reading input file:", name,
              std::string("For read, ") + strerror(reader.error())},
             {.blank_after = true});
    before.Restore(G);
    ++G.run_failures;
    return false;
  }

  FileState& P = G.parse;
  if (P.namespace_flag && P.java_file) {
    EmitNamespace(G, 0);
    P.namespace_flag = P.namespacebeg_flag = P.namespace_scope = 0;
    P.local_brace = 0;
  }
  if (Check_Hanging(G)) EmitFunction(G);
  ClassEndOfFile(G);
  EmitFileNotices(G);
  FileReports(name, G);
  if (G.keep_figures) EndFileFigures(G);
  return true;
}

// Analyses the file `reader` reads, adds it to the run's totals when it
// was read to its end, and clears the file's state.
void AnalyseAndAdd(LineReader& reader, const std::string& name, Globals& G) {
  if (AnalyseFile(reader, name, G)) AddTotal(G);
  ResetState(G);
}

}  // namespace

bool ListsOrConvertsFiles(const RunSettings& G) {
  return G.print_flag || G.convert_flag || G.convert_tabs || G.convert_unix ||
         G.convert_dos;
}

void AnalyseListedFile(const std::string& name, Globals& G,
                       SourceText* source) {
  G.file_name = name;
  // Every name the system accepts is read: one that begins with a blank
  // or a byte of 128 or more is as good as any other.
  if (name.empty() || name == ".") return;
  if (source != nullptr && source->held && !ListsOrConvertsFiles(G)) {
    LineReader reader(source->data(), source->length);
    AnalyseAndAdd(reader, name, G);
    return;
  }
  // Conversion rewrites the file, so it must be writable from the start.
  std::string why;
  FilePtr in = OpenRegularFile(name, G.convert_flag != 0, why);
  if (in == nullptr) {
    OutError(G,
             {"Problem opening input file:", name,
              (G.convert_flag ? "For modification, " : "For read, ") + why},
             {.blank_after = true});
    return;
  }
  if (G.print_flag) {
    PrintCode(in.get(), name, G);
    ++G.files_processed;
    return;
  }
  if (G.convert_tabs || G.convert_unix || G.convert_dos) {
    DeFile(std::move(in), name.c_str(), G);
    ++G.files_processed;
    return;
  }
  LineReader reader(in.get());
  AnalyseAndAdd(reader, name, G);
}
