#include <string>

#include "lists/resort.h"
#include "reports/sort_method.h"
#include "reports/framing.h"
#include "reports/function_reports.h"
#include "reports/function_stats.h"
#include "reports/metric_lines.h"
#include "reports/name_start.h"
#include "reports/record_listing.h"
#include "base/output.h"

void ShowProjectFunctionSummary(Globals& G) {
  Llist<NodeData>& list = G.function_list;
  if (list.empty()) return;
  if (G.sort_key > 0) LlistResort_NodeData(list, G.sort_key);
  if (G.csv_mode) {
    Out(G, "\nProject Function Metrics\n");
    ShowSortMethod(G);
    Out(G, "Count,%d\n", list.count());
    CSVSummaryFunctionHeader(G);
  } else {
    SectionBanner(G, G, "~~ Project Functional Metrics ~~");
    ShowSortMethod(G);
    Out(G, "\n");
  }
  if (G.totals_no_listing) {
    TShowFunctionSummary(G);
    return;
  }
  // The statistics are gathered in the walk of the list that the listing
  // makes anyway.
  FunctionStats stats;
  ShowEachRecord(list, FunctionDataShow, G, [&](const NodeData& record) {
    GatherFunction(record, stats, G);
  });
  EndFunctionGathering(G);
  TShowFunctionSummary(G, &stats);
}

void FunctionDataShow(const NodeData& record, ReportSink& out,
                      const RunSettings& G) {
  if (!StartsLikeName(record.name)) return;
  if (G.csv_mode) {
    CSVSummaryFunctionLine(
        out, record.name, record.loc, record.eloc, record.lloc, record.comments,
        CommentRatio(record.comments, record.eloc), record.lines, record.params,
        record.returns, record.cyclo);
    return;
  }
  const std::string name = AdjNameLength(record.name, 62, 12, G);
  if (G.html_flag) {
    Out(out, "  <B>Function</B>: <FONT COLOR=%s><B>%s</B></FONT>\n",
        G.html_function_color.c_str(), HTML_template(name).c_str());
  } else {
    Out(out, "  Function: %s\n", name.c_str());
  }
  if (!record.sub_name.empty()) {
    const std::string header = AdjNameLength(record.sub_name, 62, 12, G);
    if (G.html_flag) {
      Out(out, "         <FONT COLOR=%s><B>%s</B></FONT>\n",
          G.html_blue_color.c_str(), HTML_template(header).c_str());
    } else {
      Out(out, "            %s\n", header.c_str());
    }
  }
  ComplexLine(record.params, record.returns, record.cyclo, out, G);
  LOCLine(record.loc, record.eloc, record.lloc, record.comments, record.lines,
          out, G);
  Out(out, "\n");
}
