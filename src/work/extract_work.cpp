#include "work/extract_work.h"

#include <cstdint>
#include <string>

#include "base/clock.h"
#include "lists/resort.h"
#include "base/error_block.h"
#include "reports/sort_method.h"
#include "reports/framing.h"
#include "base/output.h"
#include "work/diff_report.h"
#include "work/load_work.h"
#include "work/work_diff.h"

namespace {

// The report's opening and its title with the sort line.
void Opening(Globals& G, int standalone) {
  if (G.csv_mode) {
    CSV_Header(G, G);
    Out(G, "Metrics Differential\n");
  } else {
    if (standalone) {
      ShowHeader(G, G, 0);
    } else {
      Out(G, "  %s\n\n", Rule72('-').c_str());
    }
    if (G.html_flag) Out(G, "<FONT COLOR=%s><B>", G.html_header_color.c_str());
    Center(G, "~~ Metrics Differential ~~");
    if (G.html_flag) Out(G, "</B></FONT>");
  }
  ShowSortMethod(G);
  Out(G, "\n");
}

// Loads one snapshot; on failure says so and leaves the list empty, so the
// totals show zeros for it.
bool LoadSnapshot(const char* path, int64_t& time, Llist<NodeData>& list,
                  Globals& G) {
  if (LoadWorkFile(path, time, list, G, G) == 1) return true;
  OutError(G, {std::string("Failed to load work file, ") + path});
  ++G.run_failures;
  LlistDestroy(list);
  return false;
}

// The two files with their creation times and the time between them.
void ShowTimeSpan(const char* ancestor, int64_t ancestor_time,
                  const char* latest, int64_t latest_time, const TimeSpan& span,
                  ReportSink& out, const RunSettings& G) {
  const std::string then = CtimeText(static_cast<time_t>(ancestor_time));
  const std::string now = CtimeText(static_cast<time_t>(latest_time));
  if (G.csv_mode) {
    // The time texts without their line feeds.
    Out(out, "Ancestor,%.*s %s\n", static_cast<int>(then.size() - 1),
        then.c_str(), ancestor);
    Out(out, "Latest,%.*s %s\n\n", static_cast<int>(now.size() - 1),
        now.c_str(), latest);
    Out(out,
        "Time Differential Between Files\n"
        "Hours,Shifts(8),Week(40),Month(160)\n"
        "%.2f,%.2f,%.1f,%.1f\n\n",
        span.hours, span.days, span.weeks, span.months);
  } else if (G.html_flag) {
    Out(out, "<B><FONT COLOR=%s>  Ancestor File</FONT>: %-31s  %s</B>",
        G.html_maroon_color.c_str(), ancestor, then.c_str());
    Out(out, "<B><FONT COLOR=%s>  Latest File</FONT>  : %-31s  %s</B>\n",
        G.html_blue_color.c_str(), latest, now.c_str());
    Out(out,
        "<B><FONT COLOR=%s>  Time Differential Between Files\n</FONT>"
        "  %9.2f Hr(8/Day) %8.2f Day(5/Wk) %8.1f Week(4/M) %7.1f Month"
        "</B>\n\n",
        G.html_green_color.c_str(), span.hours, span.days, span.weeks,
        span.months);
  } else {
    Out(out, "  Ancestor File: %-31s  %s", ancestor, then.c_str());
    Out(out, "  Latest File  : %-31s  %s\n", latest, now.c_str());
    Out(out,
        "  Time Differential Between Files\n"
        "  %9.2f Hr(8/Day)  %8.2f Day(5/Wk) %8.1f Week(4/M) %7.1f Month\n\n",
        span.hours, span.days, span.weeks, span.months);
  }
}

}  // namespace

void ExtractWork(const char* ancestor, const char* latest, Globals& G,
                 int standalone) {
  if (ancestor == nullptr) ancestor = "";
  if (latest == nullptr) latest = "";
  Opening(G, standalone);

  Llist<NodeData> before;
  Llist<NodeData> after;
  Llist<NodeData> diff;
  int64_t before_time = 0;
  int64_t after_time = 0;
  const bool have_before = LoadSnapshot(ancestor, before_time, before, G);
  const bool have_after = LoadSnapshot(latest, after_time, after, G);

  DiffProfile profile;
  if (have_before && have_after) {
    const TimeSpan span = WorkTimeSpan(before_time, after_time);
    ShowTimeSpan(ancestor, before_time, latest, after_time, span, G, G);
    WorkSums totals;
    DiffWorkLists(before, after, diff, totals, G, G);
    if (G.sort_flag) LlistResort_NodeData(diff, G.sort_key);
    for (const NodeData& record : diff) DiffDataShow(record, profile, G, G);
    DiffTotalsLine(totals, G, G);
    if (span.hours > 1.0) Productivity(totals, span, G, G);
  }
  WorkDiffProfile(profile, G, G);
  SnapshotTotals(before, after, G, G);
  if (standalone && !G.csv_mode) Out(G, "\n  %s\n\n", Rule72('_').c_str());
}
