// The lines a function writes into a file's report: its name (with its
// template header) when its body opens or closes, and its measures when it
// closes.
#include <string>
#include <string_view>

#include "recognise/functions.h"
#include "recognise/scope.h"
#include "reports/framing.h"
#include "reports/metric_lines.h"
#include "base/output.h"
#include "reports/summaries.h"

namespace {

// The text as a header line shows it: one trailing line end removed,
// wrapped at `width` with `indent` blanks, HTML-escaped with -H.
std::string Shown(const std::string& text, int width, int indent, Globals& G) {
  std::string_view s = text;
  if (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.remove_suffix(1);
  std::string shown(s);
  if (static_cast<int>(shown.size()) > width) {
    shown = AdjNameLength(shown, width, indent, G);
  }
  return G.html_flag ? HTML_template(shown) : shown;
}

// "  <label>: <name>", and the template header under the name when
// `with_template`; `lead` goes before the line.
void NameLine(const char* lead, const char* label, bool inline_form,
              bool with_template, Globals& G) {
  const FileState& P = G.parse;
  const int indent = inline_form ? 19 : 12;
  const std::string name = Shown(P.func_name, inline_form ? 55 : 62, indent, G);
  const std::string_view pad = std::string_view(
      "                   ", static_cast<size_t>(indent));  // at most 19
  if (G.html_flag) {
    Out(G, "%s  <B>%s</B>: <FONT COLOR=%s><B>%s</B></FONT>\n", lead, label,
        G.html_function_color.c_str(), name.c_str());
    if (with_template) {
      Out(G, "%.*s<FONT COLOR=%s><B>%s</B></FONT>\n",
          static_cast<int>(pad.size()), pad.data(), G.html_teal_color.c_str(),
          HTML_template(P.function_template_line).c_str());
    }
  } else {
    Out(G, "%s  %s: %s\n", lead, label, name.c_str());
    if (with_template) {
      OutPieces(G, {pad, P.function_template_line, "\n"});
    }
  }
}

}  // namespace

void FunctionBegin(Globals& G) {
  if (G.totals_flag) return;
  if (G.notice_flag) ShowStateLine(G, G.metrics.lines, "Function Begin");
  NameLine("", "Function", false, G.parse.function_template_flag != 0, G);
}

void EmitFunction(Globals& G) {
  FileState& P = G.parse;
  if (!G.totals_flag) {
    if (G.comment_doc_flag) Out(G, "\n");
    const bool inline_form =
        P.inline_function_flag ||
        (P.class_flag && P.cpp_file && !G.function_list_flag);
    NameLine("", inline_form ? "Inline Function" : "Function", inline_form,
             P.function_template_flag && !G.function_list_flag, G);
    if (G.comment_doc_flag) Out(G, "  %s\n", Rule72('-').c_str());
    if (G.notice_flag) Out(G, "\n");
  }
  P.function_template_flag = 0;
  P.function_template_line.clear();
  P.instantiate_colon_flag = 0;
  P.inline_function_flag = 0;
}

void FunctionEnd(Globals& G) {
  if (G.totals_flag) return;
  NameLine("\n", "Function", false, false, G);
}

void ShowFunction(int loc, int eloc, int lloc, int comments, int lines,
                  Globals& G) {
  const FileState& P = G.parse;
  const int blanks = G.metrics.blank_lines - P.func_begin_blanks;
  const int cyclo = GetCycloComplexity(G);
  if (G.csv_function_lines) {
    CSV_Function_Line(P.func_name, loc, eloc, lloc, comments, blanks, lines,
                      P.func_param_count, P.func_return_count, cyclo, 0, G);
    return;
  }
  if (G.totals_flag || G.comment_doc_flag) return;
  ComplexLine(P.func_param_count, P.func_return_count, cyclo, G, G);
  LOCLine(loc, eloc, lloc, comments, lines, G, G);
  if (G.notice_flag) {
    ShowStateLine(G, G.metrics.lines, "Function End");
  } else {
    Out(G, "\n");
  }
}
