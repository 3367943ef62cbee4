#include "analysis/extract.h"

#include <gtest/gtest.h>

#include "base/globals.h"

namespace {

TEST(ExtractString, KeepsTheReadableCoreOfALiteral) {
  Globals G;
  struct {
    const char* text;  // as collected: the literal's characters and its quote
    const char* result;
  } cases[] = {
      {"Error: %s\\n\"", "Error: %s"},
      {"\\n  Error: Cannot open\\n\\n\"", "Error: Cannot open"},
      {"/* Check the size */", "Check the size"},
      {"// note: x < y", "note: x < y"},
      {"\"", ""},
      {"%d\\n\"", "d"},
      {"\\nnext\"", "next"},
      {"  \\t tab\"", "t tab"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractString(c.text, G), c.result) << c.text;
  }
}

TEST(ExtractString, EscapesHtmlCharactersInHtmlMode) {
  Globals G;
  G.html_flag = 1;
  EXPECT_EQ(ExtractString("// a < b && c > d", G),
            "a &lt; b &amp;&amp; c &gt; d");
}

TEST(ExtractComment, KeepsTheMarkersAndDropsTrailingSpace) {
  Globals G;
  EXPECT_EQ(ExtractComment("/* Check the size */ \t\r\n", G),
            "/* Check the size */");
  EXPECT_EQ(ExtractComment("// x\n\n", G), "// x");
  EXPECT_EQ(ExtractComment(" \n", G), "");
  G.html_flag = 1;
  EXPECT_EQ(ExtractComment("/* <T> */", G), "/* &lt;T&gt; */");
}

}  // namespace
