// The pause of the interactive screens.
#ifndef KLV_DRIVER_WAIT_KEY_H_
#define KLV_DRIVER_WAIT_KEY_H_

#include "base/globals.h"

// With the report on standard output, prompts for the Enter key and reads
// one short line from standard input; with the report in a file, waits
// half a second instead.
void WaitKey(ReportSink& G);

#endif  // KLV_DRIVER_WAIT_KEY_H_
