// Reading work files back: the line format, the head, the version warning,
// and that damaged or truncated files are refused with a clear message.
#include "work/load_work.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output_capture.h"
#include "scratch_dir.h"

namespace {

const char kHead[] =
    "Tarvelon Work File\nDO NOT EDIT - This is a Generated File\n6.01\n"
    "1700000000\n";

TEST(ParseWorkLine, TakesTheNameAndTheNineNumbersInFileOrder) {
  NodeData r;
  ASSERT_TRUE(ParseWorkLine("src/a.c 1577934245 99 6 4 1 1 8 2 3\n", r));
  EXPECT_EQ(r.name, "src/a.c");
  EXPECT_EQ(r.date, 1577934245);
  EXPECT_EQ(r.params, 99);
  EXPECT_EQ(r.loc, 6);
  EXPECT_EQ(r.eloc, 4);
  EXPECT_EQ(r.comments, 1);
  EXPECT_EQ(r.blanks, 1);
  EXPECT_EQ(r.lines, 8);
  EXPECT_EQ(r.lloc, 2);
  EXPECT_EQ(r.cyclo, 3);
}

TEST(ParseWorkLine, AcceptsLineEndsNamesWithoutExtensionAndNegativeCounts) {
  NodeData r;
  ASSERT_TRUE(ParseWorkLine("Makefile -86400 2 3 4 5 6 7 -8 9\r\n", r));
  EXPECT_EQ(r.name, "Makefile");
  EXPECT_EQ(r.date, -86400);
  EXPECT_EQ(r.lloc, -8);  // a Java file of enhanced for loops only
}

TEST(ParseWorkLine, RefusesLinesThatAreNotWorkLines) {
  const std::vector<std::string> bad = {
      "",
      "a.c",
      "a.c 1577934245 99 6 4",          // cut short
      "1 2 3 4 5 6 7 8 9",              // no name
      "a.c 1 2 3 4 5 6 7 8 x",          // not a number
      "a.c 1 2 3 4 5 6 7 8 9x",
      "a.c 1 2 3 4 5 6 7 8 +9",
      "a.c 1 2 3 4 5 6 7 8 1.5",
      "a.c 1 2 2147483648 4 5 6 7 8 9",  // count beyond 32 bits
      "a.c 99999999999999999999 2 3 4 5 6 7 8 9",
  };
  for (const std::string& line : bad) {
    NodeData r;
    EXPECT_FALSE(ParseWorkLine(line, r)) << line;
  }
}

class LoadWorkFileTest : public ::testing::Test {
 protected:
  void SetUp() override { Init_Globals(G); }

  // Loads `text` written as the file "w.dat"; the output goes to `output`.
  int Load(const std::string& text) {
    dir.Write("w.dat", text);
    return LoadPath(dir.Path("w.dat"));
  }
  int LoadPath(const std::string& path) {
    OutputCapture capture(G);
    time = 0;
    LlistDestroy(list);
    const int ok = LoadWorkFile(path.c_str(), time, list, G, G);
    output = capture.Take();
    return ok;
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const NodeData& r : list) names.push_back(r.name);
    return names;
  }
  std::string Refusal(const std::string& why) {
    return "  Error: Loading Workfile: " + dir.Path("w.dat") + "\n         " +
           why + "\n";
  }

  Globals G;
  ScratchDir dir;
  Llist<NodeData> list;
  int64_t time = 0;
  std::string output;
};

TEST_F(LoadWorkFileTest, ReadsTheTimeAndKeepsTheFilesInNameOrder) {
  ASSERT_EQ(Load(std::string(kHead) +
                 "z.c 1 2 3 4 5 6 7 8 9\n"
                 "\n"
                 "B.c 1 2 3 4 5 6 7 8 9\n"
                 "a.c 1 2 3 4 5 6 7 8 9"),
            1);
  EXPECT_EQ(output, "");
  EXPECT_EQ(time, 1700000000);
  EXPECT_EQ(Names(), (std::vector<std::string>{"B.c", "a.c", "z.c"}));
}

TEST_F(LoadWorkFileTest, WarnsOnlyAboutAnotherMajorVersion) {
  ASSERT_EQ(Load("T\nD\n6.00\n5\n"), 1);
  EXPECT_EQ(output, "");
  EXPECT_EQ(time, 5);
  ASSERT_EQ(Load("T\nD\n5.1\n5\na.c 1 2 3 4 5 6 7 8 9\n"), 1);
  EXPECT_EQ(output,
            "\n  WARNING: Work file version does not match the current version\n"
            "           of KLV .  Reprocess the historical work file with the\n"
            "           newer version of KLV\n"
            "           Work File: " + dir.Path("w.dat") + "\n"
            "             Version: 5.10 \n"
            "             Program: KLV\n"
            "             Version: 6.01\n\n");
  EXPECT_EQ(list.count(), 1);
}

TEST_F(LoadWorkFileTest, AMissingFileSaysHowToCreateOne) {
  EXPECT_EQ(LoadPath(dir.Path("none.dat")), 0);
  EXPECT_EQ(output, "  Error: Loading Workfile: " + dir.Path("none.dat") +
                        "\n         Use the -wc option to create a base "
                        "workfile\n         No such file or directory\n");
  EXPECT_EQ(LoadPath(dir.Path("")), 0);
  EXPECT_EQ(output, "  Error: Loading Workfile: " + dir.Path("") +
                        "\n         Is a directory\n");
}

TEST_F(LoadWorkFileTest, RefusesAnIncompleteHeadOrAMissingTime) {
  EXPECT_EQ(Load(""), 0);
  EXPECT_EQ(output, Refusal("The work file head is incomplete: the file is "
                            "damaged or not a work file"));
  EXPECT_EQ(Load("Tarvelon Work File\nDO NOT EDIT"), 0);
  EXPECT_EQ(output, Refusal("The work file head is incomplete: the file is "
                            "damaged or not a work file"));
  EXPECT_EQ(Load("T\nD\n6.01\nyesterday\n"), 0);
  EXPECT_EQ(output,
            Refusal("Line 4 does not hold the creation time: the file is "
                    "damaged or not a work file"));
  // A source file given by mistake: a version warning, then the refusal.
  EXPECT_EQ(Load("int main(void)\n{\n  return 0;\n}\n"), 0);
  EXPECT_NE(output.find("             Version: 0.00 \n"), std::string::npos);
  EXPECT_NE(output.find("Line 4 does not hold"), std::string::npos);
}

TEST_F(LoadWorkFileTest, RefusesADamagedOrTruncatedFileLineByNumber) {
  EXPECT_EQ(Load(std::string(kHead) + "a.c 1 2 3 4 5 6 7 8 9\n" +
                 "b.c 1577934245 99 6"),
            0);
  EXPECT_EQ(output,
            Refusal("Line 6 is not a work file line: the file is damaged"));
  EXPECT_EQ(Load(std::string(kHead) + std::string(100000, 'a') + ".c 1 2 3 4 "
                 "5 6 7 8 9\n"),
            0);
  EXPECT_EQ(output,
            Refusal("Line 5 is not a work file line: the file is damaged"));
}

TEST_F(LoadWorkFileTest, PaddingAfterTheLastLineEndsTheFile) {
  ASSERT_EQ(Load(std::string(kHead) + "a.c 1 2 3 4 5 6 7 8 9\n" +
                 std::string(20, '\0')),
            1);
  EXPECT_EQ(output, "");
  EXPECT_EQ(Names(), std::vector<std::string>{"a.c"});
}

}  // namespace
