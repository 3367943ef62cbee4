// The function reports: the summary written after each file that has
// functions, the project list of every function and the project statistics
// over them, in text, HTML and CSV. (The per-function CSV rows and their
// per-file summary rows are CSV_Function_Line, in reports/summaries.h.)
#ifndef KLV_REPORTS_FUNCTION_REPORTS_H_
#define KLV_REPORTS_FUNCTION_REPORTS_H_

#include <cstdint>
#include <string>

#include "base/globals.h"
#include "lists/node_data.h"

struct FunctionStats;

// The "File Functional Summary" of the current file, from the function sums
// and maxima the recogniser keeps in G.parse and the file's function count.
void ShowFileFunctionSummary(Globals& G);

// The project function list ("Project Functional Metrics"), re-sorted by
// the -k key, followed by the project statistics. Nothing without
// functions.
void ShowProjectFunctionSummary(Globals& G);
// One function of the project list; a record whose name does not begin
// with a letter, '_' or '~' is left out.
void FunctionDataShow(const NodeData& record, ReportSink& out,
                      const RunSettings& G);
// The project statistics ("Project Functional Analysis"): those gathered
// over the list already, or else gathered now. Walking the list also adds
// each function's measures to its namespace.
void TShowFunctionSummary(Globals& G, const FunctionStats* gathered = nullptr);

// The CSV lines of the project function sections. The interface and total
// complexity columns are computed from the parameters, returns and
// cyclomatic complexity given.
void CSVSummaryFunctionHeader(ReportSink& G);
void CSVSummaryFunctionLine(ReportSink& G, const std::string& name, int64_t loc,
                            int64_t eloc, int64_t lloc, int64_t comments,
                            double ratio, int64_t lines, int64_t params,
                            int64_t returns, int64_t cyclo);
void CSVSummaryFunctionAvgLine(ReportSink& G, const std::string& name,
                               double loc, double eloc, double lloc,
                               double comments, double ratio, double lines,
                               double params, double returns, double cyclo);

#endif  // KLV_REPORTS_FUNCTION_REPORTS_H_
