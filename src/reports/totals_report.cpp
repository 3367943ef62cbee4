#include "reports/framing.h"
#include "reports/summaries.h"

// The project sections of a totals-only run. Only the sections that exist
// in this build are dispatched; each keeps its place in the fixed order.
void ShowTotalReport(Globals& G) {
  if (G.totals_all) {
    ShowTotalSummary(G, 1);
    return;
  }
  if (G.totals_summary) ShowTotalSummary(G, 1);
}
