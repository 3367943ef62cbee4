#include "reports/notice_reports.h"
#include "reports/class_reports.h"
#include "reports/framing.h"
#include "reports/function_reports.h"
#include "reports/namespace_reports.h"
#include "reports/summaries.h"
#include "tree/tree.h"

// The project sections of a totals-only run, in their fixed order: the
// function summary, the class and interface summaries, the inheritance
// tree, the namespace summary, the quality profile, the notice summary and
// the project LOC summary. The class statistics feed the namespace sums,
// so the namespace summary follows them.
void ShowTotalReport(Globals& G) {
  if (G.totals_all) {
    ShowProjectFunctionSummary(G);
    ShowProjectClassSummary(G);
    ShowProjectInterSummary(G);
    ReportInheritanceTree(G);
    ShowProjectNamespaceSummary(G);
    ShowQualityProfile(G, G);
    ShowNoticeSummary(G);
    ShowTotalSummary(G, 1);
    return;
  }
  if (G.totals_functions) ShowProjectFunctionSummary(G);
  if (G.totals_classes) ShowProjectClassSummary(G);
  if (G.totals_interfaces) ShowProjectInterSummary(G);
  if (G.inherit_flag) ReportInheritanceTree(G);
  if (G.totals_namespaces) ShowProjectNamespaceSummary(G);
  if (G.totals_profile) ShowQualityProfile(G, G);
  if (G.totals_notices) ShowNoticeSummary(G);
  if (G.totals_summary) ShowTotalSummary(G, 1);
}
