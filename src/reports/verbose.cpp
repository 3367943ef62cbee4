#include <string>

#include "base/output.h"
#include "reports/summaries.h"

namespace {

double Percent(int64_t part, int64_t whole) {
  return whole < 1 ? 0.0 : 100.0 * static_cast<double>(part) / whole;
}

// A group heading of the left column, coloured in HTML mode.
std::string Heading(const char* dashes_l, const char* word,
                    const char* dashes_r, const std::string& colour,
                    const RunSettings& G) {
  if (G.html_flag) {
    return Fmt("  <B>%s <FONT COLOR=%s>%s</FONT> %s</B>", dashes_l,
               colour.c_str(), word, dashes_r);
  }
  return Fmt("  %s %s %s", dashes_l, word, dashes_r);
}

}  // namespace

void ShowVerbose(Globals& G, int project) {
  const FileMetrics& M = G.metrics;
  SectionBanner(G, G,
                project ? "~~ Project Keywords and Metrics ~~"
                        : "~~ File Keywords and Metrics ~~");
  const int eloc = Eloc(M);
  const int64_t logical = int64_t{M.loc} + M.blank_lines + M.comment_lines;
  const int64_t nonblank = int64_t{M.comment_lines} + M.loc;
  const long long per_line =
      nonblank < 1 ? 0 : (int64_t{M.characters} - M.spaces) / nonblank;

  auto left = [&](const char* label, int value) {
    Out(G, "%s%12d", BoldLabel(label, G).c_str(), value);
  };
  auto left2 = [&](const char* label, int a, int b) {
    Out(G, "%s%6d,%5d", BoldLabel(label, G).c_str(), a, b);
  };
  auto right = [&](const char* fmt, auto... values) {
    Out(G, BoldLabel(fmt, G).c_str(), values...);
  };

  Out(G, "\n%-36s",
      Heading("---------------", "LOC", "---------------", G.html_green_color,
              G).c_str());
  right("  case, break .........:%6d,%6d\n", M.case_count, M.break_count);
  left("  Lines of Code (LOC) .: ", M.loc);
  right("  if, else ............:%6d,%6d\n", M.if_count, M.else_count);
  left("  Lines of just { or } : ", M.brace_lines);
  right("  goto, return ........:%6d,%6d\n", M.goto_count, M.return_count);
  left("  Lines of just ( or ) : ", M.paren_lines);
  right("  exit, _exit, abort ..:%6d,%3d,%2d\n", M.exit_count, M._exit_count,
        M.abort_count);
  left("  Effective LOC (eLOC) : ", eloc);
  right("  macros, struct, union:%6d,%3d,%2d\n", M.macro_count, M.struct_count,
        M.union_count);
  left("  Code Statement (lLOC): ", Lloc(M));
  right("  class, interface ....:%6d,%6d\n", M.class_count, M.interface_count);
  Out(G, "%-36s",
      Heading("--------------", "Lines", "--------------", G.html_purple_color,
              G).c_str());
  right("  template, friend ....:%6d,%6d\n", M.template_count, M.friend_count);
  left("  Blank Lines .........: ", M.blank_lines);
  right("  namespace, package ..:%6d,%6d\n", M.namespace_count,
        M.package_count);
  left("  Comment Lines .......: ", M.comment_lines);
  if (M.function_count < 1) {
    right("  inline ..............: %12d\n", M.inline_count);
  } else {
    right("  func, virtual, inline:%6d,%3d,%2d\n", M.function_count,
          M.virtual_count, M.inline_count);
  }
  left("  Total Logical Lines .: ", TotalLogicalLines(M));
  right("  Memory alloc, free ..:%6d,%6d\n", M.alloc_count, M.free_count);
  left("  Total Physical Lines : ", M.lines);
  right("  Memory new, delete ..:%6d,%6d\n", M.new_count, M.delete_count);
  Out(G, "%-36s",
      Heading("------------", "Key Words", "------------", G.html_red_color,
              G).c_str());
  if (G.html_flag) {
    Out(G, "  <B>------------- <FONT COLOR=%s>Analysis</FONT> ------------</B>\n",
        G.html_teal_color.c_str());
  } else {
    Out(G, "  ------------- Analysis ------------\n");
  }
  left("  Literal Strings .....: ", M.string_count);
  right("  Paren Count (,) .....:%6d,%6d\n", M.lparen_count, M.rparen_count);
  left2("  #include, import ....: ", M.include_count, M.import_count);
  right("  Brace Count {,} .....:%6d,%6d\n", M.openbrace_count,
        M.closebrace_count);
  left2("  #define, typedef ....: ", M.define_count, M.typedef_count);
  right("  Bracket Count [,] ...:%6d,%6d\n", M.lbracket_count,
        M.rbracket_count);
  left2("  const, enum .........: ", M.const_count, M.enum_count);
  right("  Chars/NBLine, Notices:%6lld,%6d\n", per_line, M.notice_count);
  left2("  do, while ...........: ", M.do_count, M.while_count);
  right("  Code, eCode Lines ...:%5.1f%%,%5.1f%%\n", Percent(M.loc, logical),
        Percent(eloc, logical));
  left2("  switch, default .....: ", M.switch_count, M.default_count);
  right("  Comment, Blank Lines :%5.1f%%,%5.1f%%\n",
        Percent(M.comment_lines, logical), Percent(M.blank_lines, logical));
  left("  for .................: ", M.for_count);
  right("  Characters, Spaces ..:%5.1f%%,%5.1f%%\n",
        Percent(int64_t{M.characters} - M.spaces, M.characters),
        Percent(M.spaces, M.characters));
}
