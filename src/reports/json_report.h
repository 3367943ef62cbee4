// Every figure of a run as one JSON document (--json=FILE). Its shape is
// described by the JSON Schema in schema/klv-report.schema.json; a change
// of shape changes kJsonSchemaVersion.
#ifndef KLV_REPORTS_JSON_REPORT_H_
#define KLV_REPORTS_JSON_REPORT_H_

#include "base/globals.h"
#include "reports/json_text.h"

inline constexpr const char kJsonSchemaVersion[] = "1.0";

// Writes the document: the files with their counters and notices, the
// functions, classes, interfaces and namespaces of the lists, and the
// project totals. Requires: the run's files analysed and its project
// reports written (they complete the namespace sums).
void WriteJsonReport(const Globals& G, TextSink& out);

#endif  // KLV_REPORTS_JSON_REPORT_H_
