// Which '(' of a declaration header belongs to an attribute or to an
// operand word rather than to a parameter list.
#include <gtest/gtest.h>

#include <cstring>

#include "base/attributes.h"

namespace {

// The index of the `n`th '(' of `line` (from 1).
int Paren(const char* line, int n = 1) {
  const char* p = line;
  for (int k = 0; k < n; ++k) p = strchr(k == 0 ? p : p + 1, '(');
  return static_cast<int>(p - line);
}

TEST(Attributes, ParenInsideAnOpenDoubleBracketOrAfterAlignas) {
  struct Case {
    const char* line;
    int paren;
    bool inside;
  };
  const Case cases[] = {
      {"struct alignas(8) S {", 1, true},
      {"_Alignas (16) int x;", 1, true},
      {"int alignas_of(int x);", 1, false},
      {"my_alignas(4);", 1, false},
      {"[[deprecated(\"x\")]] int f(int);", 1, true},
      {"[[deprecated(\"x\")]] int f(int);", 2, false},
      {"[[nodiscard]] [[gnu::pure(1)]] int g();", 1, true},
      {"[[nodiscard]] [[gnu::pure(1)]] int g();", 2, false},
      // Runs of brackets pair from the left.
      {"[[[x(1)", 1, true},
      {"a[i[j]] = f(1);", 1, false},
      {"[[a]] b[[c(", 1, true},
      {"f(x); [[", 1, false},
      {"(", 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(InAttribute(c.line, Paren(c.line, c.paren)), c.inside);
  }
}

TEST(Attributes, ParenAfterAnOperandWordHoldsNoParameters) {
  EXPECT_TRUE(AfterOperandWord("decltype(x) f(int) {", 8));
  EXPECT_TRUE(AfterOperandWord("n = sizeof...(Args);", 13));
  EXPECT_TRUE(AfterOperandWord("int x __attribute__ ((packed));", 20));
  EXPECT_TRUE(AfterOperandWord("__attribute((x))", 11));
  EXPECT_FALSE(AfterOperandWord("int my_sizeof(int);", 13));
  EXPECT_FALSE(AfterOperandWord("sizeofs(x)", 7));
  EXPECT_FALSE(AfterOperandWord("(x)", 0));
}

}  // namespace
