// The keyword rules that look along the line: control statements and
// notice 22, enumerations, templates, class headers, static blocks,
// namespaces and packages.
#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace {

// A run inside a function body of a file `f.c` of the given language.
class InFunction : public CapturedRun {
 public:
  explicit InFunction(bool cpp = false) {
    G.file_name = "f.c";
    G.parse.c_file = !cpp;
    G.parse.cpp_file = cpp;
    G.parse.local_brace = 3;
  }
};

struct ScopeCase {
  std::vector<std::string> lines;
  int notices;
  int keyword_line;  // control_line of the last notice (when notices > 0)
};

TEST(ControlScope, ReportsBodiesThatDoNotOpenWithABrace) {
  const ScopeCase cases[] = {
      {{"if (x)", "  y = 1;"}, 1, 1},
      {{"if (x) {", "  y = 1;"}, 0, 0},
      {{"if (x)", "{", "  y = 1;"}, 0, 0},
      {{"if (x) /* c */ {", "y;"}, 0, 0},
      {{"if (x)", "  // comment", "  { y; }"}, 0, 0},
      {{"if (f(x) &&", "    g(y))", "  z();"}, 1, 1},
      {{"for (i = 0; i < n; i++)", "  sum += i;"}, 1, 1},
      {{"while (x)", "  x--;"}, 1, 1},
      {{"do", "  x++;", "while (y);"}, 1, 1},
      {{"do {", "  x++;", "} while (y);"}, 0, 0},
      {{"do x++; while (y);"}, 1, 1},
      {{"while (busy(x));", "z();"}, 0, 0},
      {{"} else", "  f(1);", "z = 2;"}, 1, 1},
      {{"x = 1;", "if (a)", "  b();", "if (c)", "  d();"}, 2, 4},
  };
  for (const ScopeCase& c : cases) {
    SCOPED_TRACE(c.lines[0]);
    InFunction run;
    run.G.notice_list_flag = 1;
    run.Parse(c.lines);
    EXPECT_EQ(run.G.notice_type_count[22], c.notices);
    if (c.notices > 0) {
      ASSERT_FALSE(run.G.notice_list.empty());
      EXPECT_EQ(run.G.notice_list.back().line, c.keyword_line);
    }
  }
}

TEST(ControlScope, NamesTheKeywordAndItsLineInTheNotice) {
  InFunction run;
  run.G.notice_flag = 1;
  run.Parse({"", "while (x)", "  x--;"});
  EXPECT_EQ(run.Output(),
            "\n    NOTICE #22: Line 2, The keyword, 'while', appears not to be "
            "delimited\n"
            "           with scope { .. } operators around its content.  This\n"
            "           could cause a maintenance problem where code falls "
            "outside\n"
            "           the intended scope of the 'while' statement.\n");
}

TEST(ControlScope, OneLineFormsNameTheKeyword) {
  InFunction run;
  run.G.notice_flag = 1;
  run.G.notice_list_flag = 1;
  run.G.notice_format_visual = 1;
  run.Parse({"if (x)", "  y = 1;"});
  EXPECT_EQ(run.Output(),
            "\nf.c(1) : Notice #22 - 'if' is not bound with scope braces {}\n");
  ASSERT_EQ(run.G.notice_list.size(), 1u);
  EXPECT_EQ(run.G.notice_list[0].line, 1);
  EXPECT_EQ(run.G.notice_list[0].value, 22);

  InFunction plain;
  plain.G.notice_flag = 1;
  plain.G.notice_list_flag = 1;
  plain.G.notice_format_single = 1;
  plain.Parse({"do", "  x++;"});
  EXPECT_EQ(plain.Output(),
            "\n  Notice #22: Line 1, 'do' is not bound with scope braces {}\n");
}

TEST(ControlScope, IsQuietOutsideFunctionsAndInsideMacros) {
  InFunction outside;
  outside.G.parse.local_brace = 0;
  outside.Parse({"if (x)", "  y = 1;", "do x++; while (y);"});
  EXPECT_EQ(outside.G.notice_type_count[22], 0);

  InFunction macro;
  macro.Parse({"#define LOOP(x) do x++; while (x)"});
  EXPECT_EQ(macro.G.notice_type_count[22], 0);
}

TEST(ControlScope, PreprocessorIfsRecordNoControlStatement) {
  InFunction run;
  run.Parse({"# if (X)", "y = 1;"});
  EXPECT_EQ(run.G.metrics.if_count, 1);
  EXPECT_EQ(run.G.parse.func_if_count, 0);
  EXPECT_EQ(run.G.notice_type_count[22], 0);
}

TEST(Conditions, AssignmentNoticesStopWithTheCondition) {
  InFunction run;
  run.Parse({"if (a = b) x = 1;", "while ((c = d) != 0) y = 2;", "z = 3;"});
  EXPECT_EQ(run.G.notice_type_count[4], 1);
  EXPECT_EQ(run.G.notice_type_count[5], 1);
  EXPECT_EQ(run.G.parse.if_condition, 0);
  EXPECT_EQ(run.G.parse.while_condition, 0);
  EXPECT_EQ(run.G.parse.local_paren, 0);
}

TEST(Enumeration, CountsABodyOpenedOnALaterLine) {
  CapturedRun run;
  run.Parse({"enum color", "{", "  RED, GREEN", "};", "enum color c;"});
  EXPECT_EQ(run.G.metrics.enum_count, 1);
  EXPECT_EQ(run.G.parse.enum_state, 0);
}

TEST(Template, KeepsTheHeaderUpToItsClosingAngle) {
  CapturedRun run;
  run.G.parse.cpp_file = 1;
  run.Parse(
      {"  template <class K, class V = std::less<K> > /* x */ class Map {"});
  EXPECT_EQ(run.G.parse.template_header,
            "template <class K, class V = std::less<K> >");
  EXPECT_EQ(run.G.parse.template_beg_flag, 0);
  EXPECT_EQ(run.G.metrics.template_count, 1);

  CapturedRun split;
  split.G.parse.cpp_file = 1;
  split.Parse({"template // header"});
  EXPECT_EQ(split.G.parse.template_header, "template ");
  EXPECT_EQ(split.G.parse.template_beg_flag, 1);
  split.Parse({"<typename T>"});
  EXPECT_EQ(split.G.parse.template_beg_flag, 0);
  // Only a '<' or the very line end after the word counts the header.
  EXPECT_EQ(split.G.metrics.template_count, 0);
}

TEST(StaticBlock, WaitsForABraceOpeningTheNextLine) {
  CapturedRun run;
  run.G.parse.java_file = 1;
  run.Parse({"  static // initialiser"});
  EXPECT_EQ(run.G.parse.static_brace_wait, 1);
  run.Parse({"  /* c */ {"});
  EXPECT_EQ(run.G.parse.static_brace_wait, 0);
  EXPECT_EQ(run.G.parse.static_block_flag, 1);

  CapturedRun plain;
  plain.Parse({"static int count;", "static_cast<int>(x);"});
  EXPECT_EQ(plain.G.parse.static_brace_wait, 0);
}

TEST(StaticBlock, ClosesAtTheBraceMatchingItsOwn) {
  CapturedRun run;
  run.G.parse.java_file = 1;
  run.Parse({"class A {", "  static { if (x) { y(); }"});
  EXPECT_EQ(run.G.parse.static_block_flag, 1);
  run.Parse({"    static { z(); }"});  // a nested one keeps the outer end
  EXPECT_EQ(run.G.parse.static_block_flag, 1);
  run.Parse({"  }"});
  EXPECT_EQ(run.G.parse.static_block_flag, 0);
  run.Parse({"  static int n;", "}"});
  EXPECT_EQ(run.G.parse.static_block_flag, 0);
}

TEST(Namespace, ANestedNamespaceCountsForItsHost) {
  CapturedRun run;
  run.G.parse.cpp_file = 1;
  run.Parse({"namespace a {", "namespace b {", "}", "}", "namespace c {", "}"});
  EXPECT_EQ(run.G.metrics.namespace_count, 2);
  EXPECT_EQ(run.G.parse.namespace_flag, 0);
  EXPECT_EQ(run.Output(),
            "\n    NOTICE: Line 2, A nested namespace declaration has been "
            "found\n"
            "            within a host namespace declaration.\n"
            "            Nested namespace: b\n"
            "            Host namespace  : a\n"
            "            KLV is a non-recursive parser/lexical analyzer.\n"
            "            Nested namespace metrics will be collected for\n"
            "            the host namespace.\n");
  std::vector<const NodeData*> spaces;
  for (const NodeData& space : run.G.namespace_list) spaces.push_back(&space);
  ASSERT_EQ(spaces.size(), 2u);
  EXPECT_EQ(spaces[1]->name, "c");
  EXPECT_EQ(spaces[1]->line, 5);
}

TEST(Namespace, IsCountedOnceInTheRunAndNotInTotalsOnlyOutput) {
  CapturedRun run;
  run.G.totals_flag = 1;
  run.G.parse.cpp_file = 1;
  run.Parse({"namespace a { namespace b {", "} }"});
  EXPECT_EQ(run.Output(), "");
  EXPECT_EQ(run.G.metrics.namespace_count, 1);
  ResetState(run.G);
  run.G.parse.cpp_file = 1;
  run.Parse({"namespace a {", "}"});
  EXPECT_EQ(run.G.metrics.namespace_count, 0);
}

TEST(Package, OpensTheNamedPackageForTheRestOfTheFile) {
  CapturedRun run;
  run.G.parse.java_file = 1;
  run.Parse({"package com.x.y;", "class A { }"});
  EXPECT_EQ(run.G.metrics.package_count, 1);
  EXPECT_EQ(run.G.parse.namespace_flag, 1);
  EXPECT_EQ(run.G.parse.namespace_name, "com.x.y");

  CapturedRun unnamed;
  unnamed.G.parse.java_file = 1;
  unnamed.Parse({"package ;"});
  EXPECT_EQ(unnamed.G.metrics.package_count, 0);
  EXPECT_EQ(unnamed.G.parse.namespace_flag, 0);
}

}  // namespace
