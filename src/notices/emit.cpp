#include "notices/emit.h"

#include "notices/keyword_notices.h"
#include "reports/output.h"

bool RecordNotice(int n, int line, Globals& G) {
  if (n < 1 || n > 45 || G.notice_enabled[n] == 0) return false;
  Bump(G.metrics.notice_count, 1);
  Bump(G.notice_type_count[n], 1);
  if (G.notice_flag && !G.totals_flag) {
    if (G.notice_format_visual || G.notice_format_single) {
      EmitNotice(G.file_name, line, n, G);
      return false;
    }
    return true;
  }
  if (G.notice_list_flag) EmitNotice(G.file_name, line, n, G);
  return false;
}

void EmitNotice(const std::string& file, int line, int n, Globals& G) {
  if (G.notice_list_flag || G.notice_by_line_flag) {
    // Notice 22 names its control keyword instead of the catalogue text.
    std::string text = n == 22 ? ScopeNoticeText(G) : GetNoticeStr(n, G);
    std::string one_line;
    if (G.notice_format_visual) {
      one_line = Fmt("%s(%d) : Notice #%2d - %s\n", file.c_str(), line, n,
                     text.c_str());
    } else if (G.html_flag) {
      one_line = Fmt("  <FONT COLOR=RED>Notice</FONT> <B>#%2d</B>: Line "
                     "<B>%d</B>, %s\n", n, line, text.c_str());
    } else {
      one_line = Fmt("  Notice #%2d: Line %d, %s\n", n, line, text.c_str());
    }
    Out(G, "\n%s", one_line.c_str());
  }
  G.notice_list.push_back(NameData{file, std::string(), n, line});
}
