// The quality notices of a run as a SARIF 2.1.0 log (--sarif=FILE).
#ifndef KLV_REPORTS_SARIF_REPORT_H_
#define KLV_REPORTS_SARIF_REPORT_H_

#include <string>

#include "base/globals.h"
#include "reports/json_text.h"

// Writes the log: one rule per notice number (KLV001..KLV044), every
// analysed file as an artifact, one result per issued notice.
// Requires: the run's files analysed and its notices issued.
void WriteSarifReport(const Globals& G, TextSink& out);

// Where a source path points, as a SARIF artifact location: a relative URI
// against the start directory when the path lies under it (uriBaseId
// SRCROOT), else an absolute file URI.
std::string ArtifactLocation(const std::string& path, const RunSettings& G);

#endif  // KLV_REPORTS_SARIF_REPORT_H_
