// What the --sarif and --json reports keep of each analysed file while the
// run goes on (the notices are kept by the notice rule itself).
#ifndef KLV_REPORTS_RUN_FIGURES_H_
#define KLV_REPORTS_RUN_FIGURES_H_

#include <string>

#include "base/globals.h"

// Starts the figures of the file `name`, so that its notices find it.
// Call when its analysis starts, before its first line is parsed.
void BeginFileFigures(const std::string& name, RunTotals& G);

// Copies the file's counters, language, size, date and function sums into
// its figures. Requires: the file's last line was parsed and its notices
// raised; call before its counters are added to the totals and cleared.
void EndFileFigures(Globals& G);

#endif  // KLV_REPORTS_RUN_FIGURES_H_
