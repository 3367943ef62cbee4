// Notices raised at the closing brace of a function.
#include "notices/emit.h"
#include "notices/long_text.h"
#include "notices/notices.h"
#include "base/name_wrap.h"
#include "base/output.h"

void EmitFunctionNameNotice(const std::string& name, Globals& G) {
  size_t cut = std::string::npos;
  if (G.parse.cpp_file) {
    cut = name.rfind(':');
  } else if (G.parse.java_file) {
    cut = name.rfind('.');
  }
  const std::string measured =
      cut == std::string::npos ? name : name.substr(cut + 1);
  const int length = static_cast<int>(measured.size());
  if (length <= G.max_function_name_length) return;
  IssueNotice(2, G.metrics.lines, G, [&] {
    const std::string shown = AdjNameLength(measured, 62, 12, G);
    LongText(
        G, G,
        [&] {
          return Fmt(
              "\n    NOTICE #2: The function name:\n"
              "           %s\n"
              "           of %d characters is greater than %d characters "
              "in length.\n"
              "           This can be a portability and/or maintenance "
              "issue.\n",
              shown.c_str(), length, G.max_function_name_length);
        },
        [&] {
          return Fmt(
              "\n    <FONT COLOR=%s>NOTICE</FONT> #2: The function name:\n"
              "           <B>%s</B>\n"
              "           of <B>%d</B> characters is greater than %d "
              "characters in length.\n"
              "           This can be a portability and/or maintenance "
              "issue.\n",
              G.html_notice_color.c_str(), HTML_template(shown).c_str(), length,
              G.max_function_name_length);
        });
  });
}

void EmitNonAnsiPrototypeNotice(Globals& G) {
  IssueLineNotice(10, G.metrics.lines, G);
}

void EmitBracketBalanceNotice(Globals& G) {
  IssueLineNotice(11, G.metrics.lines, G);
}

void EmitParenBalanceNotice(Globals& G) {
  IssueLineNotice(12, G.metrics.lines, G);
}

void EmitSwitchDefaultNotice(Globals& G) {
  IssueLineNotice(13, G.metrics.lines, G);
}

void EmitCaseBreakNotice(Globals& G) {
  IssueLineNotice(14, G.metrics.lines, G);
}

void EmitFunctionWhitespaceNotice(double percent, Globals& G) {
  if (!(percent < G.min_whitespace_percent)) return;
  IssuePercentNotice(16, "Function white space", "is", percent,
                     G.min_whitespace_percent, G);
}

void EmitFunctionCommentNotice(double percent, Globals& G) {
  if (!(percent < G.min_comment_percent)) return;
  IssuePercentNotice(17, "Function comments", "are", percent,
                     G.min_comment_percent, G);
}

void EmitFunctionElocNotice(int eloc, Globals& G) {
  if (eloc <= G.max_function_eloc) return;
  IssueNotice(18, G.metrics.lines, G, [&] {
    LongText(
        G, G,
        [&] {
          return Fmt(
              "\n"
              "    NOTICE #18: Effective Lines of Code, eLOC, in this "
              "function\n"
              "           exceed the specified standard of %d lines.\n",
              G.max_function_eloc);
        },
        [&] {
          return Fmt(
              "\n"
              "    <FONT COLOR=%s>NOTICE</FONT> #18: Effective Lines of Code, "
              "<B>eLOC</B>, in this function\n"
              "           exceed the specified standard of <B>%d</B> lines.\n",
              G.html_notice_color.c_str(), G.max_function_eloc);
        });
  });
}

void Notice_Return_Limit(int count, Globals& G) {
  if (count <= G.max_return_points) return;
  IssueLimitNotice(27, "The number of function return points", count,
                   G.max_return_points, G);
}

void Notice_Logical_Limit(int complexity, Globals& G) {
  if (complexity <= G.max_cyclomatic) return;
  IssueLimitNotice(28, "The function cyclomatic complexity of", complexity,
                   G.max_cyclomatic, G);
}

void Notice_Interface_Limit(int params, Globals& G) {
  if (params <= G.max_interface) return;
  IssueLimitNotice(29, "The number of function input parameters,", params,
                   G.max_interface, G);
}
