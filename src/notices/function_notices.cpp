// Notices raised at the closing brace of a function.
#include "notices/emit.h"
#include "notices/long_text.h"
#include "notices/notices.h"
#include "reports/framing.h"
#include "reports/output.h"

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
    LongText(G,
             Fmt("\n    NOTICE #2: The function name:\n"
                 "           %s\n"
                 "           of %d characters is greater than %d characters "
                 "in length.\n"
                 "           This can be a portability and/or maintenance "
                 "issue.\n",
                 shown.c_str(), length, G.max_function_name_length),
             Fmt("\n    <FONT COLOR=%s>NOTICE</FONT> #2: The function name:\n"
                 "           <B>%s</B>\n"
                 "           of <B>%d</B> characters is greater than %d "
                 "characters in length.\n"
                 "           This can be a portability and/or maintenance "
                 "issue.\n",
                 G.html_notice_color.c_str(), HTML_template(shown).c_str(),
                 length, G.max_function_name_length));
  });
}

void EmitNonAnsiPrototypeNotice(Globals& G) {
  IssueNotice(10, G.metrics.lines, G, [&] {
    LongText(G,
             Fmt("\n"
                 "    NOTICE #10: Identified a Non-ANSI function prototype.  "
                 "Function\n"
                 "           parameters will not be type checked.\n"),
             Fmt("\n"
                 "    <FONT COLOR=%s>NOTICE</FONT> #10: Identified a "
                 "<B>Non-ANSI</B> function prototype.  Function\n"
                 "           parameters will not be type checked.\n",
                 G.html_notice_color.c_str()));
  });
}

void EmitBracketBalanceNotice(Globals& G) {
  IssueNotice(11, G.metrics.lines, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #11: Brackets, [ ] are not balanced.\n"
            "           The compiler should have caught this error.\n"
            "           This notice may indicate dead code within the\n"
            "           source commented out through a #define construct\n"),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #11: Brackets, <B>[ ]</B> are "
            "not balanced.\n"
            "           The compiler should have caught this error.\n"
            "           This notice may indicate dead code within the\n"
            "           source commented out through a #define construct\n",
            G.html_notice_color.c_str()));
  });
}

void EmitParenBalanceNotice(Globals& G) {
  IssueNotice(12, G.metrics.lines, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #12: Parenthesis, ( ) are not balanced.\n"
            "           The compiler should have caught this error.\n"
            "           This notice may indicate dead code within the\n"
            "           source commented out through a #define construct\n"),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #12: Parenthesis, <B>( )</B> are "
            "not balanced.\n"
            "           The compiler should have caught this error.\n"
            "           This notice may indicate dead code within the\n"
            "           source commented out through a #define construct\n",
            G.html_notice_color.c_str()));
  });
}

void EmitSwitchDefaultNotice(Globals& G) {
  IssueNotice(13, G.metrics.lines, G, [&] {
    LongText(G,
             Fmt("\n"
                 "    NOTICE #13: All 'switch' conditions do not have a "
                 "matching 'default'.\n"
                 "           This could cause unexpected behavior if the "
                 "'switch' condition\n"
                 "           is not met by the available 'case' statements.\n"),
             Fmt("\n"
                 "    <FONT COLOR=%s>NOTICE</FONT> #13: All '<B>switch</B>' "
                 "conditions do not have a matching '<B>default</B>'.\n"
                 "           This could cause unexpected behavior if the "
                 "'switch' condition\n"
                 "           is not met by the available 'case' statements.\n",
                 G.html_notice_color.c_str()));
  });
}

void EmitCaseBreakNotice(Globals& G) {
  IssueNotice(14, G.metrics.lines, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #14: All 'case/default' conditions do not have a "
            "matching\n"
            "           'break', return point or \"fall through\" comment.  "
            "This\n"
            "           condition can occur when sequential case statements "
            "are used.\n"
            "           Check this function to insure no erroneous behavior "
            "will occur\n"
            "           by an unexpected fall through to the next case "
            "statement.\n"
            "           You may indicate to KLV that a 'case' statement is "
            "designed\n"
            "           to fall through by using a comment with these words\n"),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #14: All '<B>case/default</B>' "
            "conditions do not have a matching\n"
            "           '<B>break</B>', <B>return</B> point or \"<B>fall "
            "through</B>\" comment.  This\n"
            "           condition can occur when sequential case statements "
            "are used.\n"
            "           Check this function to insure no erroneous behavior "
            "will occur\n"
            "           by an unexpected fall through to the next case "
            "statement.\n"
            "           You may indicate to KLV that a 'case' statement is "
            "designed\n"
            "           to fall through by using a comment with these words\n",
            G.html_notice_color.c_str()));
  });
}

void EmitFunctionWhitespaceNotice(double percent, Globals& G) {
  if (!(percent < G.min_whitespace_percent)) return;
  IssueNotice(16, G.metrics.lines, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #16: Function white space, %.1f%% is less than %d%%.\n",
            percent, static_cast<int>(G.min_whitespace_percent)),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #16: Function white space, "
            "<B>%.1f%%</B> is less than <B>%d%%</B>.\n",
            G.html_notice_color.c_str(), percent,
            static_cast<int>(G.min_whitespace_percent)));
  });
}

void EmitFunctionCommentNotice(double percent, Globals& G) {
  if (!(percent < G.min_comment_percent)) return;
  IssueNotice(17, G.metrics.lines, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #17: Function comments, %.1f%% are less than %d%%.\n",
            percent, static_cast<int>(G.min_comment_percent)),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #17: Function comments, "
            "<B>%.1f%%</B> are less than <B>%d%%</B>.\n",
            G.html_notice_color.c_str(), percent,
            static_cast<int>(G.min_comment_percent)));
  });
}

void EmitFunctionElocNotice(int eloc, Globals& G) {
  if (eloc <= G.max_function_eloc) return;
  IssueNotice(18, G.metrics.lines, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #18: Effective Lines of Code, eLOC, in this function\n"
            "           exceed the specified standard of %d lines.\n",
            G.max_function_eloc),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #18: Effective Lines of Code, "
            "<B>eLOC</B>, in this function\n"
            "           exceed the specified standard of <B>%d</B> lines.\n",
            G.html_notice_color.c_str(), G.max_function_eloc));
  });
}

void Notice_Return_Limit(int count, Globals& G) {
  if (count <= G.max_return_points) return;
  IssueNotice(27, G.metrics.lines, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #27: The number of function return points\n"
            "           %d exceeds the specified limit of %d.\n",
            count, G.max_return_points),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #27: The number of function "
            "return points\n"
            "           <B>%d</B> exceeds the specified limit of <B>%d</B>.\n",
            G.html_notice_color.c_str(), count, G.max_return_points));
  });
}

void Notice_Logical_Limit(int complexity, Globals& G) {
  if (complexity <= G.max_cyclomatic) return;
  IssueNotice(28, G.metrics.lines, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #28: The function cyclomatic complexity of\n"
            "           %d exceeds the specified limit of %d.\n",
            complexity, G.max_cyclomatic),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #28: The function cyclomatic "
            "complexity of\n"
            "           <B>%d</B> exceeds the specified limit of <B>%d</B>.\n",
            G.html_notice_color.c_str(), complexity, G.max_cyclomatic));
  });
}

void Notice_Interface_Limit(int params, Globals& G) {
  if (params <= G.max_interface) return;
  IssueNotice(29, G.metrics.lines, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #29: The number of function input parameters,\n"
            "           %d exceeds the specified limit of %d.\n",
            params, G.max_interface),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #29: The number of function "
            "input parameters,\n"
            "           <B>%d</B> exceeds the specified limit of <B>%d</B>.\n",
            G.html_notice_color.c_str(), params, G.max_interface));
  });
}
