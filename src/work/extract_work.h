// The differential report between two work files.
#ifndef KLV_WORK_EXTRACT_WORK_H_
#define KLV_WORK_EXTRACT_WORK_H_

#include "base/globals.h"

// Reports the differential between the work file `ancestor` and the newer
// work file `latest`: the time between them, one line per new, removed,
// modified and (when configured) equal file, the totals of the
// differences, productivity over the time between the files, the
// differential profile, the totals of both snapshots and the change in
// percent. `standalone` is 1 for the extraction mode of -wx (the report
// header comes first) and 0 at the end of a -wW run. A work file that
// cannot be loaded is reported; the totals are still written, with zeros
// for what was not loaded.
void ExtractWork(const char* ancestor, const char* latest, Globals& G,
                 int standalone);

#endif  // KLV_WORK_EXTRACT_WORK_H_
