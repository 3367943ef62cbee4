// Locating the program's files from its name, KLVHOME and PATH.
#include "driver/environment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "test_support.h"

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
  CapturedRun a;
  LoadProgPath("/opt/tools/klv", a.G);
  EXPECT_EQ(a.G.program_dir, "/opt/tools/");
  EXPECT_EQ(a.G.klv_home, "/opt/tools/");
  CapturedRun b;
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
  CapturedRun c;
  c.G.klv_home = dir.path() + "/";
  c.G.program_dir = "/nonexistent-dir/";
  EXPECT_EQ(GetProgFile("klv_macro.cfg", c.G), dir.path() + "/klv_macro.cfg");
  CapturedRun nowhere;
  nowhere.G.program_dir = "/nonexistent-dir/";
  nowhere.G.klv_home = "/nonexistent-home/";
  EXPECT_EQ(GetProgFile("klv.cfg", nowhere.G), "/nonexistent-dir/klv.cfg");
}

}  // namespace

#include "recognise/macros.h"

namespace {

TEST(MacroFile, CreatedWithDefaultsThenReadOnTheNextRun) {
  char templ[] = "/tmp/klv-macro-XXXXXX";
  const std::string dir = mkdtemp(templ);
  const std::string path = dir + "/klv_macro.cfg";
  CapturedRun first;
  first.G.macro_file_path = path;
  LoadMacros(first.G);
  EXPECT_TRUE(first.G.macro_list.empty());
  CapturedRun second;
  second.G.macro_file_path = path;
  LoadMacros(second.G);
  ASSERT_EQ(second.G.macro_list.size(), 4u);
  EXPECT_EQ(second.G.macro_list.Name(0), "__declspec");
  EXPECT_EQ(second.G.macro_list.Name(3), "afx_msg");
  EXPECT_EQ(second.G.macro_list.Value(3), 1);
  std::remove(path.c_str());
  rmdir(dir.c_str());
}

TEST(MacroFile, BlankLedAndEmptyLinesAreSkipped) {
  char templ[] = "/tmp/klv-macro-XXXXXX";
  const std::string dir = mkdtemp(templ);
  const std::string path = dir + "/klv_macro.cfg";
  FILE* f = fopen(path.c_str(), "w");
  fputs("ONE  \t\n\n two\nTHREE\r\n", f);
  fclose(f);
  CapturedRun c;
  c.G.macro_file_path = path;
  LoadMacros(c.G);
  ASSERT_EQ(c.G.macro_list.size(), 2u);
  EXPECT_EQ(c.G.macro_list.Name(0), "ONE");
  EXPECT_EQ(c.G.macro_list.Name(1), "THREE");
  std::remove(path.c_str());
  rmdir(dir.c_str());
}

// An installed program cannot create its files beside itself: the run goes
// on with the defaults and says once where the files can go.
TEST(DefaultsNote, NamesTheMissingFilesOnceAndKlvhome) {
  ScratchDir dir;  // holds klv.cfg only
  CapturedRun c;
  c.G.config_file_path = dir.path() + "/klv.cfg";
  c.G.macro_file_path = dir.path() + "/klv_macro.cfg";
  FILE* to = tmpfile();
  ASSERT_TRUE(NoteDefaultsInUse(c.G, to));
  c.G.macro_file_path = c.G.config_file_path;
  EXPECT_FALSE(NoteDefaultsInUse(c.G, to));  // both readable: nothing said
  c.G.config_file_path = "/nonexistent/klv.cfg";
  c.G.macro_file_path = "/nonexistent/klv_macro.cfg";
  ASSERT_TRUE(NoteDefaultsInUse(c.G, to));
  rewind(to);
  std::string text(4096, '\0');
  text.resize(fread(text.data(), 1, text.size(), to));
  fclose(to);
  EXPECT_EQ(text.find("\n  Note: Cannot create " + dir.path() +
                      "/klv_macro.cfg;\n        klv runs with its built-in "
                      "defaults."),
            0u);
  EXPECT_NE(text.find("Note: Cannot create /nonexistent/klv.cfg and "
                      "/nonexistent/klv_macro.cfg;\n"),
            std::string::npos);
  EXPECT_NE(text.find("export KLVHOME=~/.klv"), std::string::npos);
  EXPECT_TRUE(c.Output().empty());  // never on the report
}

}  // namespace
