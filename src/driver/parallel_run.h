// The parallel run: the files of the list are analysed on several threads,
// each into a record of its own with its report text held back, and merged
// into the run in list order, so that the report, the work file and every
// list are byte for byte those of the serial run.
#ifndef KLV_DRIVER_PARALLEL_RUN_H_
#define KLV_DRIVER_PARALLEL_RUN_H_

#include "base/globals.h"

// True when the run asks for more than one thread and its mode allows
// them: not under KLVDEBUG, not for the listing or the conversion modes,
// and with more than one file.
bool ParallelRunWanted(const Globals& G);
// Analyses the files of G.file_list on G.jobs threads and merges them into
// the run in list order.
void ProcessFilesParallel(Globals& G);

#endif  // KLV_DRIVER_PARALLEL_RUN_H_
