#include "reports/metric_lines.h"

#include "base/output.h"

void LOCLine(int loc, int eloc, int lloc, int comments, int lines,
             ReportSink& out, const RunSettings& G) {
  auto clamp = [](int v) { return v < 0 ? 0 : v; };
  // The five pieces in one write: the line closes every measured unit.
  if (G.html_flag) {
    Out(out,
        "  <B>LOC</B> %-7d  <B>eLOC</B> %-7d  <B>lLOC</B> %-7d  "
        "<B>Comment</B> %-7d  <B>Lines</B> %8d\n",
        clamp(loc), clamp(eloc), clamp(lloc), clamp(comments), lines);
  } else {
    Out(out, "  LOC %-7d  eLOC %-7d  lLOC %-7d  Comment %-7d  Lines %8d\n",
        clamp(loc), clamp(eloc), clamp(lloc), clamp(comments), lines);
  }
}

void ComplexLine(int params, int returns, int cyclo, ReportSink& out,
                 const RunSettings& G) {
  if (!G.complexity_flag) return;
  const long long total = static_cast<long long>(params) + returns + cyclo;
  if (G.html_flag) {
    Out(out,
        "  <B>Complexity</B>   <B>Param</B> %-7d <B>Return</B> %-6d "
        "<B>Cyclo Vg</B> %-7d <B>Total</B> %8lld\n",
        params, returns, cyclo, total);
  } else {
    Out(out,
        "  Complexity   Param %-7d Return %-6d Cyclo Vg %-7d Total %8lld\n",
        params, returns, cyclo, total);
  }
}

double CommentRatio(int64_t comments, int64_t eloc) {
  return eloc > 0 ? static_cast<double>(comments) / static_cast<double>(eloc)
                  : 0.0;
}
