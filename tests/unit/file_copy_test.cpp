// Copying a file over another: the copy, and that a failure never leaves
// the destination half written.
#include "work/file_copy.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "output_capture.h"
#include "scratch_dir.h"

namespace {

class FileCopyTest : public ::testing::Test {
 protected:
  void SetUp() override { Init_Globals(G); }

  int64_t Copy(const std::string& dest, const std::string& src) {
    OutputCapture capture(G);
    const int64_t n = FileCopy(dest.c_str(), src.c_str(), G);
    output = capture.Take();
    return n;
  }

  Globals G;
  ScratchDir dir;
  std::string output;
};

TEST_F(FileCopyTest, CopiesOverAnExistingFileAndKeepsItsPermissions) {
  const std::string big(10000, 'x');  // more than one block
  dir.Write("new", big + "end\n");
  dir.Write("old", "previous\n");
  chmod(dir.Path("old").c_str(), 0640);
  EXPECT_EQ(Copy(dir.Path("old"), dir.Path("new")), 10004);
  EXPECT_EQ(output, "");
  EXPECT_EQ(dir.Read("old"), big + "end\n");
  struct stat st {};
  ASSERT_EQ(stat(dir.Path("old").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"new", "old"}));
}

TEST_F(FileCopyTest, CopyingAFileOverItselfKeepsItsContent) {
  dir.Write("same", "content\n");
  EXPECT_EQ(Copy(dir.Path("same"), dir.Path("same")), 8);
  EXPECT_EQ(dir.Read("same"), "content\n");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"same"});
}

TEST_F(FileCopyTest, ALinkedDestinationReplacesTheFileTheLinkNames) {
  dir.Write("target", "old");
  dir.Write("src", "new");
  ASSERT_EQ(symlink(dir.Path("target").c_str(), dir.Path("link").c_str()), 0);
  EXPECT_EQ(Copy(dir.Path("link"), dir.Path("src")), 3);
  struct stat st {};
  ASSERT_EQ(lstat(dir.Path("link").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(dir.Read("target"), "new");
}

TEST_F(FileCopyTest, AMissingSourceLeavesTheDestinationAlone) {
  dir.Write("dest", "keep");
  EXPECT_EQ(Copy(dir.Path("dest"), dir.Path("absent")), -1);
  EXPECT_EQ(output, "\n  Error: Failed to open the file " + dir.Path("absent") +
                        "\n  No such file or directory");
  EXPECT_EQ(dir.Read("dest"), "keep");
}

TEST_F(FileCopyTest, ADestinationThatCannotBeCreatedIsReported) {
  dir.Write("src", "abc");
  const std::string dest = dir.Path("no/such/dir/dest");
  EXPECT_EQ(Copy(dest, dir.Path("src")), -1);
  EXPECT_EQ(output, "\n  Error: Failed to create/open the file " + dest +
                        "\n         No such file or directory\n");
}

TEST_F(FileCopyTest, ADirectoryIsNeitherCopiedNorReplaced) {
  dir.Write("src", "abc");
  ASSERT_EQ(mkdir(dir.Path("d").c_str(), 0755), 0);
  EXPECT_EQ(Copy(dir.Path("d"), dir.Path("src")), -1);
  EXPECT_EQ(output, "\n  Error: Failed to create/open the file " +
                        dir.Path("d") + "\n         Is a directory\n");
  EXPECT_EQ(Copy(dir.Path("x"), dir.Path("d")), -1);
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"d", "src"}));
}

}  // namespace
