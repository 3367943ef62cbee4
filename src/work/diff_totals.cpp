// The differential profile and the totals of the two snapshots.
#include <string>

#include "base/output.h"
#include "work/diff_report.h"

namespace {

// A profile row's count and sums, in the column widths of the profile.
std::string ProfileValues(const DiffProfile::Row& row, char separator) {
  static const int kWidths[8] = {7, 7, 7, 6, 6, 7, 6, 7};
  const auto sums = SevenSums(row.sums);
  std::string text;
  for (int k = 0; k < 8; ++k) {
    const long long v = k == 0 ? row.count : sums[k - 1];
    text += Fmt("%c%*lld", separator, kWidths[k], v);
  }
  return text;
}

// Seven values already formatted, under the labels of the totals block.
void LabelledBlock(const std::string values[7], ReportSink& out,
                   const RunSettings& G) {
  static const char* const kText[7] = {
      "  LOC      ", "  eLOC     ", "  lLOC     ", "  CycloCmp ",
      "  Comments ", "  Blanks   ", "  Lines    "};
  static const char* const kHtml[7] = {
      "  <B>LOC</B>      ", "  <B>eLOC</B>     ", "  <B>lLOC</B>     ",
      "  <B>CycloCmp</B> ", "  <B>Comments</B> ", "  <B>Blanks</B>   ",
      "  <B>Lines</B>    "};
  const char* const* labels = G.html_flag ? kHtml : kText;
  for (int k = 0; k < 7; ++k) {
    Out(out, "%s%s", labels[k], values[k].c_str());
    if (k == 3 || k == 6) Out(out, "\n");
  }
}

// (latest - ancestor) / ancestor in percent; 0 on a basis below 1.
double Change(int64_t ancestor, int64_t latest) {
  if (ancestor < 1) return 0.0;
  return (static_cast<double>(latest) - static_cast<double>(ancestor)) /
         static_cast<double>(ancestor) * 100.0;
}

}  // namespace

void WorkDiffProfile(const DiffProfile& profile, ReportSink& out,
                     const RunSettings& G) {
  static const int32_t kOrder[4] = {kNew, kModified, kEqual, kRemoved};
  static const char* const kHtmlColour[kNew + 1] = {"", "RED", "GREEN",
                                                    "BLUE", "PURPLE"};
  if (G.csv_mode) {
    Out(out,
        "Source Metrics Differential Profile\n"
        "Type,Count,LOC,eLOC,lLOC,Cyclo,Comment,Blanks,Lines,Avg. eLOC%%\n");
  } else {
    const char* title = "Source Metrics Differential Profile";
    const char* columns =
        "Type  Count     LOC    eLOC   lLOC  Cyclo Comment Blanks   Lines "
        "Av.eLOC";
    Out(out, G.html_flag ? "\n  <B>%s</B>\n  <B>%s</B>\n" : "\n  %s\n  %s\n",
        title, columns);
  }
  for (int32_t state : kOrder) {
    const DiffProfile::Row& row = profile.rows[state];
    const double average = row.count > 0 ? row.change / row.count : 0.0;
    const char* name = kStateNames[state];
    if (G.csv_mode) {
      Out(out, "%s%s,%7.2f\n", name, ProfileValues(row, ',').c_str(), average);
    } else if (G.html_flag) {
      Out(out, "  <B><FONT COLOR=%s>%s</FONT></B>%s %7.2f\n",
          kHtmlColour[state], name, ProfileValues(row, ' ').c_str(), average);
    } else {
      Out(out, "  %s%s %7.2f\n", name, ProfileValues(row, ' ').c_str(),
          average);
    }
  }
}

void SumLine(const WorkSums& sums, ReportSink& out, const RunSettings& G) {
  const auto v = SevenSums(sums);
  std::string values[7];
  for (int k = 0; k < 7; ++k) {
    // Line counts cannot be negative; cyclomatic and line sums are shown
    // as they are.
    const bool clamp = k != 3 && k != 6;
    const long long shown = clamp && v[k] < 0 ? 0 : v[k];
    values[k] = Fmt(k == 3 ? "%9lld" : "%7lld", shown);
  }
  LabelledBlock(values, out, G);
}

void DiffLine(const double percent[7], ReportSink& out, const RunSettings& G) {
  std::string values[7];
  for (int k = 0; k < 7; ++k) {
    values[k] = Fmt(k == 3 ? "%9.2f" : "%7.2f", percent[k]);
  }
  LabelledBlock(values, out, G);
}

void SnapshotTotals(const Llist<NodeData>& ancestor,
                    const Llist<NodeData>& latest, ReportSink& out,
                    const RunSettings& G) {
  const WorkSums before = SumList(ancestor);
  const WorkSums after = SumList(latest);
  const int files_before = ancestor.count();
  const int files_after = latest.count();
  const auto b = SevenSums(before);
  const auto a = SevenSums(after);
  double percent[7];
  for (int k = 0; k < 7; ++k) percent[k] = Change(b[k], a[k]);
  const double file_change =
      files_before > 0
          ? static_cast<double>(files_after - files_before) / files_before * 100.0
          : 0.0;

  if (G.csv_mode) {
    Out(out, "\nTotals,Files,LOC,eLOC,lLOC,Cyclo,Comment,Blanks,Lines\n");
    Out(out, "Ancestor,%d%s\n", files_before,
        SumValues(before, ",%lld").c_str());
    Out(out, "Latest,%d%s\n", files_after, SumValues(after, ",%lld").c_str());
    Out(out, "Delta,%.1f", file_change);
    for (double p : percent) Out(out, ",%.1f", p);
    Out(out, "\n\n");
    return;
  }
  const bool h = G.html_flag;
  Out(out, h ? "\n  <B>Total Metrics Historical Source Files</B>\n"
             : "\n  Total Metrics Historical Source Files\n");
  Out(out, h ? "  <B>Total Files:</B> %d\n" : "  Total Files: %d\n",
      files_before);
  SumLine(before, out, G);
  Out(out, h ? "\n  <B>Total Metrics Present Source Files</B>\n"
             : "\n  Total Metrics Present Source Files\n");
  Out(out, h ? "  <B>Total Files:</B> %d\n" : "  Total Files: %d\n",
      files_after);
  SumLine(after, out, G);
  Out(out, h ? "\n  <B>Total Metrics Differential From Historic Basis in "
               "Percent %%</B>\n"
             : "\n  Total Metrics Differential From Historic Basis in Percent "
               "%%\n");
  Out(out,
      h ? "  <B>Total File Change:</B> %-.2f\n"
        : "  Total File Change: %-.2f\n",
      file_change);
  DiffLine(percent, out, G);
}
