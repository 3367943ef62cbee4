// The files a run writes (the -O report, the work file) and the files it
// reads: nothing is written over a file the run also reads or writes.
#ifndef KLV_DRIVER_RUN_FILES_H_
#define KLV_DRIVER_RUN_FILES_H_

#include <string>
#include <vector>

#include "base/globals.h"

// Opens the -O file named on the command line, without emptying it yet,
// and makes it the output stream; on failure the report stays on standard
// output. Report text is kept back until ClaimOutputFiles, wherever it
// goes. Requires: the whole command line has been accepted.
void OpenOutputFile(ReportSink& out, const RunSettings& G);

// Refuses the run (message on standard output, ExitRequest 1, the -O file
// left as it was) when the report file or the work file about to be
// written is the same file, by device and inode, as any file the run reads
// (the file list, the -F list, the configuration files, the standing work
// file, `inputs`) or as each other. Otherwise empties the report file and
// hands it the text kept back. Requires: OpenOutputFile and the file list
// are done; call once before the first file is analysed.
void ClaimOutputFiles(Globals& G, const std::vector<std::string>& inputs);

// Run-ending options that write a report (help screens, -y, -wx): opens
// and claims the -O file at once, checked against `inputs` only.
void OpenOutputNow(Globals& G, const std::vector<std::string>& inputs);

// After an early end: text still kept back goes to standard output, and a
// -O file this run created and never wrote is removed again.
void AbandonOutputFile(ReportSink& out, const RunSettings& G);

#endif  // KLV_DRIVER_RUN_FILES_H_
