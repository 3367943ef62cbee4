#include "notices/notice_reports.h"
#include "reports/framing.h"
#include "reports/function_reports.h"
#include "reports/summaries.h"

// The project sections of a totals-only run, in their fixed order: the
// function summary, the class and interface summaries, the inheritance
// tree, the namespace summary, the quality profile, the notice summary and
// the project LOC summary. Sections not built yet keep their place in that
// order as comments.
void ShowTotalReport(Globals& G) {
  if (G.totals_all) {
    ShowProjectFunctionSummary(G);
    // Class, interface, inheritance and namespace sections.
    ShowQualityProfile(G);
    ShowNoticeSummary(G);
    ShowTotalSummary(G, 1);
    return;
  }
  if (G.totals_functions) ShowProjectFunctionSummary(G);
  // totals_classes, totals_interfaces, inherit_flag and totals_namespaces
  // select the sections that are not built yet.
  if (G.totals_profile) ShowQualityProfile(G);
  if (G.totals_notices) ShowNoticeSummary(G);
  if (G.totals_summary) ShowTotalSummary(G, 1);
}
