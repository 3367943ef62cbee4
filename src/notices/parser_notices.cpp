// Notices raised while the line parser reads a line.
#include "notices/emit.h"
#include "notices/long_text.h"
#include "notices/notices.h"
#include "base/output.h"

namespace {

// Notices 6 and 7 share their texts but for the operator; inside a
// function-like macro definition they warn about the macro.
void PreOperatorNotice(int n, int line, Globals& G) {
  const char* what = n == 7 ? "pre-increment" : "pre-decrement";
  const char* op = n == 7 ? "++" : "--";
  const char* color = G.html_notice_color.c_str();
  IssueNotice(n, line, G, [&] {
    if (G.parse.function_macro) {
      LongText(
          G, G,
          [&] {
            return Fmt(
                "\n    NOTICE #%d: Line %d, a %s '%s operator' identified\n"
                "           within a MACRO.  This syntax is non-portable "
                "and is\n"
                "           NOT recommended within macro definitions.\n",
                n, line, what, op);
          },
          [&] {
            return Fmt(
                "\n    <FONT COLOR=%s>NOTICE</FONT> #%d: <B>Line %d</B>, "
                "a %s '<B>%s</B> operator' identified\n"
                "           within a MACRO.  This syntax is non-portable "
                "and is\n"
                "           NOT recommended within macro definitions.\n",
                color, n, line, what, op);
          });
    } else {
      LongText(
          G, G,
          [&] {
            return Fmt(
                "\n    NOTICE #%d: Line %d, %s '%s operator' identified.\n"
                "           This can be a problematic construct in "
                "compound statements.\n",
                n, line, what, op);
          },
          [&] {
            return Fmt(
                "\n    <FONT COLOR=%s>NOTICE</FONT> #%d: <B>Line %d</B>, "
                "%s '<B>%s</B> operator' identified.\n"
                "           This can be a problematic construct in "
                "compound statements.\n",
                color, n, line, what, op);
          });
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
  LongText(
      G, G,
      [&] {
        return Fmt(
            "\n    NOTICE #22: Line %d, The keyword, '%s', appears not to "
            "be delimited\n"
            "           with scope { .. } operators around its content.  "
            "This\n"
            "           could cause a maintenance problem where code falls "
            "outside\n"
            "           the intended scope of the '%s' statement.\n",
            keyword_line, keyword, keyword);
      },
      [&] {
        return Fmt(
            "\n    <FONT COLOR=%s>NOTICE</FONT> #22: <B>Line %d</B>, The "
            "keyword, '<B>%s</B>', appears not to be delimited\n"
            "           with scope { .. } operators around its content.  "
            "This\n"
            "           could cause a maintenance problem where code falls "
            "outside\n"
            "           the intended scope of the '<B>%s</B>' statement.\n",
            G.html_notice_color.c_str(), keyword_line, keyword, keyword);
      });
}

void EmitLineLengthNotice(int line, int length, Globals& G) {
  if (length <= G.max_line_length) return;
  IssueNotice(1, line, G, [&] {
    LongText(
        G, G,
        [&] {
          return Fmt(
              "\n"
              "    NOTICE #1: Line %d, Line character length = %d.  This "
              "width\n"
              "           exceeds the standard terminal width of %d "
              "characters.\n",
              line, length, G.max_line_length);
        },
        [&] {
          return Fmt(
              "\n"
              "    <FONT COLOR=%s>NOTICE</FONT> #1: <B>Line %d</B>, Line "
              "character length = <B>%d</B>.  This width\n"
              "           exceeds the standard terminal width of %d "
              "characters.\n",
              G.html_notice_color.c_str(), line, length, G.max_line_length);
        });
  });
}

void EmitEllipsisNotice(int line, Globals& G) { IssueLineNotice(3, line, G); }

void EmitIfAssignmentNotice(int line, Globals& G) {
  IssueLineNotice(4, line, G);
}

void EmitWhileAssignmentNotice(int line, Globals& G) {
  IssueLineNotice(5, line, G);
}

void EmitReallocNotice(int line, Globals& G) { IssueLineNotice(8, line, G); }

void EmitGotoNotice(int line, Globals& G) { IssueLineNotice(9, line, G); }

void EmitFriendClassNotice(int line, const std::string& class_name,
                           Globals& G) {
  IssueNotice(15, line, G, [&] {
    LongText(
        G, G,
        [&] {
          return Fmt(
              "\n"
              "    NOTICE #15: Line %d, friend class '%s' identified.\n"
              "           This is a problematic construct as it breaks "
              "encapsulation.\n",
              line, class_name.c_str());
        },
        [&] {
          return Fmt(
              "\n"
              "    <FONT COLOR=%s>NOTICE</FONT> #15: <B>Line %d</B>, friend "
              "class '<B>%s</B>' identified.\n"
              "           This is a problematic construct as it breaks "
              "encapsulation.\n",
              G.html_notice_color.c_str(), line,
              HTML_template(class_name).c_str());
        });
  });
}

void EmitTernaryNotice(int line, Globals& G) { IssueLineNotice(23, line, G); }

void CPP_Symbol(int line, const char* keyword, Globals& G) {
  const char* tail =
      "           within a C file.  This will cause a compile error if this "
      "file\n"
      "           is compiled with a C++ compiler.  It is suggested that this\n"
      "           symbol name be changed to a non-conflicting name for C to\n"
      "           C++ migration.\n";
  IssueNotice(24, line, G, [&] {
    LongText(
        G, G,
        [&] {
          return Fmt(
              "\n    NOTICE #24: Line %d, An ANSI C++ keyword '%s' has been "
              "found\n%s",
              line, keyword, tail);
        },
        [&] {
          return Fmt(
              "\n    <FONT COLOR=%s>NOTICE</FONT> #24: <B>Line %d</B>, An "
              "ANSI C++ keyword '<B>%s</B>' has been found\n%s",
              G.html_notice_color.c_str(), line, keyword, tail);
        });
  });
}

void EmitVoidStarNotice(int line, Globals& G) { IssueLineNotice(26, line, G); }

void EmitTabNotice(int line, Globals& G, int tabs) {
  IssueLineNotice(30, line, G, tabs);
}

void EmitUsingNamespace(int line, Globals& G) { IssueLineNotice(32, line, G); }

void EmitExceptionNotice(int line, Globals& G) { IssueLineNotice(38, line, G); }

void EmitContinueNotice(int line, Globals& G) { IssueLineNotice(43, line, G); }

void EmitBreakNotice(int line, Globals& G) {
  if (G.parse.switch_flag) return;
  IssueLineNotice(44, line, G);
}
