#include "base/strippers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Applies an in-place stripper to a copy of `text`.
template <typename Strip>
std::string Stripped(const char* text, Strip strip) {
  std::string s = text;
  strip(s);
  return s;
}

TEST(StripCComment, RemovesClosedCommentsAndCutsAnOpenOne) {
  auto strip = [](std::string& s) { StripCComment(s); };
  EXPECT_EQ(Stripped("a /* b */ c /* d", strip), "a  c ");
  EXPECT_EQ(Stripped("/* x */Base", strip), "Base");
  EXPECT_EQ(Stripped("a */ b /* c", strip), "a */ b ");
  EXPECT_EQ(Stripped("/*/ x */y", strip), "y");
  // Removing a comment that splits "/" and "*" makes a new opener.
  EXPECT_EQ(Stripped("a//**/* b */c", strip), "ac");
  EXPECT_EQ(Stripped("plain", strip), "plain");
}

TEST(StripCPPComment, CutsAtTheFirstDoubleSlash) {
  auto strip = [](std::string& s) { StripCPPComment(s); };
  EXPECT_EQ(Stripped("Base { // note // more", strip), "Base { ");
  EXPECT_EQ(Stripped("a / b", strip), "a / b");
}

TEST(StripChars, JoinsTheNonEmptyPiecesWithOneBlank) {
  auto strip = [](std::string& s) { StripChars(s, "{}; \n\r"); };
  EXPECT_EQ(Stripped("  Base ,  Other {\r\n", strip), "Base , Other");
  EXPECT_EQ(Stripped("{};", strip), "{};");
  EXPECT_EQ(Stripped("", strip), "");
}

TEST(StripStrings, DropsPiecesFoundInTheWordList) {
  auto strip = [](std::string& s) {
    StripStrings(s, "public private protected extends");
  };
  EXPECT_EQ(Stripped("public Base, protected Other", strip), " Base, Other");
  EXPECT_EQ(Stripped("Base,  public\tOther\n", strip), "Base, Other");
  // The test is a substring test: a piece inside a listed word goes too.
  EXPECT_EQ(Stripped("a pub Base", strip), " Base");
}

TEST(StripImplements, KeepsOnlyTheExtendedClass) {
  auto strip = [](std::string& s) { StripImplements(s); };
  EXPECT_EQ(Stripped("extends Base implements Runnable {", strip),
            "extends Base ");
  EXPECT_EQ(Stripped("implements Runnable extends Base", strip),
            "extends Base");
  EXPECT_EQ(Stripped("implements Runnable {", strip), "");
  EXPECT_EQ(Stripped("extends Base {", strip), "extends Base {");
}

TEST(FormatTemplateLine, RemovesBlanksAndTypeParameterKeywords) {
  auto format = [](std::string& s) { FormatTemplateLine(s); };
  EXPECT_EQ(Stripped("template <class T, typename U>", format),
            "template<T,U>");
  EXPECT_EQ(Stripped("Matrix<T>::operator  +=", format),
            "Matrix<T>::operator +=");
  EXPECT_EQ(Stripped("std::map< myclass T >", format), "std::map<myclassT>");
  EXPECT_EQ(Stripped("template<class\tT>", format), "template<T>");
  const std::string long_text(4095, ' ');
  EXPECT_EQ(Stripped(long_text.c_str(), format), long_text);
}

TEST(Strip_nrt, DropsLineEndsTabsAndBracesAndSpacesCommas) {
  EXPECT_EQ(Strip_nrt("\tint a,b {\r\n"), "int a, b ");
  EXPECT_EQ(Strip_nrt(nullptr), "");
  const std::string commas(5000, ',');
  EXPECT_EQ(Strip_nrt(commas.c_str()).size(), 4093u);
}

TEST(Trims, RemoveBlanksFromTheRightEnd) {
  std::string s = " \t x \t\r\n";
  Lefttrim(s);
  EXPECT_EQ(s, "x \t\r\n");
  Rtrim(s);
  EXPECT_EQ(s, "x");
  EXPECT_STREQ(Ltrim("\t  y "), "y ");
  std::string blank = " ";
  Rtrim(blank);
  EXPECT_EQ(blank, " ");
  std::string blanks = "   ";
  Rtrim(blanks);
  EXPECT_EQ(blanks, " ");
}

}  // namespace
