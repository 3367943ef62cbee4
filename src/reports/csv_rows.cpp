#include <algorithm>
#include <array>
#include <ctime>
#include <iterator>

#include "reports/framing.h"
#include "reports/metric_lines.h"
#include "reports/csv_field.h"
#include "base/output.h"
#include "reports/summaries.h"
#include "base/clock.h"

namespace {

// Folds one row into the statistics; the first row sets every minimum.
void Accumulate(CsvAccumulator& acc, const double* values, int count) {
  const bool first = acc.count == 0;
  ++acc.count;
  for (int k = 0; k < count; ++k) {
    acc.total[k] += values[k];
    if (first || values[k] < acc.min[k]) acc.min[k] = values[k];
    if (acc.min[k] < 0) acc.min[k] = 0;
    if (values[k] > acc.max[k]) acc.max[k] = values[k];
  }
}

long long I(double v) { return static_cast<long long>(v); }

// A file row: "File", name, date, then the 16 statistics.
void FileRow(ReportSink& G, const char* name, const char* date,
             const double* v) {
  Out(G,
      "%s, %s, %s, %lld, %lld, %lld, %lld, %lld, %lld, %lld, %.2f, %lld, %lld, "
      "%lld, %lld, %lld, %lld, %lld, %lld\n",
      "File", name, date, I(v[0]), I(v[1]), I(v[2]), I(v[3]), I(v[4]), I(v[5]),
      I(v[6]), v[7], I(v[8]), I(v[9]), I(v[10]), I(v[11]), I(v[12]), I(v[13]),
      I(v[14]), I(v[15]));
}

// A function row: 19 columns, the 13 statistics among empty columns.
void FunctionRow(ReportSink& G, const char* first, const char* name,
                 const double* v) {
  Out(G,
      "%s, %s, %s, %s, %lld, %lld, %lld, %lld, %lld, %lld, %.2f, %s, %lld, "
      "%lld, %lld, %lld, %lld, %lld, %s\n",
      first, name, "", "", I(v[0]), I(v[1]), I(v[2]), I(v[3]), I(v[4]),
      I(v[5]), v[6], "", I(v[7]), I(v[8]), I(v[9]), I(v[10]), I(v[11]),
      I(v[12]), "");
}

}  // namespace

void CSV_Header(ReportSink& out, const RunSettings& G) {
  // The date in asctime form carries its own newline.
  Out(out, "Tarvelon\n");
  Out(out, "%s %s\n", "Version", G.version.c_str());
  Out(out, "Date Processed: %s\n", CtimeText(Now()).c_str());
  if (G.csv_summary) {
    Out(out,
        "Type, Name, File Date, Size, LOC, eLOC, lLOC, Comments, Blanks, "
        "Lines, Comment/eLOC, Classes, Functions, Parameters, Returns, "
        "InterComp, CycloComp, Total Complexity, Notices\n\n");
  }
}

void CSV_File_Line(const std::string& name, time_t mtime, int64_t size, int loc,
                   int eloc, int lloc, int comments, int blanks, int lines,
                   int classes, int functions, int params, int returns,
                   int cyclo, int notices, int summary, Globals& G) {
  CsvAccumulator& acc = G.csv_files;
  if (!summary) {
    char date[41] = "";
    struct tm tm {};
    if (localtime_r(&mtime, &tm) != nullptr) {
      strftime(date, sizeof date, "%c", &tm);
    }
    const double inter = static_cast<double>(params) + returns;
    const double values[16] = {static_cast<double>(size),
                               static_cast<double>(loc),
                               static_cast<double>(eloc),
                               static_cast<double>(lloc),
                               static_cast<double>(comments),
                               static_cast<double>(blanks),
                               static_cast<double>(lines),
                               CommentRatio(comments, eloc),
                               static_cast<double>(classes),
                               static_cast<double>(functions),
                               static_cast<double>(params),
                               static_cast<double>(returns),
                               inter,
                               static_cast<double>(cyclo),
                               inter + cyclo,
                               static_cast<double>(notices)};
    FileRow(G, CsvField(name).c_str(), date, values);
    if (G.csv_function_lines) Out(G, "\n");
    if (G.apart.active) {
      std::array<double, 16> row;
      std::copy(std::begin(values), std::end(values), row.begin());
      G.apart.csv_file_rows.push_back(row);
    } else {
      Accumulate(acc, values, 16);
    }
    return;
  }
  if (acc.count > 0) {
    Out(G, "%s, %d\n", "Files", acc.count);
    FileRow(G, "Total", "", acc.total);
    double avg[16];
    for (int k = 0; k < 16; ++k) avg[k] = acc.total[k] / acc.count;
    Out(G,
        "%s, %s, %s, %.2f, %.2f, %.2f, %.2f, %.2f, %.2f, %.2f, %.2f, %.2f, "
        "%.2f, %.2f, %.2f, %.2f, %.2f, %.2f, %.2f\n",
        "File", "Average", "", avg[0], avg[1], avg[2], avg[3], avg[4], avg[5],
        avg[6], avg[7], avg[8], avg[9], avg[10], avg[11], avg[12], avg[13],
        avg[14], avg[15]);
    FileRow(G, "Maximum", "", acc.max);
    FileRow(G, "Minimum", "", acc.min);
  }
  acc = CsvAccumulator();
}

void AddCsvFileRows(const ApartLog& apart, RunTotals& G) {
  for (const std::array<double, 16>& row : apart.csv_file_rows) {
    Accumulate(G.csv_files, row.data(), 16);
  }
}

void CSV_Function_Line(const std::string& name, int loc, int eloc, int lloc,
                       int comments, int blanks, int lines, int params,
                       int returns, int cyclo, int summary, Globals& G) {
  if (!G.csv_function_lines) return;
  CsvAccumulator& acc = G.csv_functions;
  if (!summary) {
    const double inter = static_cast<double>(params) + returns;
    const double values[13] = {static_cast<double>(loc),
                               static_cast<double>(eloc),
                               static_cast<double>(lloc),
                               static_cast<double>(comments),
                               static_cast<double>(blanks),
                               static_cast<double>(lines),
                               CommentRatio(comments, eloc),
                               1.0,
                               static_cast<double>(params),
                               static_cast<double>(returns),
                               inter,
                               static_cast<double>(cyclo),
                               inter + cyclo};
    FunctionRow(G, "  f()", CsvField(name).c_str(), values);
    Accumulate(acc, values, 13);
    return;
  }
  if (acc.count >= 1) {
    double totals[13];
    for (int k = 0; k < 13; ++k) totals[k] = acc.total[k];
    totals[7] = acc.count;
    FunctionRow(G, "", "Total", totals);
    double avg[13];
    for (int k = 0; k < 13; ++k) avg[k] = acc.total[k] / acc.count;
    Out(G,
        "%s, %s, %s, %s, %.2f, %.2f, %.2f, %.2f, %.2f, %.2f, %.2f, %s, %.2f, "
        "%.2f, %.2f, %.2f, %.2f, %.2f, %s\n",
        "", "Average", "", "", avg[0], avg[1], avg[2], avg[3], avg[4], avg[5],
        avg[6], "", avg[7], avg[8], avg[9], avg[10], avg[11], avg[12], "");
    FunctionRow(G, "", "Maximum", acc.max);
    FunctionRow(G, "", "Minimum", acc.min);
  }
  acc = CsvAccumulator();
}
