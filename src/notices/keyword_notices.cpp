#include "notices/keyword_notices.h"

#include "analysis/keywords.h"
#include "notices/emit.h"
#include "reports/output.h"

namespace {

// Long texts of the notices whose only argument is the line number (the
// HTML form takes the notice colour first).
struct LineNoticeText {
  int number;
  const char* plain;
  const char* html;
};

constexpr LineNoticeText kLineNotices[] = {
    {8,
     "\n    NOTICE #8: Line %d, realloc has been identified.\n"
     "           A realloc of 0 size will free the pointer.  This may\n"
     "           cause an unanticipated action on a NULL pointer.  realloc\n"
     "           may also cause a hidden memory leak.\n",
     "\n    <FONT COLOR=%s>NOTICE</FONT> #8: <B>Line %d</B>, <B>realloc</B> "
     "has been identified.\n"
     "           A <B>realloc</B> of 0 size will free the pointer.  This may\n"
     "           cause an unanticipated action on a NULL pointer.  "
     "<B>realloc</B>\n"
     "           may also cause a hidden memory leak.\n"},
    {9,
     "\n    NOTICE #9: Line %d, 'goto' keyword identified.  This can cause\n"
     "           maintenance difficulties and propagate hidden logic flow.\n",
     "\n    <FONT COLOR=%s>NOTICE</FONT> #9: <B>Line %d</B>, '<B>goto</B>' "
     "keyword identified.  This can cause\n"
     "           maintenance difficulties and propagate hidden logic flow.\n"},
    {26,
     "\n    NOTICE #26: Line %d, The type 'void *' has been identified.\n"
     "           This data type is type independent, whereby it\n"
     "           prevents the compiler from checking the types\n"
     "           of variables and parameters.\n",
     "\n    <FONT COLOR=%s>NOTICE</FONT> #26: <B>Line %d</B>, The type "
     "<B>void *</B> has been identified.\n"
     "           This data type is type independent, whereby it\n"
     "           prevents the compiler from checking the types\n"
     "           of variables and parameters.\n"},
    {32,
     "\n    NOTICE #32: Line %d, The construct 'using namespace' has\n"
     "           been identified.  This type of design can lead to\n"
     "           spurious name collisions during integration.\n",
     "\n    <FONT COLOR=%s>NOTICE</FONT> #32: <B>Line %d</B>, The construct "
     "<B>using namespace</B> has\n"
     "           been identified.  This type of design can lead to\n"
     "           spurious name collisions during integration.\n"},
    {38,
     "\n    NOTICE #38: Line %d, Exception handling 'try' - 'catch' has been\n"
     "           identified.  Exception handling can be a form indirect "
     "logic\n"
     "           control similar to a goto.  The use of exception handling\n"
     "           should be driven by the design and not casually imposed\n"
     "           upon the code.\n",
     "\n    <FONT COLOR=%s>NOTICE</FONT> #38: <B>Line %d</B>, Exception "
     "handling 'try' - 'catch' has been\n"
     "           identified.  Exception handling can be a form indirect "
     "logic\n"
     "           control similar to a goto.  The use of exception handling\n"
     "           should be driven by the design and not casually imposed\n"
     "           upon the code.\n"},
    {43,
     "\n    NOTICE #43: Line %d, The keyword 'continue' has been found.\n"
     "           The use of 'continue' can create code which is difficult\n"
     "           to maintain where the logic flow jumps to the beginning\n"
     "           of the framing control structure.\n",
     "\n    <FONT COLOR=%s>NOTICE</FONT> #43: <B>Line %d</B>, The keyword "
     "'continue' has been found.\n"
     "           The use of 'continue' can create code which is difficult\n"
     "           to maintain where the logic flow jumps to the beginning\n"
     "           of the framing control structure.\n"},
    {44,
     "\n    NOTICE #44: Line %d, The keyword 'break' has been identified\n"
     "           outside a 'switch' logic control structure.  The use\n"
     "           of 'break' interrupts the linear logic flow and can create\n"
     "           source code which is difficult to maintain.\n",
     "\n    <FONT COLOR=%s>NOTICE</FONT> #44: <B>Line %d</B>, The keyword "
     "'break' has been identified\n"
     "           outside a 'switch' logic control structure.  The use\n"
     "           of 'break' interrupts the linear logic flow and can create\n"
     "           source code which is difficult to maintain.\n"},
};

void IssueLineNotice(int n, int line, Globals& G) {
  for (const LineNoticeText& text : kLineNotices) {
    if (text.number != n) continue;
    IssueNotice(n, line, G, [&] {
      if (G.html_flag) {
        Out(G, text.html, G.html_notice_color.c_str(), line);
      } else {
        Out(G, text.plain, line);
      }
    });
    return;
  }
}

}  // namespace

void EmitReallocNotice(int line, Globals& G) { IssueLineNotice(8, line, G); }
void EmitGotoNotice(int line, Globals& G) { IssueLineNotice(9, line, G); }
void EmitVoidStarNotice(int line, Globals& G) { IssueLineNotice(26, line, G); }
void EmitUsingNamespace(int line, Globals& G) { IssueLineNotice(32, line, G); }
void EmitExceptionNotice(int line, Globals& G) { IssueLineNotice(38, line, G); }
void EmitContinueNotice(int line, Globals& G) { IssueLineNotice(43, line, G); }

void EmitBreakNotice(int line, Globals& G) {
  if (G.parse.switch_flag) return;
  IssueLineNotice(44, line, G);
}

void CPP_Symbol(int line, const char* keyword, Globals& G) {
  IssueNotice(24, line, G, [&] {
    if (G.html_flag) {
      Out(G,
          "\n    <FONT COLOR=%s>NOTICE</FONT> #24: <B>Line %d</B>, An ANSI "
          "C++ keyword '<B>%s</B>' has been found\n"
          "           within a C file.  This will cause a compile error if "
          "this file\n"
          "           is compiled with a C++ compiler.  It is suggested that "
          "this\n"
          "           symbol name be changed to a non-conflicting name for C "
          "to\n"
          "           C++ migration.\n",
          G.html_notice_color.c_str(), line, keyword);
    } else {
      Out(G,
          "\n    NOTICE #24: Line %d, An ANSI C++ keyword '%s' has been found\n"
          "           within a C file.  This will cause a compile error if "
          "this file\n"
          "           is compiled with a C++ compiler.  It is suggested that "
          "this\n"
          "           symbol name be changed to a non-conflicting name for C "
          "to\n"
          "           C++ migration.\n",
          line, keyword);
    }
  });
}

const char* ControlKeyword(int kind) {
  static const char* const kWords[] = {" ", "do", "else", "for", "if", "while"};
  return kind >= 0 && kind <= 5 ? kWords[kind] : kWords[0];
}

std::string ScopeNoticeText(const Globals& G) {
  return Fmt("'%s' %s", ControlKeyword(G.parse.control_kind),
             "is not bound with scope braces {}");
}

void EmitScopeError(Globals& G) {
  FileState& P = G.parse;
  if (P.local_brace > 0 && !P.function_macro) {
    const char* keyword = ControlKeyword(P.control_kind);
    const int line = P.control_line;
    IssueNotice(22, line, G, [&] {
      if (G.html_flag) {
        Out(G,
            "\n    <FONT COLOR=%s>NOTICE</FONT> #22: <B>Line %d</B>, The "
            "keyword, '<B>%s</B>', appears not to be delimited\n"
            "           with scope { .. } operators around its content.  "
            "This\n"
            "           could cause a maintenance problem where code falls "
            "outside\n"
            "           the intended scope of the '<B>%s</B>' statement.\n",
            G.html_notice_color.c_str(), line, keyword, keyword);
      } else {
        Out(G,
            "\n    NOTICE #22: Line %d, The keyword, '%s', appears not to be "
            "delimited\n"
            "           with scope { .. } operators around its content.  "
            "This\n"
            "           could cause a maintenance problem where code falls "
            "outside\n"
            "           the intended scope of the '%s' statement.\n",
            line, keyword, keyword);
      }
    });
  }
  ClearControl(G);
}

void EmitNestedNamespace(int line, const std::string& nested, Globals& G) {
  if (G.totals_flag) return;
  const char* host = G.parse.namespace_name.c_str();
  if (G.html_flag) {
    Out(G,
        "\n    <FONT COLOR=%s>NOTICE</FONT>: <B>Line %d</B>, A nested "
        "namespace declaration has been found\n"
        "            within a host namespace declaration.\n",
        G.html_notice_color.c_str(), line);
    Out(G, "            <B>Nested namespace: %s</B>\n", nested.c_str());
    Out(G, "            <B>Host namespace  : %s</B>\n", host);
  } else {
    Out(G,
        "\n    NOTICE: Line %d, A nested namespace declaration has been found\n"
        "            within a host namespace declaration.\n",
        line);
    Out(G, "            Nested namespace: %s\n", nested.c_str());
    Out(G, "            Host namespace  : %s\n", host);
  }
  Out(G,
      "            KLV is a non-recursive parser/lexical analyzer.\n"
      "            Nested namespace metrics will be collected for\n"
      "            the host namespace.\n");
}
