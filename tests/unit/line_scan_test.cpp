// The line scan: extraction output, and the fast paths of the scan giving
// exactly the analysis of the general rules.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/output.h"
#include "test_support.h"

namespace {

struct ExtractCase {
  const char* name;
  int strings, comments, doc;
  std::vector<std::string> lines;
  const char* output;
};

TEST(Extraction, PrintsLiteralsAndCommentsWithTheirLineNumbers) {
  const ExtractCase cases[] = {
      {"strings",
       1,
       0,
       0,
       {"printf(\"Error: %s\\n\", s); /* \"not\" a string */",
        "a(\"one\"); b(\"two\");", "c = \"\";"},
       "       1: Error: %s\n       2: one\n       2: two\n"},
      {"a literal across lines keeps its last line",
       1,
       0,
       0,
       {"s = \"abc", "def\";"},
       "       2: def\n"},
      {"comments",
       0,
       1,
       0,
       {"int x; /* note */ // more", "/* first", " * second */ y = 1;",
        "z = '/'; // \"quoted\""},
       "       1: note */// more\n       2: first\n       3: second\n"
       "       4: quoted\n"},
      {"comment documentation keeps the markers",
       0,
       1,
       1,
       {"int x;  /* note */  ", "// <tag> & more"},
       "       1: /* note */\n       2: // <tag> & more\n"},
  };
  for (const ExtractCase& c : cases) {
    SCOPED_TRACE(c.name);
    CapturedRun run;
    run.G.extract_strings = c.strings;
    run.G.extract_comments = c.comments;
    run.G.comment_doc_flag = c.doc;
    run.Parse(c.lines);
    EXPECT_EQ(run.Output(), c.output);
  }
}

TEST(Extraction, EscapesHtmlInHtmlMode) {
  CapturedRun run;
  run.G.html_flag = 1;
  run.G.extract_comments = 1;
  run.Parse({"x = a < b; // a < b && c"});
  EXPECT_EQ(run.Output(), "       1: a &lt; b &amp;&amp; c\n");
}

// Everything the analysis of `text` leaves behind, as one comparable text.
std::string Analyse(const std::string& text, bool fast, int language,
                    bool extract, bool html = false) {
  SetLineScanFastPaths(fast);
  CapturedRun run;
  run.G.html_flag = html;
  run.G.parse.c_file = language == 0;
  run.G.parse.cpp_file = language == 1;
  run.G.parse.java_file = language == 2;
  run.G.notice_flag = 1;
  run.G.line_display_flag = 1;
  run.G.extract_strings = extract;
  run.G.extract_comments = extract;
  run.G.parse.local_brace = 1;
  std::istringstream in(text);
  std::string line;
  std::vector<std::string> lines;
  while (std::getline(in, line)) lines.push_back(line);
  run.Parse(lines);
  SetLineScanFastPaths(true);
  const FileMetrics& M = run.G.metrics;
  const FileState& P = run.G.parse;
  std::string state(reinterpret_cast<const char*>(&M), sizeof M);
  state += Fmt("|%d %d %d %d %d %d %d|", P.in_c_comment, P.in_line_comment,
               P.in_string, P.in_char, P.local_paren, P.pointer_marker,
               P.func_fallthrough_count);
  return state + P.last_code_line + run.Output();
}

TEST(FastPaths, GiveTheAnalysisOfTheGeneralRules) {
  const char* const tricky =
      "int  a =  1;\t/* tab */ char *s = \"x /* y */\\\" z\";\n"
      "  /* open\n"
      "   still * comment ** / */ b = c / d; // tail */ \"q\"\n"
      "c = '\"'; d = '\\''; e = \"\\\\\"; f = \"a\\\n"
      "continued\";\n"
      "if (a) // x\\\n"
      "   still comment\n"
      "\x01\x7f\xc3\xa9 \xff word_1 9lives\r\n"
      "#  define M(x) do { x++; } while (0)\n"
      "for (i = 0; i < n; ++i) { case 1: /* fall through */ break; }\n"
      "    \t  \n"
      "   */ x = 1;\n"
      "\t\t/*\tTABs\t\tin a comment \t*/\tx = \"\t\";\t// \t\n"
      "/* a comment line\n"
      "\t \t * going on\t\n"
      "\t */\n"
      "\t/** a * star ** or two \x01\x1b\xe2\x80\x94 dash\t*\n"
      "  \x02\t\xc3\xa9 *** \x7f */ y = 2; /*\x03*/\n"
      "s = \"\t\x04 * \xc3\xa9\"; c = '\x05';\n"
      "statically templates operatornew constexpr const_cast _exit(0)\n"
      "x=reinterpret_cast<int>(y); if(z)return;else do_it(); while_not;\n"
      "a_very_long_name_of_more_than_thirty_one_characters = static_x;\n"
      "x = \"a long literal with\tTABs, \xc3\xa9 and * stars \x01\"; y = "
      "'abcdefghijkl';  // a long line comment, * and \" and \xe2\x80\x94 \n"
      "/* comment text of many words and blanks, long enough  */ z = 1;   \n"
      "/*                                                          x    */\n"
      "/*\x01\x02\x03\x04\x05\x06\x07\x08\x0b\x0c\x0e\x0f\x10 only control \x7f*/\n"
      "//\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\t\t\t\t\t\t\t\t\t\n"
      "// abcdefghijklm\\\n"
      "still comment x = 1;\n"
      "/*\n"
      "\x01\x02\x03\x04\x05\x06\x07\x08\x0b\x0c\x0e\x0f\x10\x11\x12\x13\n"
      "\x01\x02\x03\x04\x05\x06\x07\x08\xc3\xa9\x0e\x0f\x10\x11\x12\x13\n"
      "*/\n";
  // Words that end at every place of a sixteen-character group, before
  // each kind of character that ends a word, at a line's start and after
  // blanks.
  std::string words;
  for (int length = 1; length <= 40; ++length) {
    for (const char* after : {" ", "(", "$", "@", "`", "{", "[", "/", ":",
                              "\xc3\xa9", "\t", "\x7f", "\\"}) {
      words += std::string(length, "aZ_9"[length % 4]) + after + "x;\n";
      words += "  y" + std::string(length, 'q') + after + "\n";
    }
  }
  for (int language = 0; language < 3; ++language) {
    EXPECT_EQ(Analyse(words, true, language, false, false),
              Analyse(words, false, language, false, false));
  }
  for (int language = 0; language < 3; ++language) {
    for (bool extract : {false, true}) {
      for (bool html : {false, true}) {
        EXPECT_EQ(Analyse(tricky, true, language, extract, html),
                  Analyse(tricky, false, language, extract, html));
      }
    }
  }
  const std::filesystem::path examples =
      std::filesystem::path(KLV_UNIT_DIR) / "../../examples";
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(examples)) {
    if (!entry.is_regular_file()) continue;
    SCOPED_TRACE(entry.path().string());
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(Analyse(text, true, 1, false), Analyse(text, false, 1, false));
    EXPECT_EQ(Analyse(text, true, 2, true), Analyse(text, false, 2, true));
  }
}

}  // namespace
