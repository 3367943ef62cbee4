#include "reports/function_stats.h"

#include <cstdint>
#include <string>

#include "reports/namespace_sums.h"
#include "reports/function_reports.h"
#include "reports/function_sums.h"
#include "reports/metric_lines.h"
#include "base/output.h"
#include "reports/stat_rows.h"
#include "base/saturate.h"

void GatherFunction(const NodeData& r, FunctionStats& s, RunTotals& G) {
  AddFunctionSums(s.sum, r);
  Add_Func2namespace(r.name, r.loc, r.lloc, r.eloc, r.comments, r.blanks,
                     r.lines, r.cyclo, r.params, r.returns, G);
  // The first function sets every minimum; a minimum below 0 becomes 0.
  const int first = s.sum.count == 1 ? 1 : 0;
  MinMax_int(r.lines, &s.min.lines, &s.max.lines, first);
  MinMax_int(r.loc, &s.min.loc, &s.max.loc, first);
  MinMax_int(r.eloc, &s.min.eloc, &s.max.eloc, first);
  MinMax_int(r.lloc, &s.min.lloc, &s.max.lloc, first);
  MinMax_int(r.comments, &s.min.comments, &s.max.comments, first);
  MinMax_int(r.cyclo, &s.min.cyclo, &s.max.cyclo, first);
  MinMax_int(r.blanks, &s.min.blanks, &s.max.blanks, first);
  MinMax_int(r.params, &s.min.params, &s.max.params, first);
  MinMax_int(r.returns, &s.min.returns, &s.max.returns, first);
  MinMax_int(Saturate32(int64_t{r.params} + r.returns), &s.min.inter,
             &s.max.inter, first);
  MinMax_double(CommentRatio(r.comments, r.eloc), &s.min.ratio, &s.max.ratio,
                first);
}

void EndFunctionGathering(RunTotals& G) {
  // The namespace sums changed in place.
  LlistOrderChanged(G.namespace_list);
  G.namespace_functions_added = 1;
}

namespace {

// One pass over the function list in its present order.
FunctionStats Gather(RunTotals& G) {
  FunctionStats s;
  for (const NodeData& r : G.function_list) GatherFunction(r, s, G);
  EndFunctionGathering(G);
  return s;
}

// A "Maximum" or "Minimum" row: the interface and total columns are built
// from the separate extremes of parameters, returns and complexity.
void CsvExtremesRow(ReportSink& G, const char* title, const Extremes& e) {
  CSVSummaryFunctionLine(G, title, e.loc, e.eloc, e.lloc, e.comments, e.ratio,
                         e.lines, e.params, e.returns, e.cyclo);
}

void CsvStatistics(ReportSink& G, const FunctionStats& stats) {
  const FunctionSums& s = stats.sum;
  CSVSummaryFunctionLine(G, "Total", s.loc, s.eloc, s.lloc, s.comments,
                         s.ratio, s.lines, s.params, s.returns, s.cyclo);
  auto avg = [&s](double sum) {
    return static_cast<double>(AvgD(sum, static_cast<double>(s.count)));
  };
  CSVSummaryFunctionAvgLine(G, "Average", avg(s.loc), avg(s.eloc),
                            avg(s.lloc), avg(s.comments), avg(s.ratio),
                            avg(s.lines), avg(s.params), avg(s.returns),
                            avg(s.cyclo));
  CsvExtremesRow(G, "Maximum", stats.max);
  CsvExtremesRow(G, "Minimum", stats.min);
}

// The totals line above the statistics: LOC, eLOC, lLOC, interface and
// cyclomatic complexity sums.
void TotalsLine(ReportSink& out, const RunSettings& G, const FunctionSums& s) {
  const bool h = G.html_flag;
  Out(out,
      h ? "  <B>Total</B>: <B>Functions  </B>\n" : "  Total: Functions  \n");
  auto piece = [&out](const char* label, int64_t value) {
    Out(out, "%s%-7lld", label, static_cast<long long>(value));
  };
  piece(h ? "  <B>LOC</B> " : "  LOC ", s.loc);
  piece(h ? "  <B>eLOC</B> " : "  eLOC ", s.eloc);
  piece(h ? "  <B>lLOC</B> " : "  lLOC ", s.lloc);
  piece(h ? "  <B>InCmp</B> " : "  InCmp ", s.params + s.returns);
  Out(out, "%s%7lld\n\n", h ? "  <B>CycloCmp</B> " : "  CycloCmp ",
      static_cast<long long>(s.cyclo));
}

// The rows of the maxima or of the minima; `kind` is "Max" or "Min".
void ExtremeRows(Globals& G, const char* kind, const Extremes& e) {
  auto label = [kind](const char* rest) {
    return std::string("  ") + kind + rest;
  };
  StatSingle(G, G, label(" LOC ...............: ").c_str(), e.loc);
  StatLeft(G, G, label(" eLOC ..............: ").c_str(), e.eloc);
  StatRight(G, G, label(" lLOC ..............: ").c_str(), e.lloc);
  StatLeft(G, G, label(" Cyclomatic Comp. ..: ").c_str(), e.cyclo);
  StatRight(G, G, label(" Interface Comp. ...: ").c_str(), e.inter);
  StatLeft(G, G, label(" Parameters ........: ").c_str(), e.params);
  StatRight(G, G, label(" Return Points .....: ").c_str(), e.returns);
  StatLeft(G, G, label(" Comment Lines .....: ").c_str(), e.comments);
  StatRight(G, G, label(" Total Lines .......: ").c_str(), e.lines);
}

void TextStatistics(Globals& G, const FunctionStats& stats) {
  const FunctionSums& s = stats.sum;
  const double n = static_cast<double>(s.count);
  StatSingle(G, G, "  Total Functions .......: ", s.count);
  StatLeft(G, G, "  Total Physical Lines ..: ", s.lines);
  StatRight(G, G, "  Total LOC .............: ", s.loc);
  StatLeft(G, G, "  Total eLOC ............: ", s.eloc);
  StatRight(G, G, "  Total lLOC ............: ", s.lloc);
  StatLeft(G, G, "  Total Cyclomatic Comp. : ", s.cyclo);
  StatRight(G, G, "  Total Interface Comp. .: ", s.params + s.returns);
  StatLeft(G, G, "  Total Parameters ......: ", s.params);
  StatRight(G, G, "  Total Return Points ...: ", s.returns);
  StatLeft(G, G, "  Total Comment Lines ...: ", s.comments);
  StatRight(G, G, "  Total Blank Lines .....: ", s.blanks);
  StatSeparator(G);
  StatSingleAvg(G, G, "  Avg Physical Lines ....: ", AvgD(s.lines, n));
  StatLeftAvg(G, G, "  Avg LOC ...............: ", AvgD(s.loc, n));
  StatRightAvg(G, G, "  Avg eLOC ..............: ", AvgD(s.eloc, n));
  StatLeftAvg(G, G, "  Avg lLOC ..............: ", AvgD(s.lloc, n));
  StatRightAvg(G, G, "  Avg Cyclomatic Comp. ..: ", AvgD(s.cyclo, n));
  StatLeftAvg(G, G,
              "  Avg Interface Comp. ...: ", AvgD(s.params + s.returns, n));
  StatRightAvg(G, G, "  Avg Parameters ........: ", AvgD(s.params, n));
  StatLeftAvg(G, G, "  Avg Return Points .....: ", AvgD(s.returns, n));
  StatRightAvg(G, G, "  Avg Comment Lines .....: ", AvgD(s.comments, n));
  StatSeparator(G);
  ExtremeRows(G, "Max", stats.max);
  StatSeparator(G);
  ExtremeRows(G, "Min", stats.min);
}

}  // namespace

void TShowFunctionSummary(Globals& G, const FunctionStats* gathered) {
  if (G.function_list.empty()) return;
  const FunctionStats s = gathered != nullptr ? *gathered : Gather(G);
  if (G.csv_mode) {
    CsvStatistics(G, s);
    return;
  }
  TotalsLine(G, G, s.sum);
  SectionBanner(G, G, "~~ Project Functional Analysis ~~");
  Out(G, "\n");
  TextStatistics(G, s);
}
