// The matching rule of keyword recognition: a word counts only with an
// allowed character before it and after it, in code.
#include <gtest/gtest.h>

#include <string>

#include "analysis/keywords.h"
#include "test_support.h"

namespace {

enum Lang { kC, kCpp, kJava };

void SetLanguage(Lang lang, Globals& G) {
  G.parse.c_file = lang == kC;
  G.parse.cpp_file = lang == kCpp;
  G.parse.java_file = lang == kJava;
}

struct CounterCase {
  Lang lang;
  const char* line;
  int32_t FileMetrics::*counter;
  int expected;
};

TEST(KeywordMatch, CountsWordsWithAllowedNeighbours) {
  using M = FileMetrics;
  const CounterCase cases[] = {
      {kC, "x = y;if(a)", &M::if_count, 1},
      {kC, "a.if(x)", &M::if_count, 0},
      {kC, "#ifdef X", &M::if_count, 0},
      {kC, "# if (X)", &M::if_count, 1},
      {kC, "ifx(1)", &M::if_count, 0},
      {kC, "if", &M::if_count, 1},
      {kC, "}if (a)", &M::if_count, 1},
      {kC, "f(if(a))", &M::if_count, 0},
      {kC, "/* if (x) */ y = \"if (z)\";", &M::if_count, 0},
      {kC, "return(0);", &M::return_count, 1},
      {kC, "return 0;", &M::return_count, 1},
      {kC, "\treturn;", &M::return_count, 1},
      {kC, "return", &M::return_count, 1},
      {kC, "returned = 1;", &M::return_count, 0},
      {kC, "x=return;", &M::return_count, 1},
      {kC, "break;", &M::break_count, 1},
      {kC, "}break ;", &M::break_count, 1},
      {kC, "{break;}", &M::break_count, 0},
      {kC, "breakpoint = 1;", &M::break_count, 0},
      {kC, "case 1:", &M::case_count, 1},
      {kC, "case(1):", &M::case_count, 1},
      {kC, "cases = 2;", &M::case_count, 0},
      {kC, "default:", &M::default_count, 1},
      {kC, "default :", &M::default_count, 1},
      {kC, "defaults = 1;", &M::default_count, 0},
      {kC, "} else {", &M::else_count, 1},
      {kC, "}else{", &M::else_count, 1},
      {kC, "#else", &M::else_count, 0},
      {kC, "# else", &M::else_count, 0},
      {kC, "{else", &M::else_count, 0},
      {kC, "for (i = 0; i < n; i++)", &M::for_count, 1},
      {kC, "format(x);", &M::for_count, 0},
      {kC, "while (x)", &M::while_count, 1},
      {kC, "do x++; while(y);", &M::while_count, 1},
      {kC, "do x++; while(y);", &M::do_count, 1},
      {kC, "do/* body */", &M::do_count, 1},
      {kC, "double d;", &M::do_count, 0},
      {kC, "switch (x) {", &M::switch_count, 1},
      {kC, "switch(x)", &M::switch_count, 1},
      {kC, "switches = 0;", &M::switch_count, 0},
      {kC, "goto end;", &M::goto_count, 1},
      {kC, "exit(1);", &M::exit_count, 1},
      {kC, "exit  (1);", &M::exit_count, 1},
      {kC, "exit_code = 1;", &M::exit_count, 0},
      {kC, "_exit(0);", &M::_exit_count, 1},
      {kC, "_exit(0);", &M::exit_count, 0},
      {kC, "f(_exit(0));", &M::_exit_count, 0},
      {kC, "abort();", &M::abort_count, 1},
      {kC, "p = malloc(4);", &M::alloc_count, 1},
      {kC, "calloc(1, 2);", &M::alloc_count, 1},
      {kC, "p = alloc (3);", &M::alloc_count, 1},
      {kC, "{malloc(1);}", &M::alloc_count, 0},
      {kC, "p = realloc(p, 2);", &M::alloc_count, 0},
      {kC, "free(p);", &M::free_count, 1},
      {kC, "freeze();", &M::free_count, 0},
      {kC, "const int x = 1;", &M::const_count, 1},
      {kC, "constexpr int x;", &M::const_count, 0},
      {kC, "f((const char*)s);", &M::const_count, 0},
      {kC, "typedef int T;", &M::typedef_count, 1},
      {kC, "enum color { RED };", &M::enum_count, 1},
      {kC, "enum color c;", &M::enum_count, 0},
      {kC, "enum { A = 1, B };", &M::enum_count, 1},
      {kC, "union {", &M::union_count, 1},
      {kC, "union", &M::union_count, 1},
      {kC, "union U {", &M::union_count, 0},
      {kC, "static inline int f(void)", &M::inline_count, 1},
      {kC, "int new;", &M::new_count, 0},
      {kCpp, "p = new int;", &M::new_count, 1},
      {kCpp, "p = new(buf) T;", &M::new_count, 1},
      {kCpp, "delete p;", &M::delete_count, 1},
      {kCpp, "delete[] p;", &M::delete_count, 1},
      {kJava, "x = new Foo();", &M::new_count, 1},
      {kCpp, "friend class B;", &M::friend_count, 1},
      {kC, "int friend;", &M::friend_count, 0},
      {kCpp, "using namespace std;", &M::using_count, 1},
      {kCpp, "using namespace std;", &M::namespace_count, 0},
      {kJava, "using x;", &M::using_count, 0},
      {kCpp, "namespace a {", &M::namespace_count, 1},
      {kCpp, "namespace {", &M::namespace_count, 0},
      {kJava, "import java.util.List;", &M::import_count, 1},
      {kCpp, "import x;", &M::import_count, 0},
      {kJava, "package com.x.y;", &M::package_count, 1},
      {kCpp, "template <class T> class A {", &M::template_count, 1},
      {kCpp, "template<class T>", &M::template_count, 1},
      {kCpp, "template <class T> T max(T, T);", &M::template_count, 0},
      {kC, "template <class T>", &M::template_count, 0},
      {kCpp, "virtual void f();", &M::virtual_count, 0},
      {kC, "for (;;) {}", &M::statements, 2},
  };
  for (const CounterCase& c : cases) {
    SCOPED_TRACE(c.line);
    CapturedRun run;
    SetLanguage(c.lang, run.G);
    run.Parse({c.line});
    EXPECT_EQ(run.G.metrics.*(c.counter), c.expected);
  }
}

TEST(KeywordMatch, LengthFilterKeepsEveryNameAWordCanMatch) {
  // The words' own lengths.
  EXPECT_TRUE(MayBeWord('i', 2));
  EXPECT_FALSE(MayBeWord('i', 3));
  EXPECT_TRUE(MayBeWord('r', 16));
  EXPECT_TRUE(MayBeWord('_', 5));
  // Words whose follow rule admits a name character match the start of
  // longer names: "statically", "templates", "operatornew".
  EXPECT_TRUE(MayBeWord('s', 10));
  EXPECT_TRUE(MayBeWord('s', 200));
  EXPECT_TRUE(MayBeWord('t', 9));
  EXPECT_TRUE(MayBeWord('o', 11));
  EXPECT_FALSE(MayBeWord('r', 40));
  EXPECT_FALSE(MayBeWord('x', 2));
}

struct FunctionCase {
  const char* line;
  int FileState::*counter;
  int expected;
};

TEST(KeywordMatch, CountsDecisionsAndReturnPointsOfTheFunction) {
  using P = FileState;
  const FunctionCase cases[] = {
      {"if (a) x = 1; else if (b) y = 2;", &P::func_if_count, 2},
      {"# if (X)", &P::func_if_count, 0},
      {"while (a) b();", &P::func_while_count, 1},
      {"for (;;) {", &P::func_for_count, 1},
      {"case 1: case 2:", &P::func_case_count, 2},
      {"default:", &P::func_default_count, 1},
      {"switch (x) {", &P::func_switch_count, 1},
      {"break;", &P::func_break_count, 1},
      {"goto out;", &P::func_goto_count, 1},
      {"return x; exit(1); _exit(2); abort(); goto e;", &P::func_return_count,
       5},
      {"x = a and b or c;", &P::func_and_count, 1},
      {"x = a and b or c;", &P::func_or_count, 1},
      {"throw x;", &P::func_return_count, 1},
  };
  for (const FunctionCase& c : cases) {
    SCOPED_TRACE(c.line);
    CapturedRun run;
    SetLanguage(kC, run.G);
    // Inside a body: a function's counters start when its body opens.
    run.Parse({"void f(void) {", c.line});
    EXPECT_EQ(run.G.parse.*(c.counter), c.expected);
  }
}

TEST(KeywordMatch, CountsGotoAsAReturnPointOnlyWhenConfigured) {
  CapturedRun run;
  run.G.goto_is_return = 0;
  run.Parse({"goto out;"});
  EXPECT_EQ(run.G.parse.func_return_count, 0);
  EXPECT_EQ(run.G.parse.func_goto_count, 1);
}

struct NoticeCase {
  Lang lang;
  const char* line;
  int notice;
  int expected;
};

TEST(KeywordMatch, RaisesTheKeywordNotices) {
  const NoticeCase cases[] = {
      {kC, "p = realloc(p, 2);", 8, 1},
      {kC, "p = realloc (p, 2);", 8, 1},
      {kC, "reallocate(p);", 8, 0},
      {kC, "goto end;", 9, 1},
      {kC, "goto", 9, 1},
      {kC, "int class = 1;", 24, 1},
      {kC, "int class;", 24, 0},
      {kC, "bool b; this; true; false;", 24, 4},
      {kC, "x = (operator+);", 24, 1},
      {kC, "throw x;", 24, 1},
      {kC, "try {", 24, 1},
      {kC, "try {", 38, 0},
      {kCpp, "int class;", 24, 0},
      {kCpp, "bool b;", 24, 0},
      {kC, "void *p;", 26, 1},
      {kC, "void  /* note */ *p;", 26, 1},
      {kC, "void f(void);", 26, 0},
      {kC, "void* p;", 26, 0},
      {kCpp, "using namespace std;", 32, 1},
      {kC, "using namespace std;", 32, 0},
      {kCpp, "try {", 38, 1},
      {kJava, "try {", 38, 1},
      {kC, "continue;", 43, 1},
      {kC, "continue\t", 43, 1},
      {kC, "continued = 1;", 43, 0},
      {kC, "break;", 44, 1},
      {kC, "switch (x) { case 1: break; }", 44, 0},
  };
  for (const NoticeCase& c : cases) {
    SCOPED_TRACE(c.line);
    CapturedRun run;
    SetLanguage(c.lang, run.G);
    run.Parse({c.line});
    EXPECT_EQ(run.G.notice_type_count[c.notice], c.expected);
  }
}

TEST(KeywordMatch, DisabledNoticesAreNeitherCountedNorPrinted) {
  CapturedRun run;
  run.G.notice_flag = 1;
  run.G.notice_enabled[9] = 0;
  run.Parse({"goto end;"});
  EXPECT_EQ(run.G.notice_type_count[9], 0);
  EXPECT_EQ(run.G.metrics.notice_count, 0);
  EXPECT_EQ(run.G.metrics.goto_count, 1);
  EXPECT_EQ(run.Output(), "");
}

TEST(KeywordMatch, CountsVirtualOnlyInsideAClassDefinition) {
  CapturedRun run;
  SetLanguage(kCpp, run.G);
  run.G.parse.class_flag = 1;
  run.Parse({"  virtual void f();"});
  EXPECT_EQ(run.G.metrics.virtual_count, 1);
}

}  // namespace
