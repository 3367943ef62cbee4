// Building the file list from operands, directory walks and list files.
#include "files/file_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "driver/options.h"
#include "test_support.h"

namespace {

// A scratch directory tree, removed afterwards.
class Tree {
 public:
  Tree() {
    char templ[] = "/tmp/klv-files-XXXXXX";
    root_ = mkdtemp(templ);
  }
  ~Tree() {
    std::string cmd = "rm -rf '" + root_ + "'";
    if (system(cmd.c_str()) != 0) {
    }
  }
  void File(const std::string& rel, const std::string& text = "x;\n") {
    const std::string path = root_ + "/" + rel;
    for (size_t k = root_.size() + 1; k < path.size(); ++k) {
      if (path[k] == '/') mkdir(path.substr(0, k).c_str(), 0755);
    }
    FILE* f = fopen(path.c_str(), "w");
    fputs(text.c_str(), f);
    fclose(f);
  }
  std::string Path(const std::string& rel) const { return root_ + "/" + rel; }
  const std::string& root() const { return root_; }

 private:
  std::string root_;
};

// Runs BuildFileList over an argument vector.
class Build {
 public:
  explicit Build(std::vector<std::string> args) : args_(std::move(args)) {
    for (std::string& a : args_) argv_.push_back(a.data());
    c.G.arg_count = static_cast<int>(argv_.size());
    c.G.arg_values = argv_.data();
  }
  std::vector<std::string> Run(int first) {
    BuildFileList(first, c.G);
    std::vector<std::string> names;
    for (const NameData& f : c.G.file_list) names.push_back(f.name);
    return names;
  }
  CapturedRun c;

 private:
  std::vector<std::string> args_;
  std::vector<char*> argv_;
};

using Names = std::vector<std::string>;

TEST(OperandFiles, HeadersComeFirstThenSourcesInCommandLineOrder) {
  Build b({"klv", "-f", "b.c", "a.h", "c.cpp"});
  EXPECT_EQ(b.Run(2), (Names{"a.h", "b.c", "c.cpp"}));
}

TEST(OperandFiles, SortedByNameWithinEachGroup) {
  Build b({"klv", "-f", "-Rn", "z.c", "a.c", "y.h", "b.h"});
  b.c.G.sort_names_flag = 1;
  EXPECT_EQ(b.Run(3), (Names{"b.h", "y.h", "a.c", "z.c"}));
}

TEST(OperandFiles, NamesWithoutExtensionAreSkippedOthersRefused) {
  Build b({"klv", "readme", "notes.txt", "ok.c"});
  EXPECT_EQ(b.Run(1), (Names{"ok.c"}));
  EXPECT_EQ(b.c.Output(),
            "\n  Error: notes.txt - Not a valid file type for KLV\n"
            "         Valid types: c,cc,cpp,cxx,C,CC,h,hh,H,hxx,java,jav\n");
}

TEST(OperandFiles, ADotInADirectoryNameIsNoExtension) {
  Build b({"klv", "./readme", "v1.2/Makefile", "v1.2/a.c", "../x.h"});
  EXPECT_EQ(b.Run(1), (Names{"../x.h", "v1.2/a.c"}));
  EXPECT_EQ(b.c.Output(), "");
}

TEST(OperandFiles, ValidationOffAcceptsAnyExtension) {
  Build b({"klv", "notes.txt"});
  b.c.G.validate_extensions = 0;
  EXPECT_EQ(b.Run(1), (Names{"notes.txt"}));
}

TEST(OperandFiles, OutputFileIsNotReportedAsInvalid) {
  Build b({"klv", "-O", "report.txt", "report.txt", "a.c"});
  b.c.G.output_file_name = "report.txt";
  EXPECT_EQ(b.Run(3), (Names{"a.c"}));
  EXPECT_EQ(b.c.Output(), "");
}

TEST(ValidExt, ExactOrCaseBlind) {
  CapturedRun c;
  EXPECT_EQ(valid_ext("cpp", "c, cpp,h", 0, c.G), 1);
  EXPECT_EQ(valid_ext("CPP", "c,cpp,h", 0, c.G), 0);
  EXPECT_EQ(valid_ext("CPP", "c,cpp,h", 1, c.G), 1);
  EXPECT_EQ(valid_ext("", "c,cpp", 0, c.G), 0);
  EXPECT_EQ(valid_ext(nullptr, "c", 0, c.G), 0);
}

TEST(ValidExt, APrefixOfAListedExtensionIsNotEnough) {
  CapturedRun c;
  // "c" is listed, "cs" is not, whether or not case counts.
  EXPECT_EQ(valid_ext("cs", "c,cpp,h", 1, c.G), 0);
  EXPECT_EQ(valid_ext("CS", "c,cpp,h", 1, c.G), 0);
  EXPECT_EQ(valid_ext("cs", "c,cpp,h", 0, c.G), 0);
  EXPECT_EQ(valid_ext("cp", "c,cpp,h", 1, c.G), 0);
  EXPECT_EQ(valid_ext("hxx", "c,h", 1, c.G), 0);
}

TEST(OperandFiles, CaseBlindNamesStillRefuseAnUnlistedExtension) {
  Build b({"klv", "prog.cs", "ok.C"});
  b.c.G.case_sensitive_names = 1;
  b.c.G.source_extensions = "c,h";
  EXPECT_EQ(b.Run(1), (Names{"ok.C"}));
  EXPECT_EQ(b.c.Output(),
            "\n  Error: prog.cs - Not a valid file type for KLV\n"
            "         Valid types: c,h\n");
}

TEST(OperandFiles, UnderDebugTheFileSetIsShownInProcessingOrder) {
  Build b({"klv", "b.c", "a.h", "notes"});
  b.c.G.debug_flag = 1;
  EXPECT_EQ(b.Run(1), (Names{"a.h", "b.c"}));
  EXPECT_EQ(b.c.Output(), "a.h\nb.c\n");
}

TEST(DirectoryWalk, RecursesUnlessAskedNotTo) {
  Tree t;
  t.File("src/a.c");
  t.File("src/sub/b.c");
  t.File("src/sub/deeper/c.h");
  t.File("src/notes.txt");
  Build deep({"klv", "-r", "c,h", t.Path("src")});
  deep.c.G.recursive_mode = 1;
  deep.c.G.input_spec = "c,h";
  deep.c.G.sort_names_flag = 1;
  EXPECT_EQ(deep.Run(3), (Names{t.Path("src/sub/deeper/c.h"), t.Path("src/a.c"),
                                t.Path("src/sub/b.c")}));
  Build flat({"klv", "-r", "c,h", t.Path("src")});
  flat.c.G.recursive_mode = 1;
  flat.c.G.input_spec = "c,h";
  flat.c.G.dir_no_recurse = 1;
  EXPECT_EQ(flat.Run(3), (Names{t.Path("src/a.c")}));
}

TEST(DirectoryWalk, MissingDirectoryIsReported) {
  CapturedRun c;
  Llist<NameData> headers, sources;
  EXPECT_EQ(ReadDir("/nonexistent-klv-dir", "c", headers, sources, c.G, c.G),
            0);
  EXPECT_EQ(c.Output(),
            "  Open Dir Error: No such file or directory : "
            "/nonexistent-klv-dir/\n");
}

TEST(DirectoryWalk, AnEmptyNameIsNoDirectoryNotTheRoot) {
  CapturedRun c;
  Llist<NameData> headers, sources;
  EXPECT_EQ(ReadDir("", "c,h", headers, sources, c.G, c.G), 0);
  EXPECT_EQ(headers.count() + sources.count(), 0);
  EXPECT_EQ(c.Output(), "  Open Dir Error: No such file or directory : \n");
}

TEST(ListFile, CommentsDirectoriesAndFiles) {
  Tree t;
  t.File("proj/src/m.c");
  t.File("proj/src/m.h");
  t.File("proj/src/deep/n.c");
  t.File("proj/lib/l.c");
  t.File("proj/lib/inner/skip.c");
  t.File("list.txt", "   # indented comment\n\n-r c,h " + t.Path("proj/src") +
                         "\nmain.c\n-d c \"" + t.Path("proj/lib") +
                         "\"\n-r c\nbad.txt\n");
  Build b({"klv", "-F", t.Path("list.txt")});
  b.c.G.file_list_flag = 1;
  b.c.G.file_list_file.reset(fopen(t.Path("list.txt").c_str(), "r"));
  Names got = b.Run(0);
  ASSERT_EQ(got.size(), 5u);
  EXPECT_EQ(got[0], t.Path("proj/src/m.h"));
  Names sources(got.begin() + 1, got.end());
  // The walk follows the directory's own order; main.c comes after the
  // walked sources of its line and before those of later lines.
  EXPECT_EQ(sources[2], "main.c");
  std::sort(sources.begin(), sources.begin() + 2);
  EXPECT_EQ(sources[0], t.Path("proj/src/deep/n.c"));
  EXPECT_EQ(sources[1], t.Path("proj/src/m.c"));
  EXPECT_EQ(sources[3], t.Path("proj/lib/l.c"));
  EXPECT_EQ(b.c.Output(),
            "\n  Error: Malformed directory entry line in file.\n"
            "         Format: -r c,h,cpp d:\\proj\\src\n"
            "         Read  : -r c\n\n"
            "\n  Error: bad.txt - Not a valid file type for KLV\n"
            "         Valid types: c,cc,cpp,cxx,C,CC,h,hh,H,hxx,java,jav\n");
}

TEST(ListOnly, PrintsTheListAndEnds) {
  Build b({"klv", "-Rl", "b.c", "a.h"});
  b.c.G.list_files_only = 1;
  try {
    b.Run(2);
    FAIL() << "expected the run to end";
  } catch (const ExitRequest& e) {
    EXPECT_EQ(e.status, 0);
  }
  EXPECT_EQ(b.c.Output(), "\n  Not Sorted\n  Files To Process: 2\n\na.h\nb.c\n\n  " +
                            std::string(72, '_') + "\n\n");
}

}  // namespace
