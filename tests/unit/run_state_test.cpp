// Run-wide state: totals, per-file reset, numeric helpers, file typing and
// the line intake.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_type.h"
#include "base/line_reader.h"
#include "test_support.h"

namespace {

TEST(MinMax, FirstValueSetsBoth) {
  int min = -100, max = 100;
  EXPECT_EQ(MinMax_int(5, &min, &max, 1), 5);
  EXPECT_EQ(min, 5);
  EXPECT_EQ(max, 5);
}

TEST(MinMax, NegativeMinimumIsReturnedThenClamped) {
  int min = 2, max = 9;
  EXPECT_EQ(MinMax_int(-3, &min, &max, 0), -3);
  EXPECT_EQ(min, 0);
  EXPECT_EQ(max, 9);
  double dmin = 1.5, dmax = 2.0;
  MinMax_double(-1.0, &dmin, &dmax, 0);
  EXPECT_EQ(dmin, 0.0);
}

TEST(Avg, ZeroCountGivesZero) {
  EXPECT_EQ(Avg(7, 0), 0);
  EXPECT_EQ(Avg(7, 2), 3.5);
  EXPECT_EQ(AvgD(1.0, 0.0), 0);
  EXPECT_EQ(AvgD(1.0, 4.0), 0.25);
}

TEST(Totals, AddTotalThenSetTotalCarriesEveryCounter) {
  CapturedRun c;
  Globals& G = c.G;
  G.metrics.loc = 3;
  G.metrics.virtual_count = 2;
  G.metrics.do_count = 1;
  G.metrics.notice_count = 4;
  AddTotal(G);
  AddTotal(G);
  ResetState(G);
  EXPECT_EQ(G.metrics.loc, 0);
  G.c_source_count = 2;
  G.java_file_count = 1;
  SetTotal(G);
  EXPECT_EQ(G.metrics.loc, 6);
  EXPECT_EQ(G.metrics.virtual_count, 4);
  EXPECT_EQ(G.metrics.do_count, 2);
  EXPECT_EQ(G.metrics.notice_count, 8);
  EXPECT_EQ(G.total_files, 3);
}

TEST(Totals, ProjectCountersSaturateInsteadOfOverflowing) {
  CapturedRun c;
  c.G.totals.characters = INT32_MAX - 1;
  c.G.metrics.characters = 10;
  AddTotal(c.G);
  EXPECT_EQ(c.G.totals.characters, INT32_MAX);
}

TEST(ResetState, ClearsLexicalStateButKeepsOptionsAndFileFacts) {
  CapturedRun c;
  Globals& G = c.G;
  G.notice_flag = 1;
  G.file_size = 42;
  G.parse.in_c_comment = 1;
  G.parse.in_string = 1;
  G.parse.local_brace = 3;
  G.parse.func_name = "f";
  G.parse.first_line = 0;
  ResetState(G);
  EXPECT_EQ(G.parse.in_c_comment, 0);
  EXPECT_EQ(G.parse.in_string, 0);
  EXPECT_EQ(G.parse.local_brace, 0);
  EXPECT_EQ(G.parse.func_name, "");
  EXPECT_EQ(G.parse.first_line, 1);
  EXPECT_EQ(G.notice_flag, 1);
  EXPECT_EQ(G.file_size, 42);
}

TEST(InitGlobals, NoticeDefaults) {
  CapturedRun c;
  EXPECT_EQ(c.G.notice_enabled[1], 1);
  EXPECT_EQ(c.G.notice_enabled[44], 1);
  EXPECT_EQ(c.G.notice_enabled[21], 0);
  EXPECT_EQ(c.G.max_line_length, 80);
  EXPECT_EQ(c.G.tab_width, 2);
}

struct TypeCase {
  const char* path;
  int c_file, cpp_file, java_file;
  int c_src, cpp_src, c_hdr, cpp_hdr, java, other;
};

void ExpectTyped(const TypeCase& t, int case_sensitive, int h_cpp) {
  CapturedRun c;
  c.G.case_sensitive_names = case_sensitive;
  c.G.h_files_cpp = h_cpp;
  WhichFile(t.path, c.G);
  SCOPED_TRACE(t.path);
  EXPECT_EQ(c.G.parse.c_file, t.c_file);
  EXPECT_EQ(c.G.parse.cpp_file, t.cpp_file);
  EXPECT_EQ(c.G.parse.java_file, t.java_file);
  EXPECT_EQ(c.G.c_source_count, t.c_src);
  EXPECT_EQ(c.G.cpp_source_count, t.cpp_src);
  EXPECT_EQ(c.G.c_header_count, t.c_hdr);
  EXPECT_EQ(c.G.cpp_header_count, t.cpp_hdr);
  EXPECT_EQ(c.G.java_file_count, t.java);
  EXPECT_EQ(c.G.other_file_count, t.other);
}

TEST(WhichFile, CaseBlindNames) {
  const TypeCase cases[] = {
      {"a.c", 1, 0, 0, 1, 0, 0, 0, 0, 0},
      {"a.C", 1, 0, 0, 1, 0, 0, 0, 0, 0},
      {"a.cc", 0, 1, 0, 0, 1, 0, 0, 0, 0},
      {"a.cpp", 0, 1, 0, 0, 1, 0, 0, 0, 0},
      {"a.CXX", 0, 1, 0, 0, 1, 0, 0, 0, 0},
      {"a.h", 1, 0, 0, 0, 0, 1, 0, 0, 0},
      {"a.hh", 0, 1, 0, 0, 0, 0, 1, 0, 0},
      {"a.hpp", 0, 1, 0, 0, 0, 0, 1, 0, 0},
      {"A.JAVA", 0, 0, 1, 0, 0, 0, 0, 1, 0},
      {"a.jav", 0, 0, 1, 0, 0, 0, 0, 1, 0},
      {"a.txt", 0, 0, 0, 0, 0, 0, 0, 0, 1},
      {"a.json", 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {"noext", 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {"dir.d/file.", 0, 0, 0, 0, 0, 0, 0, 0, 1},
  };
  for (const TypeCase& t : cases) ExpectTyped(t, 0, 0);
}

TEST(WhichFile, CaseSensitiveNames) {
  const TypeCase cases[] = {
      {"a.C", 0, 1, 0, 0, 1, 0, 0, 0, 0},
      {"a.c", 1, 0, 0, 1, 0, 0, 0, 0, 0},
      {"a.H", 0, 1, 0, 0, 0, 1, 0, 0, 0},
      {"a.Hxx", 0, 1, 0, 0, 0, 0, 1, 0, 0},
      {"a.JAVA", 0, 0, 0, 0, 0, 0, 0, 0, 1},
      {"a.java", 0, 0, 1, 0, 0, 0, 0, 1, 0},
  };
  for (const TypeCase& t : cases) ExpectTyped(t, 1, 0);
}

TEST(WhichFile, HeadersAsCppStillCountAsCHeaders) {
  ExpectTyped({"a.h", 0, 1, 0, 0, 0, 1, 0, 0, 0}, 0, 1);
  ExpectTyped({"a.h", 0, 1, 0, 0, 0, 1, 0, 0, 0}, 1, 1);
}

// A temporary file holding `bytes`, read from its start.
FILE* FileOf(const std::string& bytes) {
  FILE* f = tmpfile();
  fwrite(bytes.data(), 1, bytes.size(), f);
  rewind(f);
  return f;
}

// Reads `bytes` through a LineReader and returns the analysed pieces the way
// the driver takes them.
std::vector<std::string> Pieces(const std::string& bytes) {
  FILE* f = FileOf(bytes);
  LineReader reader(f);
  std::vector<std::string> out;
  std::string line;
  while (reader.NextLine(line)) out.push_back(line);
  fclose(f);
  return out;
}

TEST(LineIntake, LinesEndAfterTheirLineFeed) {
  EXPECT_EQ(Pieces("a\nb\n"), (std::vector<std::string>{"a\n", "b\n"}));
  EXPECT_EQ(Pieces(""), std::vector<std::string>{});
}

TEST(LineIntake, LastLineWithoutLineEndIsKeptUnlessItStartsWithControl) {
  EXPECT_EQ(Pieces("a\nlast"), (std::vector<std::string>{"a\n", "last"}));
  EXPECT_EQ(Pieces("a\n\tlast"), std::vector<std::string>{"a\n"});
  EXPECT_EQ(Pieces("a\n\xe9t"), std::vector<std::string>{"a\n"});
  EXPECT_EQ(Pieces("a\n last"), (std::vector<std::string>{"a\n", " last"}));
}

TEST(LineIntake, LongLinesArriveInPiecesOf4094) {
  const std::string line(5000, 'x');
  std::vector<std::string> pieces = Pieces(line + "\n");
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0], std::string(4094, 'x'));
  EXPECT_EQ(pieces[1], std::string(906, 'x') + "\n");
  // A line of exactly 4094 characters leaves its line feed as a piece.
  pieces = Pieces(std::string(4094, 'y') + "\nz\n");
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[1], "\n");
}

TEST(LineIntake, CarriageReturnOnlyFileIsOneLongLine) {
  std::string bytes;
  for (int k = 0; k < 3000; ++k) bytes += "ab\r";
  std::vector<std::string> pieces = Pieces(bytes);
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0].size(), 4094u);
  EXPECT_EQ(pieces[2].size(), 9000u - 2 * 4094u);
}

// The pieces NextView gives, each checked for the terminator after it.
std::vector<std::string> Views(const std::string& bytes) {
  FILE* f = FileOf(bytes);
  LineReader reader(f);
  std::vector<std::string> out;
  std::string_view line;
  while (reader.NextView(line)) {
    EXPECT_EQ(line.data()[line.size()], '\0');
    out.emplace_back(line);
  }
  fclose(f);
  return out;
}

// What the driver analyses of a NextLine piece: its C string.
std::vector<std::string> CStrings(const std::string& bytes) {
  std::vector<std::string> out;
  for (const std::string& piece : Pieces(bytes)) out.emplace_back(piece.c_str());
  return out;
}

// Texts whose pieces are worth checking: line ends at every kind of
// boundary, NUL bytes, long and unterminated lines.
std::vector<std::string> PieceCases() {
  using namespace std::string_view_literals;
  std::string many;
  for (int k = 0; k < 20000; ++k) many += std::string(k % 97, 'a' + k % 26) + "\n";
  return {
      "",
      "a\nb\n",
      "a\nlast",
      "a\n\tlast",
      "a\n\xe9t",
      std::string("x\n\0starts with NUL\n"sv),
      std::string("ab\0cd\nef\0\n\0"sv),
      std::string(5000, 'x') + "\n" + std::string(4094, 'y') + "\nz\n",
      std::string(3000, 'q') + "\r\n" + std::string(8000, 'r'),
      many,  // lines across many refills of the buffer
      many + "tail",
  };
}

TEST(LineIntake, ViewsGiveTheCStringsOfThePieces) {
  for (const std::string& bytes : PieceCases()) {
    SCOPED_TRACE(bytes.substr(0, 20));
    EXPECT_EQ(Views(bytes), CStrings(bytes));
  }
}

// A file read whole into memory is analysed from there: its pieces are
// the stream's, and the text reads as before once the reader is done.
TEST(LineIntake, TextHeldInMemoryGivesTheStreamsViews) {
  for (const std::string& bytes : PieceCases()) {
    SCOPED_TRACE(bytes.substr(0, 20));
    std::string room = bytes + std::string(LineReader::kPad, '#');
    std::vector<std::string> views;
    {
      LineReader reader(room.data(), bytes.size());
      std::string_view line;
      while (reader.NextView(line)) {
        EXPECT_EQ(line.data()[line.size()], '\0');
        views.emplace_back(line);
      }
    }
    EXPECT_EQ(views, Views(bytes));
    EXPECT_EQ(room.substr(0, bytes.size()), bytes);
  }
}

}  // namespace
