// Reports built from the line and keyword counters: the LOC summary, the
// keyword and metrics block, the memory summary, the file count by type and
// the fixed CSV rows.
#ifndef KLV_REPORTS_SUMMARIES_H_
#define KLV_REPORTS_SUMMARIES_H_

#include <ctime>
#include <string>

#include "base/globals.h"

// The LOC summary of the current file (project 0) or of the project (1).
void ShowTotalSummary(Globals& G, int project);
void ShowVerbose(Globals& G, int project);
void ShowMemorySummary(Globals& G);
void ShowFileSummary(Globals& G);

// One CSV file row, or with `summary` the closing statistics rows.
void CSV_File_Line(const std::string& name, time_t mtime, int64_t size, int loc,
                   int eloc, int lloc, int comments, int blanks, int lines,
                   int classes, int functions, int params, int returns,
                   int cyclo, int notices, int summary, Globals& G);
// One CSV function row, or with `summary` the file's function statistics.
// Adds the CSV file rows of a file analysed apart to the run's statistics.
void AddCsvFileRows(const ApartLog& apart, RunTotals& G);
void CSV_Function_Line(const std::string& name, int loc, int eloc, int lloc,
                       int comments, int blanks, int lines, int params,
                       int returns, int cyclo, int summary, Globals& G);

#endif  // KLV_REPORTS_SUMMARIES_H_
