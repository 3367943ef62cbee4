// The LOC line and the complexity line that end every measured unit.
#ifndef KLV_REPORTS_METRIC_LINES_H_
#define KLV_REPORTS_METRIC_LINES_H_

#include <cstdint>

#include "base/globals.h"

void LOCLine(int loc, int eloc, int lloc, int comments, int lines,
             ReportSink& out, const RunSettings& G);
// Written only with complexity metrics switched on.
void ComplexLine(int params, int returns, int cyclo, ReportSink& out,
                 const RunSettings& G);

// A unit's comment lines per eLOC line, 0 when eLOC is not above 0.
double CommentRatio(int64_t comments, int64_t eloc);

#endif  // KLV_REPORTS_METRIC_LINES_H_
