#include "notices/emit.h"

#include "base/output.h"

namespace {

constexpr const char* kControlKeywords[] = {" ", "do", "else", "for", "if",
                                            "while"};

bool InCatalogue(int n) { return n >= 0 && n <= 45; }

// Keeps an issued notice for the --sarif and --json reports. The notice
// belongs to the file being analysed, or, raised by the inheritance tree
// after the last file, to an earlier one (found from the back; -1 when the
// file was never analysed).
void KeepIssuedNotice(int n, const std::string& file, int line,
                      int control_kind, RunTotals& G) {
  int32_t index = static_cast<int32_t>(G.file_figures.size()) - 1;
  while (index >= 0 && G.file_figures[static_cast<size_t>(index)].name != file) {
    --index;
  }
  G.issued_notices.push_back(IssuedNotice{index, line, static_cast<int16_t>(n),
                                          static_cast<int16_t>(control_kind)});
}

}  // namespace

const char* ControlKeyword(int control_kind) {
  if (control_kind < 0 || control_kind > 5) return kControlKeywords[0];
  return kControlKeywords[control_kind];
}

bool RecordNoticeAt(int n, const std::string& file, int line, Globals& G,
                    int control_kind) {
  if (n < 1 || n > 45 || G.notice_enabled[n] == 0) return false;
  Bump(G.metrics.notice_count, 1);
  Bump(G.notice_type_count[n], 1);
  if (G.keep_figures) KeepIssuedNotice(n, file, line, control_kind, G);
  if (G.notice_flag && !G.totals_flag) {
    if (G.notice_format_visual || G.notice_format_single) {
      EmitNotice(file, line, n, G, control_kind);
      return false;
    }
    return true;
  }
  if (G.notice_list_flag) EmitNotice(file, line, n, G, control_kind);
  return false;
}

bool CountNotices(int n, int times, const RunSettings& S,
                  FileMetrics& metrics, RunTotals& T) {
  if (S.keep_figures || (S.notice_flag && !S.totals_flag) ||
      S.notice_list_flag) {
    return false;
  }
  if (n < 1 || n > 45 || S.notice_enabled[n] == 0) return true;
  Bump(metrics.notice_count, times);
  Bump(T.notice_type_count[n], times);
  return true;
}

bool RecordNotice(int n, int line, Globals& G) {
  return RecordNoticeAt(n, G.file_name, line, G);
}

int EmitNotice(const std::string& file, int line, int n, Globals& G,
               int control_kind) {
  if (G.notice_list_flag || G.notice_by_line_flag) {
    const std::string text = GetNoticeStr(n, G);
    const char* keyword = ControlKeyword(control_kind);
    const char* unbound = "is not bound with scope braces {}";
    std::string one_line;
    if (G.notice_format_visual) {
      one_line = n == 22 ? Fmt("%s(%d) : Notice #%2d - '%s' %s\n",
                               file.c_str(), line, n, keyword, unbound)
                         : Fmt("%s(%d) : Notice #%2d - %s\n", file.c_str(),
                               line, n, text.c_str());
    } else if (G.html_flag) {
      one_line = n == 22 ? Fmt("  <FONT COLOR=RED>Notice</FONT> <B>#%2d</B>: "
                               "Line <B>%d</B>, '%s' %s\n",
                               n, line, keyword, unbound)
                         : Fmt("  <FONT COLOR=RED>Notice</FONT> <B>#%2d</B>: "
                               "Line <B>%d</B>, %s\n",
                               n, line, text.c_str());
    } else {
      one_line = n == 22 ? Fmt("  Notice #%2d: Line %d, '%s' %s\n", n, line,
                               keyword, unbound)
                         : Fmt("  Notice #%2d: Line %d, %s\n", n, line,
                               text.c_str());
    }
    Out(G, "\n%s", one_line.c_str());
  }
  // The notice list is a vector for now; it keeps the recording order the
  // notice reports rely on.
  G.notice_list.push_back(NameData{file, std::string(), n, line});
  return 1;
}

int GetNoticeFlag(int n, const RunSettings& G) {
  return InCatalogue(n) ? G.notice_enabled[n] : -1;
}

void SetNoticeFlag(int n, int value, RunSettings& G) {
  if (InCatalogue(n)) G.notice_enabled[n] = value;
}
