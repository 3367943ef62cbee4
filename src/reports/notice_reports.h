// The project reports of the quality notices: the notice summary, the
// quality profile by notice type and the notice density.
#ifndef KLV_REPORTS_NOTICE_REPORTS_H_
#define KLV_REPORTS_NOTICE_REPORTS_H_

#include "base/globals.h"
#include "lists/name_data.h"

// Every recorded notice, one line each; nothing when none was recorded.
// With -k the notice list is first re-sorted by file name.
void ShowNoticeSummary(Globals& G);

// The count and share of each notice type over the run, then the notices
// per thousand LOC, eLOC and lLOC of the project; nothing in CSV mode.
// Reads the project counters, so it runs after SetTotal.
void ShowQualityProfile(ReportSink& out, const Globals& G);

// One line of the notice summary for a recorded notice.
void NoticeDataShow(const NameData& notice, ReportSink& out,
                    const RunSettings& G);

#endif  // KLV_REPORTS_NOTICE_REPORTS_H_
