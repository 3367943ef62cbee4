// The line parser's classification and counting rules.
#include "analysis/line_parser.h"
#include "reports/framing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

// Feeds lines (each with its line end) through ParseLine as the driver does.
void Feed(Globals& G, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    ++G.metrics.lines;
    ParseLine(line.c_str(), G.metrics.lines, G);
  }
}

struct Counts {
  int loc, blank, comment, brace, paren;
};

Counts CountsOf(const std::vector<std::string>& lines) {
  CapturedRun c;
  Feed(c.G, lines);
  const FileMetrics& m = c.G.metrics;
  return {m.loc, m.blank_lines, m.comment_lines, m.brace_lines, m.paren_lines};
}

TEST(LineClassification, CodeWithTrailingCommentCountsInBoth) {
  Counts n = CountsOf({"int a; /* note */\n"});
  EXPECT_EQ(n.loc, 1);
  EXPECT_EQ(n.comment, 1);
  EXPECT_EQ(n.blank, 0);
}

TEST(LineClassification, BlankLineInsideCommentIsBlank) {
  Counts n = CountsOf({"/* open\n", "\n", "   close */\n"});
  EXPECT_EQ(n.comment, 2);
  EXPECT_EQ(n.blank, 1);
  EXPECT_EQ(n.loc, 0);
}

TEST(LineClassification, DivisionIsCodeButALoneSlashIsNothing) {
  EXPECT_EQ(CountsOf({"x = a / b;\n"}).loc, 1);
  Counts slash = CountsOf({"/\n"});
  EXPECT_EQ(slash.loc, 0);
  EXPECT_EQ(slash.blank, 0);
  EXPECT_EQ(slash.comment, 0);
}

TEST(LineClassification, CommentOpenerInsideStringIsCode) {
  CapturedRun c;
  Feed(c.G, {"s = \"/* not a comment\";\n"});
  EXPECT_EQ(c.G.metrics.loc, 1);
  EXPECT_EQ(c.G.metrics.comment_lines, 0);
  EXPECT_EQ(c.G.metrics.string_count, 1);
  EXPECT_EQ(c.G.parse.in_c_comment, 0);
}

TEST(LineClassification, QuotesInsideLiteralsAndEscapes) {
  CapturedRun c;
  Feed(c.G, {"c = '\"';\n"});
  EXPECT_EQ(c.G.parse.in_string, 0);
  EXPECT_EQ(c.G.parse.in_char, 0);
  Feed(c.G, {"s = \"a\\\\\"; t = 1;\n"});  // "a\\" closes at its quote
  EXPECT_EQ(c.G.parse.in_string, 0);
  EXPECT_EQ(c.G.metrics.string_count, 1);
  Feed(c.G, {"s = \"say \\\"hi\\\"\";\n"});  // escaped quotes stay inside
  EXPECT_EQ(c.G.parse.in_string, 0);
  EXPECT_EQ(c.G.metrics.string_count, 2);
}

TEST(LineClassification, StringStateCarriesAcrossLines) {
  CapturedRun c;
  Feed(c.G, {"s = \"open \\\n", "/* still string */ x\";\n"});
  EXPECT_EQ(c.G.metrics.comment_lines, 0);
  EXPECT_EQ(c.G.metrics.string_count, 1);
}

TEST(LineClassification, BraceAndParenOnlyLines) {
  Counts close = CountsOf({"}\n", "  };\n"});
  EXPECT_EQ(close.loc, 2);
  EXPECT_EQ(close.brace, 2);
  Counts mixed = CountsOf({"} else {\n"});
  EXPECT_EQ(mixed.loc, 1);
  EXPECT_EQ(mixed.brace, 0);
  Counts paren = CountsOf({"  );\n", "(\n"});
  EXPECT_EQ(paren.paren, 2);
  Counts two = CountsOf({"((\n"});
  EXPECT_EQ(two.paren, 0);
  EXPECT_EQ(two.loc, 1);
}

TEST(LineClassification, TabLineIsBlankAndRaisesNoticeThirty) {
  CapturedRun c;
  c.G.tab_width = 4;
  Feed(c.G, {"\t\n"});
  EXPECT_EQ(c.G.metrics.blank_lines, 1);
  EXPECT_EQ(c.G.metrics.spaces, 4);
  EXPECT_EQ(c.G.metrics.notice_count, 1);
  EXPECT_EQ(c.G.notice_type_count[30], 1);
  EXPECT_EQ(c.Output(), "");  // counted only: -n is off
}

TEST(LineClassification, LineCommentContinuedByBackslash) {
  Counts n = CountsOf({"// note \\\n", "still comment\n", "code;\n"});
  EXPECT_EQ(n.comment, 2);
  EXPECT_EQ(n.loc, 1);
}

TEST(LineClassification, CommentMarkersDoNotShareCharacters) {
  // "/*/" opens a comment without closing it.
  CapturedRun a;
  Feed(a.G, {"/*/ still open\n", "x */ y;\n"});
  EXPECT_EQ(a.G.metrics.comment_lines, 2);
  EXPECT_EQ(a.G.metrics.loc, 1);
  EXPECT_EQ(a.G.parse.in_c_comment, 0);
  // The '/' that closes a comment does not open another one.
  CapturedRun b;
  Feed(b.G, {"/* a */* p;\n", "q;\n"});
  EXPECT_EQ(b.G.parse.in_c_comment, 0);
  EXPECT_EQ(b.G.metrics.loc, 2);
}

TEST(LineClassification, CarriageReturnLineEndsAreCut) {
  CapturedRun c;
  Feed(c.G, {"ab;\r\n", "\r\n"});
  EXPECT_EQ(c.G.metrics.characters, 3);
  EXPECT_EQ(c.G.metrics.blank_lines, 1);
}

TEST(LineClassification, HighBytesCountAsBlank) {
  Counts n = CountsOf({"\xc3\xa9\xff\n"});
  EXPECT_EQ(n.blank, 1);
  EXPECT_EQ(n.loc, 0);
}

TEST(Preprocessor, FunctionLikeDefineCountsMacroWithoutTernaryNotice) {
  CapturedRun c;
  Feed(c.G, {"#define MAX(a,b) ((a)>(b)?(a):(b))\n"});
  EXPECT_EQ(c.G.metrics.define_count, 1);
  EXPECT_EQ(c.G.metrics.macro_count, 1);
  EXPECT_EQ(c.G.notice_type_count[23], 0);
  ASSERT_EQ(c.G.macro_list.size(), 1u);
  EXPECT_EQ(c.G.macro_list.Name(0), "MAX");
  EXPECT_EQ(c.G.parse.function_macro, 0);  // closed at the line end
}

TEST(Preprocessor, ObjectLikeDefineIsRecordedButNotAMacro) {
  CapturedRun c;
  Feed(c.G, {"#define LIMIT 10\n"});
  EXPECT_EQ(c.G.metrics.define_count, 1);
  EXPECT_EQ(c.G.metrics.macro_count, 0);
  ASSERT_EQ(c.G.macro_list.size(), 1u);
  EXPECT_EQ(c.G.macro_list.Name(0), "LIMIT");
}

TEST(Preprocessor, MacroHeaderAndFooterWithMacroAndNoticeFlags) {
  CapturedRun c;
  c.G.macro_flag = 1;
  c.G.notice_flag = 1;
  Feed(c.G, {"#define SQ(x) \\\n", "  ((x)*(x))\n"});
  const std::string expected =
      "\n  " + std::string(26, '-') + " Macro Begin Line: 1 " +
      std::string(72 - 26 - 21, '-') + "\n" +
      "  Macro: SQ\n\n" + std::string(1 + 37 - 13, ' ') +
      "~~ Macro Quality Notices ~~\n" + "\n  Macro: SQ\n" + "  " +
      std::string(27, '-') + " Macro End Line: 2 " +
      std::string(72 - 27 - 19, '-') + "\n";
  EXPECT_EQ(c.Output(), expected);
}

TEST(Preprocessor, IncludeNeedsHashAtLineStartOrAfterBlank) {
  CapturedRun c;
  Feed(c.G, {"#  include <x.h>\n", "x#include <y.h>\n", "\t#include <z.h>\n"});
  EXPECT_EQ(c.G.metrics.include_count, 2);
}

TEST(Comments, FallThroughPhrasesAreCounted) {
  CapturedRun c;
  Feed(c.G, {"case 1: /* fall through */\n", "// drop thru\n",
             "/* Fall Through */\n"});
  EXPECT_EQ(c.G.parse.func_fallthrough_count, 2);
}

TEST(Comments, CommentRunCountsLinesAfterTheFirst) {
  CapturedRun c;
  Feed(c.G, {"x;\n", "\n", "// one\n", "// two\n", "// three\n"});
  EXPECT_EQ(c.G.parse.comment_run_open, 1);
  EXPECT_EQ(c.G.parse.comment_run_lines, 2);
  ParseLine(nullptr, 0, c.G);
  EXPECT_EQ(c.G.parse.comment_run_open, 0);
  EXPECT_EQ(c.G.parse.comment_run_lines, 0);
}

TEST(Symbols, BracketsParenthesesBracesAndStatements) {
  CapturedRun c;
  Feed(c.G, {"for (i = 0; i < n; i++) { a[i] = f(b[i]); }\n"});
  const FileMetrics& m = c.G.metrics;
  EXPECT_EQ(m.lparen_count, 2);
  EXPECT_EQ(m.rparen_count, 2);
  EXPECT_EQ(m.openbrace_count, 1);
  EXPECT_EQ(m.closebrace_count, 1);
  EXPECT_EQ(m.lbracket_count, 2);
  EXPECT_EQ(m.rbracket_count, 2);
  EXPECT_EQ(m.statements, 3);
}

TEST(Symbols, NothingIsCountedInsideCommentsOrLiterals) {
  CapturedRun c;
  Feed(c.G, {"s = \"(;{\"; // );}\n", "/* [ ; */ c = '{';\n"});
  const FileMetrics& m = c.G.metrics;
  EXPECT_EQ(m.lparen_count, 0);
  EXPECT_EQ(m.openbrace_count, 0);
  EXPECT_EQ(m.lbracket_count, 0);
  EXPECT_EQ(m.statements, 2);
}

TEST(Notices, LineLongerThanTheLimit) {
  CapturedRun c;
  c.G.notice_flag = 1;
  Feed(c.G, {std::string(80, 'x') + "\n", std::string(81, 'y') + "\n"});
  EXPECT_EQ(c.G.notice_type_count[1], 1);
  EXPECT_EQ(c.Output(),
            "\n    NOTICE #1: Line 2, Line character length = 81.  This width\n"
            "           exceeds the standard terminal width of 80 "
            "characters.\n");
}

TEST(Notices, PreIncrementAndDecrement) {
  CapturedRun c;
  Feed(c.G, {"++i; j++; --k; x = y--;\n", "a = - -b;\n"});
  EXPECT_EQ(c.G.notice_type_count[7], 1);
  EXPECT_EQ(c.G.notice_type_count[6], 1);
}

TEST(Notices, PreIncrementInsideMacroUsesTheMacroText) {
  CapturedRun c;
  c.G.notice_flag = 1;
  Feed(c.G, {"#define NEXT(p) (++p)\n"});
  EXPECT_EQ(c.Output(),
            "\n    NOTICE #7: Line 1, a pre-increment '++ operator' "
            "identified\n"
            "           within a MACRO.  This syntax is non-portable and is\n"
            "           NOT recommended within macro definitions.\n");
}

TEST(Notices, TernaryButNotTrigraph) {
  CapturedRun c;
  Feed(c.G, {"x = a ? b : c;\n", "s = ?\?( ;\n"});
  EXPECT_EQ(c.G.notice_type_count[23], 1);
  EXPECT_EQ(c.G.parse.func_ternary_count, 1);
}

TEST(Notices, EllipsisOnlyWithNoticesOn) {
  CapturedRun off;
  Feed(off.G, {"int f(int a, ...);\n"});
  EXPECT_EQ(off.G.notice_type_count[3], 0);
  CapturedRun on;
  on.G.notice_flag = 1;
  Feed(on.G, {"int f(int a, ...);\n", "int g(...);\n", "x = a...b;\n"});
  EXPECT_EQ(on.G.notice_type_count[3], 2);
}

TEST(Notices, DisabledNoticeIsNeitherCountedNorPrinted) {
  CapturedRun c;
  c.G.notice_flag = 1;
  c.G.notice_enabled[30] = 0;
  Feed(c.G, {"\tx;\n"});
  EXPECT_EQ(c.G.metrics.notice_count, 0);
  EXPECT_EQ(c.G.notice_type_count[30], 0);
  EXPECT_EQ(c.Output(), "");
}

TEST(KeyString, FoundAnywhereOnTheLine) {
  CapturedRun c;
  c.G.key_string_set = 1;
  c.G.key_string = "Copyright";
  Feed(c.G, {"int x;\n"});
  EXPECT_EQ(c.G.parse.key_string_found, 0);
  Feed(c.G, {"/* Copyright 2026 */\n"});
  EXPECT_EQ(c.G.parse.key_string_found, 1);
}

TEST(LineDisplay, LabelsFollowTheRawLine) {
  CapturedRun c;
  c.G.line_display_flag = 1;
  Feed(c.G, {"int x; // y\n", "}\n", "\n"});
  EXPECT_EQ(c.Output(),
            "\n  Line 1: int x; // y\n  LOC Type(s): LOC C++/Java Comment\n"
            "\n  Line 2: }\n  LOC Type(s): Non-Effective LOC\n"
            "\n  Line 3: \n  LOC Type(s): Blank\n");
  EXPECT_EQ(c.G.metrics.loc, 2);
  EXPECT_EQ(c.G.metrics.comment_lines, 1);
}

TEST(LineDisplay, HtmlFormEscapesTheLine) {
  CapturedRun c;
  c.G.line_display_flag = 1;
  c.G.html_flag = 1;
  Feed(c.G, {"  a = b < c && d;\n"});
  EXPECT_EQ(c.Output(),
            "\n  <B>Line</B> 1: <FONT COLOR=TEAL>a = b &lt; c &amp;&amp; "
            "d;\n</FONT>  <B>LOC Type(s)</B>: LOC\n");
}

TEST(StateLine, MarkerIsSeventyTwoCharacters) {
  CapturedRun c;
  ShowStateLine(c.G, 12, "Function Begin");
  ShowStateLine(c.G, 7, "Class End");
  const std::string mid1 = " Function Begin Line: 12 ";  // 25 characters
  const std::string mid2 = " Class End Line: 7 ";        // 19 characters
  EXPECT_EQ(c.Output(), "\n  " + std::string(24, '-') + mid1 +
                          std::string(72 - 24 - 25, '-') + "\n  " +
                          std::string(27, '-') + mid2 +
                          std::string(72 - 27 - 19, '-') + "\n");
}

}  // namespace

TEST(DebugTrace, EachBraceAndParenthesisShowsTheScopeAfterIt) {
  CapturedRun run;
  run.G.debug_flag = 1;
  run.G.function_flag = 1;
  run.Parse({"int f(int a)", "{", "  if (a) x = 1;", "}"});
  // Only the character traces, in order.
  const std::string out = run.Output();
  std::string traces;
  for (size_t at = out.find(" Character: "); at != std::string::npos;
       at = out.find(" Character: ", at + 1)) {
    const size_t start = out.rfind('\n', at) + 1;
    size_t end = start;
    for (int lines = 0; lines < 6; ++lines) end = out.find('\n', end) + 1;
    traces += out.substr(start, end - start);
  }
  EXPECT_EQ(traces,
            "Begin Character: (\nlocal_brace     = 0\nlocal_paren     = 1\n"
            "class_flag      = 0\nassignment_flag = 0\nfuncname_flag   = 1\n"
            "End   Character: )\nlocal_brace     = 0\nlocal_paren     = 0\n"
            "class_flag      = 0\nassignment_flag = 0\nfuncname_flag   = 1\n"
            "Begin Character: {\nlocal_brace     = 1\nlocal_paren     = 0\n"
            "class_flag      = 0\nassignment_flag = 0\nfuncname_flag   = 1\n"
            "Begin Character: (\nlocal_brace     = 1\nlocal_paren     = 1\n"
            "class_flag      = 0\nassignment_flag = 0\nfuncname_flag   = 1\n"
            "End   Character: )\nlocal_brace     = 1\nlocal_paren     = 0\n"
            "class_flag      = 0\nassignment_flag = 0\nfuncname_flag   = 1\n"
            "End   Character: }\nlocal_brace     = 0\nlocal_paren     = 0\n"
            "class_flag      = 0\nassignment_flag = 0\nfuncname_flag   = 0\n");
}

// Each phrase and each near miss at many places of a line, the last one
// ending the line.
TEST(Comments, FallThroughPhraseIsFoundWhereverItStands) {
  for (int at = 0; at < 40; ++at) {
    SCOPED_TRACE(at);
    const std::string pad = "// " + std::string(static_cast<size_t>(at), 'x');
    CapturedRun c;
    Feed(c.G, {pad + " fall through\n", pad + " drop thru\n",
               pad + " fall thru", pad + " fall thr\n", pad + " fall threw\n",
               pad + " ball through\n", pad + " fall  through\n",
               pad + " drop thru" + std::string(20, 'y') + "\n"});
    EXPECT_EQ(c.G.parse.func_fallthrough_count, 4);
  }
}

TEST(Comments, FallThroughPhraseAtTheStartOfACommentLineIsCounted) {
  CapturedRun c;
  Feed(c.G, {"/*\n", "fall through\n", "drop thru */\n", "x; // fall thru\n",
             "/* fallthrough */\n"});
  EXPECT_EQ(c.G.parse.func_fallthrough_count, 3);
}
