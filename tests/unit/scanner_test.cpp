#include "base/scanner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TokenCase {
  const char* line;
  int pos;
  bool found;       // GetNextRawToken gave a token (possibly empty)
  const char* raw;  // its text
  int named;        // GetNextToken's result
  const char* token;
};

TEST(TokenReaders, ReadTheNextTokenAfterBlanksAndOneComment) {
  const TokenCase cases[] = {
      {"  foo(bar)\n", 0, true, "foo(bar)", 1, "foo"},
      {"f(x)\n", 1, true, "(x)", 0, ""},
      {"  ~Base()\n", 0, true, "~Base()", 1, "~Base"},
      {"/* a*b */name\n", 0, true, "name", 1, "name"},
      {"/* c */ name\n", 0, true, "", 0, ""},
      {"   // comment\n", 0, false, "", 0, ""},
      {"   \n", 0, false, "", 0, ""},
      {"\r\n", 0, false, "", 0, ""},
      {"/* open\n", 0, false, "", 0, ""},
      {"std::string s;", 0, true, "std::string", 1, "std"},
      {"\tcom.x.y;\n", 0, true, "com.x.y;", 1, "com.x.y"},
      {"9lives x", 0, true, "9lives", 0, "9lives"},
      {"name", 0, true, "name", 1, "name"},
  };
  for (const TokenCase& c : cases) {
    SCOPED_TRACE(c.line);
    std::string out = "stale";
    EXPECT_EQ(GetNextRawToken(c.line, c.pos, out), c.found);
    EXPECT_EQ(out, c.raw);
    out = "stale";
    EXPECT_EQ(GetNextToken(c.line, c.pos, out), c.named);
    EXPECT_EQ(out, c.token);
  }
}

TEST(TokenReaders, GiveUpOnTextWithoutALineEndWithinTheLimit) {
  const std::string blanks(5000, ' ');
  const std::string word = std::string(5000, 'x');
  std::string out;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(GetNextRawToken(blanks.c_str(), 0, out));
  EXPECT_EQ(GetNextToken(word.c_str(), 0, out), 0);
  EXPECT_EQ(out, "");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "  Error: Unexpected line length with no line feed"
            "  Error: Unexpected line length with no line feed");
}

TEST(NextChar, SkipsBlanksTabsAndClosedComments) {
  EXPECT_EQ(NextChar("   // x\n"), '\n');
  EXPECT_EQ(NextChar(" \t/* a */ /* b */{"), '{');
  EXPECT_EQ(NextChar("  *p"), '*');
  EXPECT_EQ(NextChar("/* open\n"), '\n');
  EXPECT_EQ(NextChar("/* open"), '\0');
  EXPECT_EQ(NextChar(""), '\0');
}

TEST(FindCodeChar, LooksOutsideComments) {
  struct {
    const char* text;
    int found;
  } cases[] = {
      {"a { b\n", 1},
      {"a // {\n", 0},
      {"a /* { */ b\n", 0},
      {"a /* x */ {\n", 1},
      {"a /* x {\n", 0},
      {"a\n{", 0},
      {"{", 1},
      {"", 0},
      {"a // x */ {\n", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindCodeChar(c.text, '{'), c.found) << c.text;
  }
  bool crossed = false;
  EXPECT_EQ(FindCodeCharAt("ab {", '{', &crossed), 3);
  EXPECT_FALSE(crossed);
  EXPECT_EQ(FindCodeCharAt("a/**/{", '{', &crossed), 5);
  EXPECT_TRUE(crossed);
}

TEST(SingleChar, FindsLinesHoldingOnlyOneBracket) {
  EXPECT_EQ(SingleChar("  };\n", '}'), 1);
  EXPECT_EQ(SingleChar("}", '}'), 1);
  EXPECT_EQ(SingleChar("\t( ;\r\n", '('), 1);
  EXPECT_EQ(SingleChar("} else {\n", '}'), 0);
  EXPECT_EQ(SingleChar("((\n", '('), 0);
  EXPECT_EQ(SingleChar("x }\n", '}'), 0);
  EXPECT_EQ(SingleChar("", '{'), 0);
}

TEST(KeywordTermin, AcceptsTheCharactersOrTheLineEndAfterBlanks) {
  int count = 0;
  EXPECT_EQ(KeywordTermin("if  (x)", 2, &count, '(', '('), 1);
  EXPECT_EQ(KeywordTermin("if\n", 2, &count, '(', '('), 1);
  EXPECT_EQ(KeywordTermin("if \r\n", 2, &count, '(', '('), 1);
  EXPECT_EQ(KeywordTermin("ifx(", 2, &count, '(', '('), 0);
  EXPECT_EQ(KeywordTermin("if", 2, &count, '(', '('), 0);
  EXPECT_EQ(KeywordTermin("a ;", 1, &count, '(', ';'), 1);
  EXPECT_EQ(count, 4);
  EXPECT_EQ(KeywordTermin("if (", 2, nullptr, '(', '('), 1);
}

TEST(CharacterTests, ClassifyNameAndOperatorCharacters) {
  for (int c : {'a', 'Z', '_', '~'}) EXPECT_EQ(isfirstchar(c), 1) << c;
  for (int c : {int{'1'}, int{'$'}, int{' '}, 200, 0})
    EXPECT_EQ(isfirstchar(c), 0) << c;
  for (char c : std::string("!%&(*+,-/<=>[^dn|~")) {
    EXPECT_EQ(is_operator(static_cast<unsigned char>(c)), 1) << c;
  }
  for (int c : {int{'x'}, int{' '}, int{')'}, 0})
    EXPECT_EQ(is_operator(c), 0) << c;
  EXPECT_EQ(IsUpperCase("DECLARE_MAP_2()"), 1);
  EXPECT_EQ(IsUpperCase(""), 1);
  EXPECT_EQ(IsUpperCase("ABc"), 0);
  EXPECT_EQ(IsUpperCase("AB\nc"), 1);
}

TEST(IsEscapedQuote, CountsTheBackslashesBeforeTheQuote) {
  const std::string text = R"(a\"b\\"c\\\")";
  EXPECT_FALSE(IsEscapedQuote("\"", 0));
  EXPECT_TRUE(IsEscapedQuote(text.c_str(), 2));
  EXPECT_FALSE(IsEscapedQuote(text.c_str(), 6));
  EXPECT_TRUE(IsEscapedQuote(text.c_str(), 11));
}

}  // namespace
