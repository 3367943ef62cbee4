// The configurable CSV file report: a title line, then one line per
// analysed file with the fields csv_field_order selects, in its order.
#ifndef KLV_REPORTS_CSV_FILE_REPORT_H_
#define KLV_REPORTS_CSV_FILE_REPORT_H_

#include <string>
#include <vector>

#include "base/globals.h"

// Writes field n: with `title` set its column title alone, otherwise its
// value for the current file followed by a comma. A number outside 1..72
// writes "Invalid Report Selection-n,". Returns 0.
int insert_csv_data(int n, int title, Globals& G);

// The selected field numbers in column order: by slot value, ties in
// catalogue order.
std::vector<int> CsvReportFields(const RunSettings& G);

// The report's title line.
void CsvReportTitleLine(ReportSink& out, const RunSettings& G);
// The current file's line.
// Requires: the file's last line was parsed and its notices counted.
void CsvReportFileLine(Globals& G);

#endif  // KLV_REPORTS_CSV_FILE_REPORT_H_
