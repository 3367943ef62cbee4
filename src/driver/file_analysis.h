// The analysis of one file of the run's list, the same whether the run is
// serial or the file is analysed apart on a thread of a parallel run.
#ifndef KLV_DRIVER_FILE_ANALYSIS_H_
#define KLV_DRIVER_FILE_ANALYSIS_H_

#include <string>

#include "base/globals.h"
#include "files/source_text.h"

// True when the run lists the files (-p) or rewrites them (the
// conversions): each file is then read from the file itself, on one thread.
bool ListsOrConvertsFiles(const RunSettings& G);

// Opens the listed file `name` (an error in the report when it cannot be)
// and lists, converts or analyses it as the run's mode says: reads it
// through the line parser, raises the file notices and writes its report
// sections, adds its counters to the run's totals when it was read to its
// end, and clears the file's state. When `source` holds the file's text,
// read whole a moment before, the analysis reads that instead of the file
// (not when the run lists or converts files).
void AnalyseListedFile(const std::string& name, Globals& G,
                       SourceText* source = nullptr);

#endif  // KLV_DRIVER_FILE_ANALYSIS_H_
