// The begin and end lines of a namespace or package in the object report.
#include <cctype>
#include <string>

#include "recognise/scope.h"
#include "reports/framing.h"
#include "base/output.h"

void EmitNamespace(Globals& G, int begin) {
  if (G.totals_flag || (!G.object_flag && !G.comment_doc_flag)) return;
  const FileState& P = G.parse;
  const bool package = P.java_file != 0;
  const std::string& raw = P.namespace_name;
  const bool named =
      !raw.empty() && (isalpha(static_cast<unsigned char>(raw[0])) != 0 ||
                       raw[0] == '_' || raw[0] == '~');
  const std::string name = named ? raw : "Anonymous - File Scope";
  // One empty line at most before the line: with -C, with -n after the
  // file's first notice, and before every end line with -n.
  bool blank = G.comment_doc_flag || (G.notice_flag && G.metrics.notice_count > 0);
  if (!begin && G.notice_flag) blank = true;
  if (blank) Out(G, "\n");
  const char* kind = package ? (begin ? "Package Begin" : "Package End")
                             : (begin ? "Namespace Begin" : "Namespace End");
  int width = package ? 57 : 55;
  if (!begin) width += 2;
  const std::string shown = AdjNameLength(name, width, 74 - width, G);
  if (G.html_flag) {
    Out(G, "  <B>%s</B>: <FONT COLOR=%s><B>%s</B></FONT>\n", kind,
        G.html_notice_color.c_str(), HTML_template(shown).c_str());
  } else {
    Out(G, "  %s: %s\n", kind, shown.c_str());
  }
  if (!G.notice_flag) Out(G, "\n");
  if (G.comment_doc_flag) HyphenRule(G);
}
