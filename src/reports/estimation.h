// The estimation analysis of -e: totals over every recognised function and
// the ratios of LOC, eLOC and lLOC to the functions' counts and
// complexities, as factors for estimating effort.
#ifndef KLV_REPORTS_ESTIMATION_H_
#define KLV_REPORTS_ESTIMATION_H_

#include "base/globals.h"

// Writes the estimation analysis of G.function_list; nothing when the list
// is empty.
void ShowEstimation(Globals& G);

#endif  // KLV_REPORTS_ESTIMATION_H_
