// The notices whose texts report a measured share or count against its
// configured bound.
#include "notices/emit.h"
#include "notices/long_text.h"
#include "base/output.h"

void IssuePercentNotice(int n, const std::string& subject, const char* verb,
                        double percent, float limit, Globals& G) {
  const int shown_limit = static_cast<int>(limit);
  IssueNotice(n, G.metrics.lines, G, [&] {
    if (G.html_flag) {
      Out(G,
          "\n    <FONT COLOR=%s>NOTICE</FONT> #%d: %s, <B>%.1f%%</B> %s "
          "less than <B>%d%%</B>.\n",
          G.html_notice_color.c_str(), n, subject.c_str(), percent, verb,
          shown_limit);
    } else {
      Out(G, "\n    NOTICE #%d: %s, %.1f%% %s less than %d%%.\n", n,
          subject.c_str(), percent, verb, shown_limit);
    }
  });
}

void IssueLimitNotice(int n, const char* heading, int value, int limit,
                      Globals& G) {
  IssueNotice(n, G.metrics.lines, G, [&] {
    if (G.html_flag) {
      Out(G,
          "\n    <FONT COLOR=%s>NOTICE</FONT> #%d: %s\n"
          "           <B>%d</B> exceeds the specified limit of <B>%d</B>.\n",
          G.html_notice_color.c_str(), n, heading, value, limit);
    } else {
      Out(G,
          "\n    NOTICE #%d: %s\n"
          "           %d exceeds the specified limit of %d.\n",
          n, heading, value, limit);
    }
  });
}
