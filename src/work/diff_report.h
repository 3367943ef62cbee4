// The pieces of the differential report between two work files: the file
// lines, the totals line, productivity over the time between the files,
// the differential profile and the snapshot totals.
#ifndef KLV_WORK_DIFF_REPORT_H_
#define KLV_WORK_DIFF_REPORT_H_

#include <cstdint>

#include "base/globals.h"
#include "lists/llist.h"
#include "lists/node_data.h"
#include "work/work_diff.h"

// Per state (removed, equal, modified, new) the number of file lines and
// the sums of their differences and eLOC changes.
struct DiffProfile {
  struct Row {
    int32_t count = 0;
    WorkSums sums;
    double change = 0.0;  // summed eLOC change, percent
  };
  Row rows[kNew + 1];
};

// The time between two snapshots, in the units of the report.
struct TimeSpan {
  double hours = 0.0;   // working hours, 8 a working day
  double days = 0.0;    // working days, 5 a week
  double weeks = 0.0;
  double months = 0.0;  // four weeks
};

// The span from `ancestor_time` to `latest_time` (seconds since the
// epoch).
TimeSpan WorkTimeSpan(int64_t ancestor_time, int64_t latest_time);

// Writes one difference line (unless -Tw, or an equal file while equal
// files are left out) and adds the record to `profile` in every case.
void DiffDataShow(const NodeData& record, DiffProfile& profile, ReportSink& out,
                  const RunSettings& G);

// Adds one record to its state's row.
void AddToProfile(const NodeData& record, DiffProfile& profile);

// Writes the profile: new, modified, equal and removed files with their
// sums and average eLOC change.
void WorkDiffProfile(const DiffProfile& profile, ReportSink& out,
                     const RunSettings& G);

// The rule and the "Tot" line of the difference totals.
void DiffTotalsLine(const WorkSums& totals, ReportSink& out,
                    const RunSettings& G);

// The difference totals per working hour, day, week and month.
void Productivity(const WorkSums& totals, const TimeSpan& span, ReportSink& out,
                  const RunSettings& G);

// Seven snapshot totals as a two-line block; negative line counts show 0.
void SumLine(const WorkSums& sums, ReportSink& out, const RunSettings& G);

// Seven percentages in the block shape of SumLine.
void DiffLine(const double percent[7], ReportSink& out, const RunSettings& G);

// The totals of both snapshots and the change between them in percent.
void SnapshotTotals(const Llist<NodeData>& ancestor,
                    const Llist<NodeData>& latest, ReportSink& out,
                    const RunSettings& G);

#endif  // KLV_WORK_DIFF_REPORT_H_
