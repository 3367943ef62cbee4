// The lines a class writes into a file's report: its name (with its
// template header) when its body opens or closes, and its base list.
#include <string>
#include <string_view>

#include "notices/notices.h"
#include "recognise/classes.h"
#include "reports/framing.h"
#include "base/output.h"

namespace {

// Wrap width and indent of the name, by kind.
struct NameLayout {
  int width;
  int indent;
};

NameLayout LayoutOf(const ClassState& P) {
  const ClassLevel& c = P.cls;
  const bool nested = P.nested_class_depth > 0;
  if (c.is_interface) return nested ? NameLayout{54, 20} : NameLayout{61, 13};
  if (c.is_struct) return nested ? NameLayout{57, 17} : NameLayout{64, 10};
  return nested ? NameLayout{58, 16} : NameLayout{65, 9};
}

// The text as a header line shows it: one trailing line end removed,
// wrapped, HTML-escaped with -H.
std::string Shown(std::string_view text, int width, int indent, Globals& G) {
  if (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  std::string shown(text);
  if (static_cast<int>(shown.size()) > width) {
    shown = AdjNameLength(shown, width, indent, G);
  }
  return G.html_flag ? HTML_template(shown) : shown;
}

// "<lead>  <Kind>: <name>", then the template header indented by
// `template_indent` blanks when there is one.
void NameLine(const char* lead, int template_indent, Globals& G) {
  const ClassLevel& c = G.parse.cls;
  const NameLayout layout = LayoutOf(G.parse);
  const std::string kind = ClassKindTitle(G.parse);
  const std::string name = Shown(c.name, layout.width, layout.indent, G);
  if (G.html_flag) {
    Out(G, c.is_interface ? "%s  <B>%s</B>: <FONT COLOR=%s><B>%-46s</B></FONT>\n"
                          : "%s  <B>%s</B>: <FONT COLOR=%s><B>%s</B></FONT>\n",
        lead, kind.c_str(), G.html_class_color.c_str(), name.c_str());
  } else {
    Out(G, "%s  %s: %s\n", lead, kind.c_str(), name.c_str());
  }
  if (c.template_line.empty() || c.is_interface || template_indent == 0) {
    return;
  }
  const std::string pad(static_cast<size_t>(template_indent), ' ');
  if (G.html_flag) {
    Out(G, "%s<FONT COLOR=%s><B>%s</B></FONT>\n", pad.c_str(),
        G.html_teal_color.c_str(), HTML_template(c.template_line).c_str());
  } else {
    OutPieces(G, {pad, c.template_line, "\n"});
  }
}

}  // namespace

void ClassBegin(Globals& G) {
  if (G.totals_flag) return;
  if (G.notice_flag) {
    ShowStateLine(G, G.metrics.lines,
                  (ClassKindTitle(G.parse) + " Begin").c_str());
  }
  NameLine("", LayoutOf(G.parse).indent, G);
}

void EmitClass(Globals& G) {
  ClassLevel& c = G.parse.cls;
  if (!G.totals_flag) {
    if (G.comment_doc_flag) Out(G, "\n");
    NameLine("", c.is_struct ? 10 : 9, G);
    if (G.comment_doc_flag) Out(G, "  %s\n", Rule72('-').c_str());
    if (G.notice_flag) Out(G, "\n");
  }
  c.template_line.clear();
}

void ClassEnd(Globals& G) {
  if (G.totals_flag) return;
  NameLine("\n", 0, G);
}

void EmitInheritanceLine(Globals& G) {
  const ClassLevel& c = G.parse.cls;
  if (c.inheritance_line.empty()) return;
  if (G.object_flag && !G.totals_flag) {
    const std::string text = Shown(c.inheritance_line, 59, 15, G);
    if (G.html_flag) {
      Out(G, "  <B>Inheritance</B>: <FONT COLOR=%s><B>%s</B></FONT>\n",
          G.html_blue_color.c_str(), text.c_str());
    } else {
      OutPieces(G, {"  Inheritance: ", text, "\n"});
    }
  }
  if (G.notice_flag && CheckMultipleInheritance(c.inheritance_line)) {
    EmitMultipleInheritanceNotice(c.name, G);
  }
}
