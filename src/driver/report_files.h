// The files of --sarif and --json: created when the run starts, so that a
// name that cannot be written is refused before the analysis, and written
// and renamed into place when it ends.
#ifndef KLV_DRIVER_REPORT_FILES_H_
#define KLV_DRIVER_REPORT_FILES_H_

#include "base/globals.h"
#include "reports/atomic_file.h"

struct ReportFiles {
  AtomicFile sarif;
  AtomicFile json;
};

// Creates the temporary files of the long options given and switches on
// the keeping of file figures and notices. False, after saying why on
// standard error, when one cannot be created.
bool OpenReportFiles(RunSettings& G, ReportFiles& files);

// Writes the reports and renames them into place. False, after saying why
// on standard error, when one could not be written; the file of that name
// is then left as it was.
// Requires: the project reports were written.
bool WriteReportFiles(const Globals& G, ReportFiles& files);

#endif  // KLV_DRIVER_REPORT_FILES_H_
