// The file lines of the differential, the totals line and productivity.
#include <string>

#include "reports/framing.h"
#include "reports/csv_field.h"
#include "base/output.h"
#include "work/diff_report.h"

namespace {

// The configured colour of a state's lines in HTML.
const std::string& StateColour(int32_t state, const RunSettings& G) {
  switch (state) {
    case kRemoved: return G.html_red_color;
    case kEqual: return G.html_green_color;
    case kModified: return G.html_blue_color;
    case kNew: return G.html_purple_color;
    default: return G.html_brown_color;
  }
}

const char* StateName(int32_t state) {
  return state >= 0 && state <= kTotal ? kStateNames[state] : "???";
}

// `values` each written with `each`, and the one at `odd` (if any) with
// `odd_format`.
std::string Values(const double values[7], const char* each, int odd = -1,
                   const char* odd_format = nullptr) {
  std::string text;
  for (int k = 0; k < 7; ++k) {
    text += Fmt(k == odd ? odd_format : each, values[k]);
  }
  return text;
}

}  // namespace

TimeSpan WorkTimeSpan(int64_t ancestor_time, int64_t latest_time) {
  // In floating point: no difference of two 64-bit times can overflow.
  const double seconds =
      static_cast<double>(latest_time) - static_cast<double>(ancestor_time);
  TimeSpan span;
  span.days = seconds / 86400.0 * 0.7142857142857143;
  span.hours = span.days * 8.0;
  span.weeks = seconds / 604800.0;
  span.months = seconds / 2419200.0;
  return span;
}

void AddToProfile(const NodeData& r, DiffProfile& profile) {
  if (r.state() < kRemoved || r.state() > kNew) return;
  DiffProfile::Row& row = profile.rows[r.state()];
  ++row.count;
  AddToSums(row.sums, r, 1);
  row.change += r.ratio;
}

void DiffDataShow(const NodeData& r, DiffProfile& profile, ReportSink& out,
                  const RunSettings& G) {
  AddToProfile(r, profile);
  if (G.totals_work_diff) return;
  if (r.state() == kEqual && !G.diff_include_equal) return;
  const char* state = StateName(r.state());
  if (G.csv_mode) {
    Out(out, "%s,%7d,%7d,%7d,%7d,%7d,%7d,%7d,%8.2f,%s\n", state, r.loc, r.eloc,
        r.lloc, r.cyclo, r.comments, r.blanks, r.lines, double{r.ratio},
        CsvField(r.name).c_str());
    return;
  }
  const std::string name = AdjNameLength(r.name, 40, 71, G);
  if (G.html_flag) {
    Out(out, "<FONT COLOR=%s><B>  %s </B></FONT>",
        StateColour(r.state(), G).c_str(), state);
    Out(out, "%7d %7d %7d %7d %7d %7d %7d %8.2f", r.loc, r.eloc, r.lloc,
        r.cyclo, r.comments, r.blanks, r.lines, double{r.ratio});
    Out(out, " <FONT COLOR=%s>%s</FONT>\n", G.html_blue_color.c_str(),
        HTML_template(name).c_str());
    return;
  }
  Out(out, "  %s %7d %7d %7d %7d %7d %7d %7d %8.2f %s\n", state, r.loc, r.eloc,
      r.lloc, r.cyclo, r.comments, r.blanks, r.lines, double{r.ratio},
      name.c_str());
}

void DiffTotalsLine(const WorkSums& totals, ReportSink& out,
                    const RunSettings& G) {
  const char* tot = kStateNames[kTotal];
  if (G.csv_mode) {
    Out(out, "%s%s\n\n", "SubTotal", SumValues(totals, ",%lld").c_str());
    return;
  }
  HyphenRule(out);
  Out(out, "\n");
  const std::string numbers = SumValues(totals, " %7lld");
  if (G.html_flag) {
    const char* blue = G.html_blue_color.c_str();
    Out(out, "<B><FONT COLOR=%s>  %s </FONT>%s<FONT COLOR=%s> %s</FONT></B>\n",
        blue, tot, numbers.c_str() + 1, blue, " ");
  } else {
    Out(out, "  %s%s %s\n", tot, numbers.c_str(), " ");
  }
}

void Productivity(const WorkSums& totals, const TimeSpan& span, ReportSink& out,
                  const RunSettings& G) {
  const auto sums = SevenSums(totals);
  const double divisors[4] = {span.hours, span.days, span.weeks, span.months};
  const char* labels[4] = {"Per Hour", "Per Day", "Per Week", "Per Month"};
  double per[4][7];
  for (int p = 0; p < 4; ++p) {
    for (int k = 0; k < 7; ++k) {
      per[p][k] = static_cast<double>(sums[k]) / divisors[p];
    }
  }
  const char* tot = kStateNames[kTotal];
  if (G.csv_mode) {
    Out(out, "%s%s,%s\n", "Productivity", Values(per[0], ",%.1f").c_str(),
        labels[0]);
    for (int p = 1; p < 4; ++p) {
      Out(out, "%s%s,%s\n", "Productivity", Values(per[p], ",%.0f").c_str(),
          labels[p]);
    }
    return;
  }
  if (G.html_flag) {
    const char* blue = G.html_blue_color.c_str();
    Out(out, "<B><FONT COLOR=%s>\n  %s</FONT>%s<FONT COLOR=%s>    %s\n", blue,
        tot, Values(per[0], " %7.1f").c_str(), blue, labels[0]);
    for (int p = 1; p < 4; ++p) {
      Out(out, "  %s</FONT>%s<FONT COLOR=%s>    %s\n", tot,
          Values(per[p], " %7.0f").c_str(), blue, labels[p]);
    }
    Out(out, "</FONT></B>");
    return;
  }
  Out(out, "\n  %s%s    %s\n", tot, Values(per[0], " %7.1f").c_str(),
      labels[0]);
  Out(out, "  %s%s    %s\n", tot, Values(per[1], " %7.0f").c_str(), labels[1]);
  // The eLOC column of the weekly line keeps one decimal.
  Out(out, "  %s%s    %s\n", tot, Values(per[2], " %7.0f", 1, " %7.1f").c_str(),
      labels[2]);
  Out(out, "  %s%s    %s\n", tot, Values(per[3], " %7.0f").c_str(), labels[3]);
}
