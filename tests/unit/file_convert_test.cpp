// The -D conversion: exact converted bytes, and no source text lost when
// anything fails.
#include "analysis/file_convert.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "work/file_copy.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// A scratch directory that an unprivileged child may use too.
class ScratchDir {
 public:
  ScratchDir() {
    char name[] = "/tmp/klv-convert-XXXXXX";
    path_ = mkdtemp(name);
    if (geteuid() == 0) {
      EXPECT_EQ(chown(path_.c_str(), kNobody, kNobody), 0);
    }
  }
  ~ScratchDir() {
    chmod(path_.c_str(), 0700);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  std::string File(const char* name) const { return path_ + "/" + name; }
  // Creates a file the unprivileged child owns.
  std::string Make(const char* name, const std::string& bytes) const {
    const std::string path = File(name);
    WriteFile(path, bytes);
    if (geteuid() == 0) {
      EXPECT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
    }
    return path;
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

struct ChildResult {
  int status = -1;     // DeFile's result, or -1 when the child failed
  std::string output;  // what it wrote on the report stream
};

// Runs `body` in a child process that cannot ignore file permissions (it
// gives up root's rights when it has them), passing back the report text.
ChildResult RunUnprivileged(const std::function<int(CapturedRun&)>& body) {
  int pipe_fd[2];
  EXPECT_EQ(pipe(pipe_fd), 0);
  fflush(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    close(pipe_fd[0]);
    if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
      _exit(99);
    }
    CapturedRun run;
    const int result = body(run);
    const std::string text = run.Output();
    if (write(pipe_fd[1], text.data(), text.size()) !=
        static_cast<ssize_t>(text.size())) {
      _exit(98);
    }
    _exit(result);
  }
  close(pipe_fd[1]);
  ChildResult child;
  char block[4096];
  ssize_t n;
  while ((n = read(pipe_fd[0], block, sizeof block)) > 0) {
    child.output.append(block, static_cast<size_t>(n));
  }
  close(pipe_fd[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  child.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return child;
}

int Convert(const std::string& path, CapturedRun& run) {
  return DeFile(FilePtr(fopen(path.c_str(), "r+b")), path.c_str(), run.G);
}

struct RoundTrip {
  const char* name;
  int tabs, unix_ends, dos_ends;
  std::string input;
  std::string expected;
  const char* messages;  // the end of the report
};

TEST(DeFile, ConvertsEveryLineExactly) {
  const RoundTrip cases[] = {
      {"tabs", 1, 0, 0, "a\tb = \"x\ty\";\n\tint c;\n",
       "a  b = \"x\ty\";\n  int c;\n",
       "  Removing Tabs '\\t' from file\n"
       "  Complete - Lines = 2, Tabs Replaced = 2\n"},
      {"escaped quote", 1, 0, 0, "s = \"a\\\"\t\";\t//\n",
       "s = \"a\\\"\t\";  //\n", "  Complete - Lines = 1, Tabs Replaced = 1\n"},
      {"escaped backslash", 1, 0, 0, "s = \"a\\\\\";\tx\n",
       "s = \"a\\\\\";  x\n", "  Complete - Lines = 1, Tabs Replaced = 1\n"},
      {"string across lines", 1, 0, 0, "x = \"abc\n\tdef\";\t\n",
       "x = \"abc\n\tdef\";  \n",
       "  Complete - Lines = 2, Tabs Replaced = 1\n"},
      {"unix", 0, 1, 0, "a\r\nb\r\n\r\nc", "a\nb\n\nc",
       "  Removing Carriage Returns '\\r' from file\n"
       "  Complete - Lines = 4\n"},
      {"unix keeps a lone CR", 0, 1, 0, "a\rb\nc\r\n", "a\rb\nc\n",
       "  Complete - Lines = 2\n"},
      {"dos", 0, 0, 1, "a\nb\r\nc", "a\r\nb\r\nc",
       "  Adding Carriage Returns '\\r' to file\n  Complete - Lines = 3\n"},
      {"dos unchanged", 0, 0, 1, "a\r\nb\r\n", "a\r\nb\r\n",
       "  Complete - Lines = 2\n"},
      {"tabs and unix", 1, 1, 0, "\ta\r\n", "  a\n",
       "  Removing Tabs '\\t' from file\n"
       "  Removing Carriage Returns '\\r' from file\n"
       "  Complete - Lines = 1, Tabs Replaced = 1\n"},
      {"last line starting with a tab", 1, 0, 0, "x;\n\ty", "x;\n  y",
       "  Complete - Lines = 2, Tabs Replaced = 1\n"},
      {"control character first", 0, 0, 1, "x;\n\x01y", "x;\r\n\x01y",
       "  Complete - Lines = 2\n"},
      {"NUL inside a line", 1, 0, 0, std::string("a\0\tb\n", 5),
       std::string("a\0  b\n", 6),
       "  Complete - Lines = 1, Tabs Replaced = 1\n"},
      {"long line", 1, 0, 0, std::string(5000, 'x') + "\t\n",
       std::string(5000, 'x') + "  \n",
       "  Complete - Lines = 1, Tabs Replaced = 1\n"},
      {"empty file", 1, 0, 0, "", "",
       "  Complete - Lines = 0, Tabs Replaced = 0\n"},
  };
  for (const RoundTrip& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchDir dir;
    const std::string path = dir.Make("a.c", c.input);
    CapturedRun run;
    run.G.convert_tabs = c.tabs;
    run.G.convert_unix = c.unix_ends;
    run.G.convert_dos = c.dos_ends;
    EXPECT_EQ(Convert(path, run), 1);
    EXPECT_EQ(ReadFile(path), c.expected);
    EXPECT_FALSE(fs::exists(path + ".tmp"));
    const std::string output = run.Output();
    EXPECT_TRUE(EndsWith(output, c.messages)) << output;
    EXPECT_NE(output.find("  File: " + path + "\n"), std::string::npos);
  }
}

TEST(DeFile, ReplacesATabByTheConfiguredNumberOfBlanks) {
  ScratchDir dir;
  const std::string path = dir.Make("a.c", "\tx\t\ty\n");
  CapturedRun run;
  run.G.convert_tabs = 1;
  run.G.tab_width = 4;
  EXPECT_EQ(Convert(path, run), 1);
  EXPECT_EQ(ReadFile(path), "    x        y\n");
}

TEST(DeFile, RefusesToRemoveAndAddCarriageReturnsTogether) {
  ScratchDir dir;
  const std::string path = dir.Make("a.c", "a\r\n");
  CapturedRun run;
  run.G.convert_unix = run.G.convert_dos = 1;
  EXPECT_EQ(Convert(path, run), 0);
  EXPECT_TRUE(EndsWith(run.Output(),
                       "  Error: Cannot De-Dos and Make Dos at the same "
                       "time\n"));
  EXPECT_EQ(ReadFile(path), "a\r\n");
  EXPECT_FALSE(fs::exists(path + ".tmp"));
}

// No temporary file of any name is left beside the source.
void ExpectOnly(const ScratchDir& dir, std::vector<std::string> names) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    found.push_back(entry.path().filename().string());
  }
  std::sort(found.begin(), found.end());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(found, names);
}

TEST(DeFile, NamesAnOldTemporaryFileAndLeavesItAlone) {
  ScratchDir dir;
  const std::string path = dir.Make("a.c", "\tx\n");
  dir.Make("a.c.tmp", "converted text of an earlier run");
  CapturedRun run;
  run.G.convert_tabs = 1;
  EXPECT_EQ(Convert(path, run), 1);
  EXPECT_TRUE(Contains(run.Output(),
                       "  Note: " + path +
                           ".tmp is left from an interrupted or failed "
                           "conversion\n        of this file by an earlier "
                           "klv; it is not used and not\n        changed. "
                           "Compare it with the file, then remove it.\n"))
      << run.Output();
  EXPECT_EQ(ReadFile(path), "  x\n");
  EXPECT_EQ(ReadFile(path + ".tmp"), "converted text of an earlier run");
}

TEST(DeFile, LeavesTheSourceAloneInAReadOnlyDirectory) {
  ScratchDir dir;
  const std::string path = dir.Make("a.c", "\tx\n");
  ASSERT_EQ(chmod(dir.path().c_str(), 0555), 0);
  const ChildResult child = RunUnprivileged([&](CapturedRun& run) {
    run.G.convert_tabs = 1;
    return Convert(path, run);
  });
  EXPECT_EQ(child.status, 0);
  EXPECT_TRUE(EndsWith(child.output,
                       "\n  Error: Failure to update source file " + path +
                           "\n         No temporary file can be made beside "
                           "it: Permission denied\n"
                           "         The file is unchanged.\n\n"))
      << child.output;
  EXPECT_EQ(ReadFile(path), "\tx\n");
  ExpectOnly(dir, {"a.c"});
}

// The mode bits decide, for the superuser too, and a file with a second
// name is not split from it.
TEST(DeFile, RefusesReadOnlyAndHardLinkedFiles) {
  ScratchDir dir;
  const std::string path = dir.Make("a.c", "\tx\n");
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  CapturedRun run;
  run.G.convert_tabs = 1;
  EXPECT_EQ(Convert(path, run), 0);
  EXPECT_TRUE(EndsWith(run.Output(),
                       "\n  Error: Failure to update source file " + path +
                           "\n         It is read-only (mode 0444)\n"
                           "         The file is unchanged.\n\n"))
      << run.Output();
  EXPECT_EQ(ReadFile(path), "\tx\n");

  ASSERT_EQ(chmod(path.c_str(), 0644), 0);
  ASSERT_EQ(link(path.c_str(), dir.File("b.c").c_str()), 0);
  CapturedRun linked;
  linked.G.convert_tabs = 1;
  EXPECT_EQ(Convert(path, linked), 0);
  EXPECT_TRUE(Contains(linked.Output(),
                       "It has 2 names (hard links); a new file would leave "
                       "the others with the old text\n"));
  EXPECT_EQ(ReadFile(dir.File("b.c")), "\tx\n");
  ExpectOnly(dir, {"a.c", "b.c"});
}

TEST(DeFile, KeepsOwnerAndModeOrRefuses) {
  ScratchDir dir;
  const std::string path = dir.Make("a.c", "\tx\n");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  CapturedRun run;
  run.G.convert_tabs = 1;
  EXPECT_EQ(Convert(path, run), 1);
  struct stat st {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  if (geteuid() != 0) GTEST_SKIP() << "owner checks need root";
  EXPECT_EQ(st.st_uid, kNobody);

  // A file of another user in a directory anyone may write: an ordinary
  // user can make the new file but cannot give it that owner.
  ASSERT_EQ(chmod(dir.path().c_str(), 01777), 0);
  WriteFile(path, "\tx\n");
  ASSERT_EQ(chown(path.c_str(), 0, 0), 0);
  ASSERT_EQ(chmod(path.c_str(), 0666), 0);
  const ChildResult child = RunUnprivileged([&](CapturedRun& r) {
    r.G.convert_tabs = 1;
    return Convert(path, r);
  });
  EXPECT_EQ(child.status, 0);
  EXPECT_TRUE(Contains(child.output, "Its owner and group (0:0) cannot be "
                                     "kept: Operation not permitted\n"))
      << child.output;
  EXPECT_EQ(ReadFile(path), "\tx\n");
  ExpectOnly(dir, {"a.c"});
}

TEST(DeFile, LeavesTheSourceAloneWhenTheTemporaryFileCannotBeWritten) {
  ScratchDir dir;
  const std::string source = std::string(20000, '\t') + "\n";
  const std::string path = dir.Make("a.c", source);
  const ChildResult child = RunUnprivileged([&](CapturedRun& run) {
    // Files may grow to 30,000 bytes: the converted text needs 40,001.
    const rlimit limit{30000, 30000};
    signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 97;
    run.G.convert_tabs = 1;
    return Convert(path, run);
  });
  EXPECT_EQ(child.status, 0);
  EXPECT_TRUE(EndsWith(child.output,
                       "\n  Error: Failure to update source file " + path +
                           "\n         The converted text cannot be written: "
                           "File too large\n         The file is unchanged."
                           "\n\n"))
      << child.output;
  EXPECT_EQ(ReadFile(path), source);
  ExpectOnly(dir, {"a.c"});
}

TEST(DeFile, RewritesAFileThatVanishedAfterItWasOpened) {
  ScratchDir dir;
  const std::string path = dir.Make("a.c", "\tx\r\n");
  CapturedRun run;
  run.G.convert_tabs = run.G.convert_unix = 1;
  FilePtr in(fopen(path.c_str(), "r+b"));
  ASSERT_NE(in, nullptr);
  ASSERT_EQ(unlink(path.c_str()), 0);
  EXPECT_EQ(DeFile(std::move(in), path.c_str(), run.G), 1);
  EXPECT_EQ(ReadFile(path), "  x\n");
  EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST(FileCopy, CopiesEveryByteOverTheDestination) {
  ScratchDir dir;
  std::string bytes;
  for (int k = 0; k < 10000; ++k) bytes += static_cast<char>(k % 256);
  const std::string src = dir.Make("src", bytes);
  const std::string dest = dir.Make("dest", "old and longer than nothing");
  CapturedRun run;
  EXPECT_EQ(FileCopy(dest.c_str(), src.c_str(), run.G), 10000);
  EXPECT_EQ(ReadFile(dest), bytes);
  EXPECT_EQ(run.Output(), "");

  const std::string created = dir.File("created");
  EXPECT_EQ(FileCopy(created.c_str(), src.c_str(), run.G), 10000);
  struct stat st {};
  ASSERT_EQ(stat(created.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777 & ~0660u, 0u);
}

TEST(FileCopy, ReportsWhatItCannotOpen) {
  ScratchDir dir;
  const std::string missing = dir.File("missing");
  const std::string dest = dir.Make("dest", "kept");
  CapturedRun run;
  EXPECT_EQ(FileCopy(dest.c_str(), missing.c_str(), run.G), -1);
  EXPECT_EQ(run.Output(), "\n  Error: Failed to open the file " + missing +
                              "\n  No such file or directory");
  EXPECT_EQ(ReadFile(dest), "kept");

  CapturedRun nameless;
  EXPECT_EQ(FileCopy(nullptr, dest.c_str(), nameless.G), -1);
  EXPECT_EQ(nameless.Output(), "\n  Error: Invalid file pointer\n");
}

TEST(FileCopy, FailsWhenTheCopyCannotBeWritten) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ScratchDir dir;
  const std::string src = dir.Make("src", std::string(9000, 'x'));
  CapturedRun run;
  errno = 0;
  EXPECT_EQ(FileCopy("/dev/full", src.c_str(), run.G), -1);
  EXPECT_EQ(errno, ENOSPC);
}

TEST(FileCopy, LeavesAFileCopiedOntoItselfIntact) {
  ScratchDir dir;
  const std::string path = dir.Make("same", "content");
  CapturedRun run;
  EXPECT_EQ(FileCopy(path.c_str(), path.c_str(), run.G), 7);
  EXPECT_EQ(ReadFile(path), "content");
}

}  // namespace
