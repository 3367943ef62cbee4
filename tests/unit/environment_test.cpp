// Locating the program's files from its name, KLVHOME and PATH.
#include "driver/environment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "capture.h"

namespace {

// A scratch directory holding an empty klv.cfg, removed afterwards.
class ScratchDir {
 public:
  ScratchDir() {
    char templ[] = "/tmp/klv-env-XXXXXX";
    path_ = mkdtemp(templ);
    FILE* f = fopen((path_ + "/klv.cfg").c_str(), "w");
    if (f != nullptr) fclose(f);
  }
  ~ScratchDir() {
    std::remove((path_ + "/klv.cfg").c_str());
    rmdir(path_.c_str());
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

TEST(ProgramLocation, DirectoryComesFromTheProgramName) {
  Captured a;
  LoadProgPath("/opt/tools/klv", a.G);
  EXPECT_EQ(a.G.program_dir, "/opt/tools/");
  EXPECT_EQ(a.G.klv_home, "/opt/tools/");
  Captured b;
  LoadProgPath("klv", b.G);
  EXPECT_EQ(b.G.program_dir, "");
}

TEST(ProgramLocation, CandidateIsBesideTheProgram) {
  ScratchDir dir;
  EXPECT_EQ(IsInPathLocation(dir.path() + "/", "klv.cfg"),
            dir.path() + "/klv.cfg");
  EXPECT_EQ(IsInPathLocation(dir.path() + "/", "absent.cfg"), "");
}

TEST(ProgramLocation, SearchPathIsSplitAtBlanksAndSeparators) {
  ScratchDir dir;
  const std::string list = "/nonexistent-a:/nonexistent-b " + dir.path() + ";/x";
  EXPECT_EQ(IsInSystemPath(list, "klv.cfg"), dir.path() + "/klv.cfg");
  EXPECT_EQ(IsInSystemPath("/nonexistent-a", "klv.cfg"), "");
}

TEST(ProgramLocation, FilesLandInTheLocatedDirectory) {
  ScratchDir dir;
  Captured c;
  c.G.klv_home = dir.path() + "/";
  c.G.program_dir = "/nonexistent-dir/";
  EXPECT_EQ(GetProgFile("klv_macro.cfg", c.G), dir.path() + "/klv_macro.cfg");
  Captured nowhere;
  nowhere.G.program_dir = "/nonexistent-dir/";
  nowhere.G.klv_home = "/nonexistent-home/";
  EXPECT_EQ(GetProgFile("klv.cfg", nowhere.G), "/nonexistent-dir/klv.cfg");
}

}  // namespace
