// The HTML forms of the keyword notices: the notice colour first, the line
// and the names in bold.
#include "analysis/keyword_notices.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

TEST(KeywordNotices, HtmlFormsCarryTheNoticeColour) {
  CapturedRun run;
  run.G.notice_flag = 1;
  run.G.html_flag = 1;
  run.G.html_notice_color = "MAROON";
  run.G.parse.c_file = 1;
  run.G.parse.local_brace = 1;
  run.Parse({"if (x)", "  bool b;"});
  EXPECT_EQ(
      run.Output(),
      "\n    <FONT COLOR=MAROON>NOTICE</FONT> #22: <B>Line 1</B>, The "
      "keyword, '<B>if</B>', appears not to be delimited\n"
      "           with scope { .. } operators around its content.  This\n"
      "           could cause a maintenance problem where code falls "
      "outside\n"
      "           the intended scope of the '<B>if</B>' statement.\n"
      "\n    <FONT COLOR=MAROON>NOTICE</FONT> #24: <B>Line 2</B>, An ANSI C++ "
      "keyword '<B>bool</B>' has been found\n"
      "           within a C file.  This will cause a compile error if this "
      "file\n"
      "           is compiled with a C++ compiler.  It is suggested that "
      "this\n"
      "           symbol name be changed to a non-conflicting name for C to\n"
      "           C++ migration.\n");
}

TEST(KeywordNotices, HtmlNestedNamespaceNoticeNamesBothNamespaces) {
  CapturedRun run;
  run.G.html_flag = 1;
  run.G.parse.namespace_name = "host";
  EmitNestedNamespace(7, "inner", run.G);
  EXPECT_EQ(run.Output(),
            "\n    <FONT COLOR=RED>NOTICE</FONT>: <B>Line 7</B>, A nested "
            "namespace declaration has been found\n"
            "            within a host namespace declaration.\n"
            "            <B>Nested namespace: inner</B>\n"
            "            <B>Host namespace  : host</B>\n"
            "            KLV is a non-recursive parser/lexical analyzer.\n"
            "            Nested namespace metrics will be collected for\n"
            "            the host namespace.\n");
}

TEST(KeywordNotices, BreakInsideASwitchIsNotANotice) {
  CapturedRun run;
  run.G.notice_flag = 1;
  run.G.parse.switch_flag = 1;
  EmitBreakNotice(3, run.G);
  EXPECT_EQ(run.Output(), "");
  EXPECT_EQ(run.G.notice_type_count[44], 0);
}

}  // namespace
