// The differential report between two work files.
#ifndef KLV_WORK_EXTRACT_WORK_H_
#define KLV_WORK_EXTRACT_WORK_H_

#include "driver/globals.h"

// Reports the differential between the work file `ancestor` and the newer
// work file `latest`. `standalone` is 1 for the extraction mode of -wx (the
// report header comes first) and 0 at the end of a -wW run.
//
// Not built yet: the work-file reader and the differential report come
// with the work-file subsystem. Until then this writes nothing.
void ExtractWork(const char* ancestor, const char* latest, Globals& G,
                 int standalone);

#endif  // KLV_WORK_EXTRACT_WORK_H_
