// Notices raised while the line parser reads a line.
#include "notices/emit.h"
#include "notices/long_text.h"
#include "notices/notices.h"
#include "reports/output.h"

namespace {

// Notices 6 and 7 share their texts but for the operator; inside a
// function-like macro definition they warn about the macro.
void PreOperatorNotice(int n, int line, Globals& G) {
  const char* what = n == 7 ? "pre-increment" : "pre-decrement";
  const char* op = n == 7 ? "++" : "--";
  const char* color = G.html_notice_color.c_str();
  IssueNotice(n, line, G, [&] {
    if (G.parse.function_macro) {
      LongText(G,
               Fmt("\n    NOTICE #%d: Line %d, a %s '%s operator' identified\n"
                   "           within a MACRO.  This syntax is non-portable "
                   "and is\n"
                   "           NOT recommended within macro definitions.\n",
                   n, line, what, op),
               Fmt("\n    <FONT COLOR=%s>NOTICE</FONT> #%d: <B>Line %d</B>, "
                   "a %s '<B>%s</B> operator' identified\n"
                   "           within a MACRO.  This syntax is non-portable "
                   "and is\n"
                   "           NOT recommended within macro definitions.\n",
                   color, n, line, what, op));
    } else {
      LongText(G,
               Fmt("\n    NOTICE #%d: Line %d, %s '%s operator' identified.\n"
                   "           This can be a problematic construct in "
                   "compound statements.\n",
                   n, line, what, op),
               Fmt("\n    <FONT COLOR=%s>NOTICE</FONT> #%d: <B>Line %d</B>, "
                   "%s '<B>%s</B> operator' identified.\n"
                   "           This can be a problematic construct in "
                   "compound statements.\n",
                   color, n, line, what, op));
    }
  });
}

}  // namespace

void EmitPreDecrementNotice(int line, Globals& G) {
  PreOperatorNotice(6, line, G);
}

void EmitPreIncrementNotice(int line, Globals& G) {
  PreOperatorNotice(7, line, G);
}

void EmitScopeError(int keyword_line, int control_kind, Globals& G) {
  if (G.parse.function_macro) return;
  if (!RecordNoticeAt(22, G.file_name, keyword_line, G, control_kind)) return;
  const char* keyword = ControlKeyword(control_kind);
  LongText(G,
           Fmt("\n    NOTICE #22: Line %d, The keyword, '%s', appears not to "
               "be delimited\n"
               "           with scope { .. } operators around its content.  "
               "This\n"
               "           could cause a maintenance problem where code falls "
               "outside\n"
               "           the intended scope of the '%s' statement.\n",
               keyword_line, keyword, keyword),
           Fmt("\n    <FONT COLOR=%s>NOTICE</FONT> #22: <B>Line %d</B>, The "
               "keyword, '<B>%s</B>', appears not to be delimited\n"
               "           with scope { .. } operators around its content.  "
               "This\n"
               "           could cause a maintenance problem where code falls "
               "outside\n"
               "           the intended scope of the '<B>%s</B>' statement.\n",
               G.html_notice_color.c_str(), keyword_line, keyword, keyword));
}

void EmitLineLengthNotice(int line, int length, Globals& G) {
  if (length <= G.max_line_length) return;
  IssueNotice(1, line, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #1: Line %d, Line character length = %d.  This width\n"
            "           exceeds the standard terminal width of %d "
            "characters.\n",
            line, length, G.max_line_length),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #1: <B>Line %d</B>, Line "
            "character length = <B>%d</B>.  This width\n"
            "           exceeds the standard terminal width of %d "
            "characters.\n",
            G.html_notice_color.c_str(), line, length, G.max_line_length));
  });
}

void EmitEllipsisNotice(int line, Globals& G) {
  IssueNotice(3, line, G, [&] {
    LongText(G,
             Fmt("\n"
                 "    NOTICE #3: Line %d, '...' ellipsis found for a variable "
                 "argument list.\n"
                 "           The compiler will not check the types of these "
                 "parameters.\n",
                 line),
             Fmt("\n"
                 "    <FONT COLOR=%s>NOTICE</FONT> #3: <B>Line %d</B>, "
                 "'<B>...</B>' ellipsis found for a variable argument list.\n"
                 "           The compiler will not check the types of these "
                 "parameters.\n",
                 G.html_notice_color.c_str(), line));
  });
}

void EmitIfAssignmentNotice(int line, Globals& G) {
  IssueNotice(4, line, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #4: Line %d, '=' assignment identified within an 'if' "
            "condition.\n"
            "           This is a logical error or indicates an assignment is "
            "within a\n"
            "           testable expression.  Code clarity would be enhanced "
            "by moving\n"
            "           any embedded expressions before conditional and "
            "testing a\n"
            "           single parameter.\n",
            line),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #4: <B>Line %d</B>, '<B>=</B>' "
            "assignment identified within an '<B>if</B>' condition.\n"
            "           This is a logical error or indicates an assignment is "
            "within a\n"
            "           testable expression.  Code clarity would be enhanced "
            "by moving\n"
            "           any embedded expressions before conditional and "
            "testing a\n"
            "           single parameter.\n",
            G.html_notice_color.c_str(), line));
  });
}

void EmitWhileAssignmentNotice(int line, Globals& G) {
  IssueNotice(5, line, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #5: Line %d, '=' assignment identified within an "
            "'while' condition.\n"
            "           This is a logical error or indicates an assignment is "
            "within a\n"
            "           testable expression.  Code clarity would be enhanced "
            "by moving any embedded\n"
            "           expressions before conditional and testing a single "
            "parameter.\n",
            line),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #5: <B>Line %d</B>, '<B>=</B>' "
            "assignment identified within an '<B>while</B>' condition.\n"
            "           This is a logical error or indicates an assignment is "
            "within a\n"
            "           testable expression.  Code clarity would be enhanced "
            "by moving any embedded\n"
            "           expressions before conditional and testing a single "
            "parameter.\n",
            G.html_notice_color.c_str(), line));
  });
}

void EmitReallocNotice(int line, Globals& G) {
  IssueNotice(8, line, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #8: Line %d, realloc has been identified.\n"
            "           A realloc of 0 size will free the pointer.  This may\n"
            "           cause an unanticipated action on a NULL pointer.  "
            "realloc\n"
            "           may also cause a hidden memory leak.\n",
            line),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #8: <B>Line %d</B>, "
            "<B>realloc</B> has been identified.\n"
            "           A <B>realloc</B> of 0 size will free the pointer.  "
            "This may\n"
            "           cause an unanticipated action on a NULL pointer.  "
            "<B>realloc</B>\n"
            "           may also cause a hidden memory leak.\n",
            G.html_notice_color.c_str(), line));
  });
}

void EmitGotoNotice(int line, Globals& G) {
  IssueNotice(9, line, G, [&] {
    LongText(G,
             Fmt("\n"
                 "    NOTICE #9: Line %d, 'goto' keyword identified.  This can "
                 "cause\n"
                 "           maintenance difficulties and propagate hidden "
                 "logic flow.\n",
                 line),
             Fmt("\n"
                 "    <FONT COLOR=%s>NOTICE</FONT> #9: <B>Line %d</B>, "
                 "'<B>goto</B>' keyword identified.  This can cause\n"
                 "           maintenance difficulties and propagate hidden "
                 "logic flow.\n",
                 G.html_notice_color.c_str(), line));
  });
}

void EmitFriendClassNotice(int line, const std::string& class_name,
                           Globals& G) {
  IssueNotice(15, line, G, [&] {
    LongText(G,
             Fmt("\n"
                 "    NOTICE #15: Line %d, friend class '%s' identified.\n"
                 "           This is a problematic construct as it breaks "
                 "encapsulation.\n",
                 line, class_name.c_str()),
             Fmt("\n"
                 "    <FONT COLOR=%s>NOTICE</FONT> #15: <B>Line %d</B>, friend "
                 "class '<B>%s</B>' identified.\n"
                 "           This is a problematic construct as it breaks "
                 "encapsulation.\n",
                 G.html_notice_color.c_str(), line,
                 HTML_template(class_name).c_str()));
  });
}

void EmitTernaryNotice(int line, Globals& G) {
  IssueNotice(23, line, G, [&] {
    LongText(G,
             Fmt("\n"
                 "    NOTICE #23: Line %d, The '?' operator was identified.  "
                 "This implied\n"
                 "           if-else construct can reduce code readability.\n",
                 line),
             Fmt("\n"
                 "    <FONT COLOR=%s>NOTICE</FONT> #23: <B>Line %d</B>, The "
                 "'<B>?</B>' operator was identified.  This implied\n"
                 "           if-else construct can reduce code readability.\n",
                 G.html_notice_color.c_str(), line));
  });
}

void CPP_Symbol(int line, const char* keyword, Globals& G) {
  IssueNotice(24, line, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #24: Line %d, An ANSI C++ keyword '%s' has been found\n"
            "           within a C file.  This will cause a compile error if "
            "this file\n"
            "           is compiled with a C++ compiler.  It is suggested that "
            "this\n"
            "           symbol name be changed to a non-conflicting name for C "
            "to\n"
            "           C++ migration.\n",
            line, keyword),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #24: <B>Line %d</B>, An ANSI C++ "
            "keyword '<B>%s</B>' has been found\n"
            "           within a C file.  This will cause a compile error if "
            "this file\n"
            "           is compiled with a C++ compiler.  It is suggested that "
            "this\n"
            "           symbol name be changed to a non-conflicting name for C "
            "to\n"
            "           C++ migration.\n",
            G.html_notice_color.c_str(), line, keyword));
  });
}

void EmitVoidStarNotice(int line, Globals& G) {
  IssueNotice(26, line, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #26: Line %d, The type 'void *' has been identified.\n"
            "           This data type is type independent, whereby it\n"
            "           prevents the compiler from checking the types\n"
            "           of variables and parameters.\n",
            line),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #26: <B>Line %d</B>, The type "
            "<B>void *</B> has been identified.\n"
            "           This data type is type independent, whereby it\n"
            "           prevents the compiler from checking the types\n"
            "           of variables and parameters.\n",
            G.html_notice_color.c_str(), line));
  });
}

void EmitTabNotice(int line, Globals& G) {
  IssueNotice(30, line, G, [&] {
    LongText(G,
             Fmt("\n"
                 "    NOTICE #30: Line %d, A TAB character has been found.\n"
                 "           Tabs embedded into code are device and editor "
                 "dependent\n"
                 "           for their space definition and may not display "
                 "properly.\n",
                 line),
             Fmt("\n"
                 "    <FONT COLOR=%s>NOTICE</FONT> #30: <B>Line %d</B>, A TAB "
                 "character has been found.\n"
                 "           Tabs embedded into code are device and editor "
                 "dependent\n"
                 "           for their space definition and may not display "
                 "properly.\n",
                 G.html_notice_color.c_str(), line));
  });
}

void EmitUsingNamespace(int line, Globals& G) {
  IssueNotice(32, line, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #32: Line %d, The construct 'using namespace' has\n"
            "           been identified.  This type of design can lead to\n"
            "           spurious name collisions during integration.\n",
            line),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #32: <B>Line %d</B>, The "
            "construct <B>using namespace</B> has\n"
            "           been identified.  This type of design can lead to\n"
            "           spurious name collisions during integration.\n",
            G.html_notice_color.c_str(), line));
  });
}

void EmitExceptionNotice(int line, Globals& G) {
  IssueNotice(38, line, G, [&] {
    LongText(G,
             Fmt("\n"
                 "    NOTICE #38: Line %d, Exception handling 'try' - 'catch' "
                 "has been\n"
                 "           identified.  Exception handling can be a form "
                 "indirect logic\n"
                 "           control similar to a goto.  The use of exception "
                 "handling\n"
                 "           should be driven by the design and not casually "
                 "imposed\n"
                 "           upon the code.\n",
                 line),
             Fmt("\n"
                 "    <FONT COLOR=%s>NOTICE</FONT> #38: <B>Line %d</B>, "
                 "Exception handling 'try' - 'catch' has been\n"
                 "           identified.  Exception handling can be a form "
                 "indirect logic\n"
                 "           control similar to a goto.  The use of exception "
                 "handling\n"
                 "           should be driven by the design and not casually "
                 "imposed\n"
                 "           upon the code.\n",
                 G.html_notice_color.c_str(), line));
  });
}

void EmitContinueNotice(int line, Globals& G) {
  IssueNotice(43, line, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #43: Line %d, The keyword 'continue' has been found.\n"
            "           The use of 'continue' can create code which is "
            "difficult\n"
            "           to maintain where the logic flow jumps to the "
            "beginning\n"
            "           of the framing control structure.\n",
            line),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #43: <B>Line %d</B>, The keyword "
            "'continue' has been found.\n"
            "           The use of 'continue' can create code which is "
            "difficult\n"
            "           to maintain where the logic flow jumps to the "
            "beginning\n"
            "           of the framing control structure.\n",
            G.html_notice_color.c_str(), line));
  });
}

void EmitBreakNotice(int line, Globals& G) {
  if (G.parse.switch_flag) return;
  IssueNotice(44, line, G, [&] {
    LongText(
        G,
        Fmt("\n"
            "    NOTICE #44: Line %d, The keyword 'break' has been identified\n"
            "           outside a 'switch' logic control structure.  The use\n"
            "           of 'break' interrupts the linear logic flow and can "
            "create\n"
            "           source code which is difficult to maintain.\n",
            line),
        Fmt("\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #44: <B>Line %d</B>, The keyword "
            "'break' has been identified\n"
            "           outside a 'switch' logic control structure.  The use\n"
            "           of 'break' interrupts the linear logic flow and can "
            "create\n"
            "           source code which is difficult to maintain.\n",
            G.html_notice_color.c_str(), line));
  });
}
