// Writing work files: the dated and standing names, the names the lines
// record, the line format and the head, and completing the file.
#include "work/work_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "lists/node_data.h"
#include "output_capture.h"
#include "scratch_dir.h"
#include "work/load_work.h"
#include "work/work_names.h"

namespace {

class WorkFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);  // 2023-11-14 22:13:20
    Init_Globals(G);
  }

  // The text of one work line.
  static std::string Line(const std::string& name, int64_t mtime,
                          int64_t size) {
    char* text = nullptr;
    size_t length = 0;
    FILE* f = open_memstream(&text, &length);
    WorkLine(f, name, mtime, size, 6, 4, 2, 3, 1, 5, 12);
    fclose(f);
    std::string line(text, length);
    free(text);
    return line;
  }

  Globals G;
  ScratchDir dir;
};

TEST_F(WorkFileTest, DatedNamesCarryMonthDayCenturyAndYear) {
  EXPECT_EQ(DatedWorkFileName(974851200), "kv112220.00");   // 2000-11-22
  EXPECT_EQ(DatedWorkFileName(1796515200), "kv120620.26");  // 2026-12-06
  EXPECT_EQ(DatedWorkFileName(978652800), "kv010520.01");   // 2001-01-05
  EXPECT_EQ(DatedWorkFileName(4102444800), "kv010121.00");  // 2100-01-01
}

TEST_F(WorkFileTest, OnlyAPathStartingWithALetterDigitDotOrSlashIsUsed) {
  EXPECT_EQ(StandingWorkFileName(G), "workfile.dat");
  G.work_file_path = "/var/work/";
  EXPECT_EQ(StandingWorkFileName(G), "/var/work/workfile.dat");
  G.work_file_path = "work";
  EXPECT_EQ(InWorkPath("kv111420.23", G), "work/kv111420.23");
  G.work_file_path = "~/work";
  EXPECT_EQ(InWorkPath("x", G), "x");
  G.work_file_path = " work";
  EXPECT_EQ(InWorkPath("x", G), "x");
}

TEST_F(WorkFileTest, NamesInsideTheStartDirectoryBecomeRelative) {
  G.current_dir = "/home/p";
  EXPECT_EQ(WorkLineName("/home/p/src/a.c", G), "src/a.c");
  EXPECT_EQ(WorkLineName("/home/p\\b.c", G), "b.c");
  EXPECT_EQ(WorkLineName("../x/b.c", G), "../x/b.c");
  // Another directory that merely starts with the same letters.
  EXPECT_EQ(WorkLineName("/home/pq/a.c", G), "/home/pq/a.c");
  // The start directory's name somewhere later in the path.
  EXPECT_EQ(WorkLineName("/x/home/p/a.c", G), "/x/home/p/a.c");
  G.relative_work_files = 0;
  EXPECT_EQ(WorkLineName("/home/p/src/a.c", G), "/home/p/src/a.c");
  G.relative_work_files = 1;
  G.current_dir = "/";
  EXPECT_EQ(WorkLineName("/usr/a.c", G), "usr/a.c");
}

TEST_F(WorkFileTest, ALineReadsBackWithBlanksInItsNameAndLateTimes) {
  // 2106-02-07, past what 32 bits hold; a 3 GB file.
  const std::string line = Line("my dir/a file.c", 4294967296, 3000000000);
  NodeData r;
  ASSERT_TRUE(ParseWorkLine(line, r));
  EXPECT_EQ(r.name, "my dir/a file.c");
  EXPECT_EQ(r.date, 4294967296);
  EXPECT_EQ(r.params, 2147483647);  // the size slot holds 32 bits
  EXPECT_EQ(r.loc, 6);
  EXPECT_EQ(r.eloc, 4);
  EXPECT_EQ(r.lloc, 2);
  EXPECT_EQ(r.cyclo, 3);
  EXPECT_EQ(r.comments, 1);
  EXPECT_EQ(r.blanks, 5);
  EXPECT_EQ(r.lines, 12);
}

TEST_F(WorkFileTest, CreatingDatesTheDefaultNameAndWritesTheHead) {
  G.work_file_name = "workfile.dat";
  G.work_file_path = dir.Path("");
  OutputCapture capture(G);
  FilePtr f = CreateWorkFile(G);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(G.work_file_name, dir.Path("kv111420.23"));
  EXPECT_EQ(capture.Take(),
            "\n  Creating a Work Analysis File: " + dir.Path("kv111420.23") +
                "\n");
  f.reset();
  EXPECT_EQ(dir.Read("kv111420.23"),
            "Tarvelon Work File\nDO NOT EDIT - This is a Generated File\n"
            "6.01\n1700000000\n");
}

TEST_F(WorkFileTest, AGivenNameIsNeitherDatedNorMoved) {
  G.work_file_name = dir.Path("mine.dat");
  G.work_file_path = "/elsewhere";
  G.html_flag = 1;
  OutputCapture capture(G);
  FilePtr f = CreateWorkFile(G);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(G.work_file_name, dir.Path("mine.dat"));
  EXPECT_EQ(capture.Take(), "\n  <B>Creating a Work Analysis File:</B> " +
                                dir.Path("mine.dat") + "\n");
}

TEST_F(WorkFileTest, AFileThatCannotBeCreatedIsReported) {
  G.work_file_name = dir.Path("none/mine.dat");
  OutputCapture capture(G);
  EXPECT_EQ(CreateWorkFile(G), nullptr);
  EXPECT_EQ(capture.Take(), "\n  Create File Error: " +
                                dir.Path("none/mine.dat") +
                                " - No such file or directory\n");
}

TEST_F(WorkFileTest, CompletingCopiesTheFileOverTheStandingOne) {
  G.work_flag = 1;
  G.csv_mode = 1;
  G.work_file_name = dir.Path("mine.dat");
  G.work_file_path = dir.Path("");
  OutputCapture capture(G);
  G.work_file = CreateWorkFile(G);
  G.file_mtime = 1577934245;
  G.file_size = 99;
  G.metrics.loc = 6;
  WriteWorkLine("a.c", G);
  FinishWorkFile(G);
  EXPECT_EQ(G.work_file, nullptr);
  const std::string standing = dir.Path("workfile.dat");
  EXPECT_EQ(capture.Take(), "Completed Work Analysis File: " +
                                dir.Path("mine.dat") + "\n\nCopied " +
                                dir.Path("mine.dat") + " to " + standing +
                                " for last work differentials\n\n");
  EXPECT_EQ(dir.Read("workfile.dat"), dir.Read("mine.dat"));
  EXPECT_NE(dir.Read("workfile.dat").find("\na.c 1577934245 99 6 6 0 0 0 0 0\n"),
            std::string::npos);
}

}  // namespace
