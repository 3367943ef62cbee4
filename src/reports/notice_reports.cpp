#include "reports/notice_reports.h"

#include <algorithm>
#include <string>

#include "notices/emit.h"
#include "reports/framing.h"
#include "reports/csv_field.h"
#include "base/output.h"

namespace {

// A summary line is held in 4,095 characters: a longer one is cut.
constexpr size_t kMaxNoticeLine = 4094;

// Puts the notice list in file-name order, as inserting each notice in turn
// before the equal names already placed does: names ascending in byte
// order, and notices of one file in the reverse of their recording order.
// (Equivalent to the name re-sort of the list routines, but O(n log n).)
void SortByFileName(std::vector<NameData>& notices) {
  std::reverse(notices.begin(), notices.end());
  std::stable_sort(notices.begin(), notices.end(),
                   [](const NameData& a, const NameData& b) {
                     return a.name < b.name;
                   });
}

void DensityLine(ReportSink& out, const RunSettings& G, const char* label,
                 int sum, int base) {
  if (base <= 0) return;
  const double per_k = static_cast<double>(sum) / base * 1000.0;
  const double percent = static_cast<double>(sum) / base * 100.0;
  if (G.html_flag) {
    Out(out, "  <B>Quality Notices/K %s =</B> %10.1f (%6.2f%%)\n", label, per_k,
        percent);
  } else {
    Out(out, "  Quality Notices/K %s = %10.1f (%6.2f%%)\n", label, per_k,
        percent);
  }
}

}  // namespace

void NoticeDataShow(const NameData& notice, ReportSink& out,
                    const RunSettings& G) {
  const std::string text = GetNoticeStr(notice.value, G);
  const char* file = notice.name.c_str();
  std::string line;
  if (G.notice_format_visual) {
    line = Fmt("%s(%d) : Notice #%2d - %s\n", file, notice.line, notice.value,
               text.c_str());
  } else if (G.csv_mode) {
    line = Fmt("%s, %2d, %d, %s\n", CsvField(file).c_str(), notice.value,
               notice.line, text.c_str());
  } else if (G.html_flag) {
    const size_t slash = notice.name.rfind('/');
    const char* base = slash == std::string::npos ? file : file + slash + 1;
    line = Fmt("  <a href=\"%s\">%s</a> - <FONT COLOR=RED>Notice</FONT> "
               "<B>#%2d</B>: Line <B>%d</B>, %s\n",
               HTMLPathFile(notice.name, G).c_str(),
               HTML_template(base).c_str(), notice.value,
               notice.line, text.c_str());
  } else {
    line = Fmt("  %s - Notice #%2d: Line %d, %s\n", file, notice.value,
               notice.line, text.c_str());
  }
  if (line.size() > kMaxNoticeLine) line.resize(kMaxNoticeLine);
  OutText(out, line);
}

void ShowNoticeSummary(Globals& G) {
  if (G.notice_list.empty()) return;
  const int count = static_cast<int>(G.notice_list.size());
  if (G.csv_mode) {
    Out(G, "Total Quality Notices. %d\n\n", count);
    Out(G, "Filename, Notice, Line, Description\n");
  } else {
    Out(G, "\n  %s\n\n", Rule72('-').c_str());
    if (G.html_flag) Out(G, "<FONT COLOR=%s><B>", G.html_header_color.c_str());
    Center(G, "~~ Quality Notice Summary ~~");
    if (G.html_flag) Out(G, "</B></FONT>");
    Out(G, "\n");
    Out(G, "  ");
    Out(G, "Total Quality Notices: %d\n", count);
  }
  if (G.sort_flag) SortByFileName(G.notice_list);
  for (const NameData& notice : G.notice_list) NoticeDataShow(notice, G, G);
}

void ShowQualityProfile(ReportSink& out, const Globals& G) {
  if (G.csv_mode) return;
  HyphenRule(out);
  CenterTitle(out, G, "~~ Project Quality Profile ~~");
  Out(out, "\n");
  Out(out, G.html_flag ? "  <B>Type  Count Percent  Quality Notice</B>\n"
                       : "  Type  Count Percent  Quality Notice\n");
  UnderscoreRule(out);
  int64_t total = 0;
  for (int n = 1; n <= 45; ++n) total += G.notice_type_count[n];
  const int sum = total > INT32_MAX ? INT32_MAX : static_cast<int>(total);
  for (int n = 1; n <= 45; ++n) {
    const int count = G.notice_type_count[n];
    if (count <= 0) continue;
    const double percent = static_cast<double>(count) / sum * 100.0;
    const std::string text = GetNoticeStr(n, G);
    if (G.html_flag) {
      Out(out,
          "  <FONT COLOR=%s><B>%-2d</B></FONT>  <FONT COLOR=%s><B>%7d</B>"
          "</FONT>  <FONT COLOR=%s><B>%6.2f</B></FONT>  <B>%s</B>\n",
          G.html_notice_color.c_str(), n, G.html_function_color.c_str(), count,
          G.html_class_color.c_str(), percent, text.c_str());
    } else {
      Out(out, "  %-2d  %7d  %6.2f  %s\n", n, count, percent, text.c_str());
    }
  }
  UnderscoreRule(out);
  if (G.html_flag) {
    Out(out,
        "      <FONT COLOR=%s><B>%7d</B></FONT>  <FONT COLOR=%s><B>%6.2f</B>"
        "</FONT>  <B>%s</B>\n\n",
        G.html_function_color.c_str(), sum, G.html_class_color.c_str(), 100.0,
        "<B>Total Quality Notices</B>");
  } else {
    Out(out, "      %7d  %6.2f  %s\n\n", sum, 100.0, "Total Quality Notices");
  }

  CenterTitle(out, G, "~~ Quality Notice Density ~~");
  Out(out, "\n");
  Out(out, "  Basis: 1000 (K)\n\n");
  const FileMetrics& M = G.metrics;
  DensityLine(out, G, "LOC  ", sum, M.loc);
  DensityLine(out, G, "eLOC ", sum, Eloc(M));
  DensityLine(out, G, "lLOC ", sum, Lloc(M));
}
