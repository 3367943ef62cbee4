// The parallel run: the thread count options, the names the scan before
// the run finds, and whole runs on several threads compared byte for byte
// with the run on one, over files whose analysis depends on the files
// before them.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "base/threads.h"
#include "driver/define_scan.h"
#include "driver/jobs.h"
#include "driver/klv.h"
#include "lists/define_index.h"
#include "lists/llist.h"
#include "lists/shared_names.h"
#include "lists/shared_records.h"
#include "recognise/run_names.h"
#include "scratch_dir.h"

namespace {

TEST(JobsTest, CountsAreDigitsOnlyWithZeroAndNothingMeaningEveryCore) {
  const int cores = AvailableCores();
  EXPECT_GE(cores, 1);
  EXPECT_EQ(ParseJobs(""), cores);
  EXPECT_EQ(ParseJobs("0"), cores);
  EXPECT_EQ(ParseJobs("000"), cores);
  EXPECT_EQ(ParseJobs("1"), 1);
  EXPECT_EQ(ParseJobs("3"), 3);
  EXPECT_EQ(ParseJobs("256"), 256);
  EXPECT_EQ(ParseJobs("257"), -2);
  EXPECT_EQ(ParseJobs("99999999999999999999"), -2);
  EXPECT_EQ(ParseJobs("2x"), -1);
  EXPECT_EQ(ParseJobs("-1"), -1);
  EXPECT_EQ(ParseJobs(" 2"), -1);
  EXPECT_TRUE(AllDigits("12"));
  EXPECT_FALSE(AllDigits(""));
  EXPECT_FALSE(AllDigits("1.5"));
}

TEST(SpinUntilTest, SeesAnotherThreadsChangeAndGivesUpAtItsLimit) {
  std::atomic<bool> set{false};
  std::thread setter([&] { set.store(true, std::memory_order_release); });
  EXPECT_TRUE(SpinUntil([&] { return set.load(std::memory_order_acquire); },
                        std::chrono::seconds(10)));
  setter.join();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(SpinUntil([] { return false; }, std::chrono::milliseconds(2)));
  EXPECT_GE(std::chrono::steady_clock::now() - start,
            std::chrono::milliseconds(2));
}

TEST(DefineIndexTest, ANameCountsFromTheFileAfterItsFirstDefinition) {
  DefineIndex index;
  index.AddKnown("KNOWN");
  index.AddDefined("A", 2);
  index.AddDefined("A", 0);  // files come in order: a later call for an
  index.AddDefined("B", 1);  // earlier file cannot move A's first file
  index.AddDefined("KNOWN", 5);
  EXPECT_TRUE(index.DefinedBefore("KNOWN", 0));
  EXPECT_FALSE(index.DefinedBefore("A", 2));
  EXPECT_TRUE(index.DefinedBefore("A", 3));
  EXPECT_FALSE(index.DefinedBefore("B", 0));
  EXPECT_FALSE(index.DefinedBefore("B", 1));
  EXPECT_TRUE(index.DefinedBefore("B", 2));
  EXPECT_FALSE(index.DefinedBefore("C", 100));
}

// The index grows many times over on a tree of headers; every name keeps
// its first file through the growth, and near misses stay misses.
TEST(DefineIndexTest, ThousandsOfNamesKeepTheirFirstFile) {
  DefineIndex index;
  for (size_t k = 0; k < 20000; ++k) {
    index.AddDefined("NAME_" + std::to_string(k), k / 10);
  }
  for (size_t k = 0; k < 20000; k += 997) {
    const std::string name = "NAME_" + std::to_string(k);
    EXPECT_FALSE(index.DefinedBefore(name, k / 10)) << name;
    EXPECT_TRUE(index.DefinedBefore(name, k / 10 + 1)) << name;
    EXPECT_FALSE(index.DefinedBefore(name + "_", 1u << 30)) << name;
  }
}

// In a parallel run the names of each file are added while other threads
// ask about the files added before: every answer must be the one the
// finished index gives, though the table grows many times under them.
TEST(DefineIndexTest, ReadersAskWhileLaterFilesAreAdded) {
  constexpr size_t kFiles = 300;
  constexpr size_t kPerFile = 40;
  auto name = [](size_t file, size_t k) {
    return "F" + std::to_string(file) + "_" + std::to_string(k);
  };
  DefineIndex index;
  index.AddKnown("KNOWN");
  std::atomic<size_t> added{0};  // files 0 up to this one are in
  std::atomic<int> wrong{0};
  auto ask = [&](size_t seed) {
    size_t round = 0;
    while (added.load(std::memory_order_acquire) < kFiles || round < 1000) {
      const size_t upto = added.load(std::memory_order_acquire);
      const size_t file = (seed * 7919 + round * 104729) % kFiles;
      const std::string asked = name(file, round % kPerFile);
      if (index.DefinedBefore(asked, upto) != (file < upto)) ++wrong;
      if (!index.DefinedBefore("KNOWN", 0)) ++wrong;
      ++round;
    }
  };
  std::vector<std::thread> readers;
  for (size_t seed = 1; seed <= 2; ++seed) readers.emplace_back(ask, seed);
  for (size_t file = 0; file < kFiles; ++file) {
    for (size_t k = 0; k < kPerFile; ++k) index.AddDefined(name(file, k), file);
    added.store(file + 1, std::memory_order_release);
  }
  for (std::thread& reader : readers) reader.join();
  EXPECT_EQ(wrong.load(), 0);
}

// What the scan finds in the file `path`, read as a parallel run reads it.
FileDefines ScanDefines(const std::string& path) {
  SourceText source;
  ReadSourceText(path, source);
  return ScanSourceText(path, source);
}

TEST(DefineScanTest, MissesAreTheNamesScanAndAnalysisDisagreeOn) {
  MacroNames defined;
  defined.Add("EARLIER", 1);  // another file's, before `from`
  defined.Add("A", 3);
  defined.Add("B", 4);
  defined.Add("A", 9);  // defined twice: still one name
  EXPECT_TRUE(ScanMisses({"A", "B", "A"}, defined, 1).empty());
  EXPECT_TRUE(ScanMisses({"A", "B"}, defined, 1).empty());
  std::vector<std::string> misses = ScanMisses({"A", "C"}, defined, 1);
  std::sort(misses.begin(), misses.end());
  EXPECT_EQ(misses, (std::vector<std::string>{"B", "C"}));
  EXPECT_EQ(ScanMisses({}, defined, 4), std::vector<std::string>{});
}

TEST(DefineScanTest, FindsDefineNamespaceAndPackageLines) {
  struct Row {
    const char* line;
    std::vector<std::string> macros;
    std::vector<std::string> namespaces;
  } rows[] = {
      {"#define LIMIT 10\n", {"LIMIT"}, {}},
      {"  #  define\tMAX(a, b) ((a) > (b))\n", {"MAX"}, {}},
      {"#define EMPTY", {"EMPTY"}, {}},
      {"#defineX 1\n", {}, {}},
      {"#include <x.h>\n", {}, {}},
      {"int a; // #define NOT\n", {}, {}},
      {"package com.example.util;\n", {}, {"com.example.util"}},
      {"packaged x;\n", {}, {}},
      {"namespace geo {\n", {}, {"geo"}},
      {"namespace a::b {\n", {}, {"a::b"}},
      {"namespace fs = std::filesystem;\n", {}, {}},
      {"namespace {\n", {}, {}},
      {"namespaces x {\n", {}, {}},
  };
  for (const Row& row : rows) {
    FileDefines found;
    ScanDefineLine(row.line, found);
    EXPECT_EQ(found.macros, row.macros) << row.line;
    EXPECT_EQ(found.namespaces, row.namespaces) << row.line;
  }
}

// A directive in a block comment defines nothing for the analysis, so the
// scan must not find it either: every later file asking about the name
// would be analysed twice.
TEST(DefineScanTest, SkipsDirectivesInsideBlockComments) {
  ScratchDir dir;
  dir.Write("c.c",
            "/*\n#define IN_COMMENT 1\n*/\n"
            "#define AFTER 1\n"
            "/* one line */ int x;\n#define AFTER_ONE_LINE 1\n"
            "// a line comment /* opens nothing\n#define AFTER_LINE 1\n"
            "/*/ still open\n#define IN_SLASH_STAR 1\n*/\n"
            "/**/\n#define AFTER_EMPTY 1\n"
            "/*\n * #define STARRED 1\n\t#\tdefine TABBED 1 */\n");
  const FileDefines found = ScanDefines(dir.Path("c.c"));
  EXPECT_EQ(found.macros,
            (std::vector<std::string>{"AFTER", "AFTER_ONE_LINE", "AFTER_LINE",
                                      "AFTER_EMPTY"}));
  dir.Write("n.cpp", "/*\nnamespace hidden {\n*/\nnamespace shown {\n");
  EXPECT_EQ(ScanDefines(dir.Path("n.cpp")).namespaces,
            std::vector<std::string>{"shown"});
}

// A Java source is searched for its package, before its classes; the
// names of a C++ source's namespaces are all found, nested ones too.
TEST(DefineScanTest, FindsTheJavaPackageAndEveryCppNamespace) {
  ScratchDir dir;
  dir.Write("A.java",
            "/* package com.comment; */\n"
            "package com.example.app;\n\nimport java.util.List;\n"
            "public class A {\n  #define NOT_JAVA 1\n}\n");
  const FileDefines java = ScanDefines(dir.Path("A.java"));
  EXPECT_EQ(java.namespaces, std::vector<std::string>{"com.example.app"});
  // A package line after a long licence text is found all the same.
  std::string licence = "/*\n";
  for (int k = 0; k < 400; ++k) licence += " * Licence text, line.\n";
  dir.Write("B.java", licence + " */\npackage com.late;\nclass B {}\n");
  EXPECT_EQ(ScanDefines(dir.Path("B.java")).namespaces,
            std::vector<std::string>{"com.late"});
  dir.Write("b.hpp",
            "namespace outer {\n  namespace inner {\n  }\n}\n"
            "namespace alias = outer::inner;\n");
  EXPECT_EQ(ScanDefines(dir.Path("b.hpp")).namespaces,
            (std::vector<std::string>{"outer", "inner"}));
}

// The run's class record `name`, listed and indexed.
NodeData* AddRunClass(Globals& run, const std::string& name, int loc) {
  auto record = std::make_unique<NodeData>();
  record->name = name;
  record->loc = loc;
  NodeData* added = LlistAdd(run.class_list, std::move(record));
  run.class_index.emplace(name, added);
  return added;
}

// A file analysed apart works on a copy of a class the run has merged,
// stops at an interface the run has merged, and logs the names found
// nowhere for its merge; a file analysed in the run itself finds its own
// records only.
TEST(ApartLookupTest, CopiesTheRunsClassesAndStopsAtItsInterfaces) {
  Globals run;
  NodeData* widget = AddRunClass(run, "Widget", 7);
  const SharedRecords shared(run.class_index);
  SharedNames merged;
  merged.Add("Interface-Sized");
  Globals G;
  G.apart.merged_records = &merged;
  G.apart.run_classes = &shared;
  EXPECT_EQ(FindClassRecord("Widget", G), nullptr);
  G.apart.active = true;
  NodeData* copy = FindClassRecord("Widget", G);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, widget);
  EXPECT_EQ(*copy, *widget);
  EXPECT_EQ(FindClassRecord("Widget", G), copy);
  copy->loc = 9;
  EXPECT_EQ(widget->loc, 7);
  EXPECT_THROW(FindInterfaceRecord("Interface-Sized", G), ApartAnswerWrong);
  EXPECT_EQ(FindClassRecord("Gadget", G), nullptr);
  EXPECT_EQ(FindInterfaceRecord("Interface-Gadget", G), nullptr);
  EXPECT_EQ(G.apart.class_names, std::vector<std::string>{"Gadget"});
  EXPECT_EQ(G.apart.interface_names,
            std::vector<std::string>{"Interface-Gadget"});
  // Taken out of the file's index, as the run would take it out of its
  // own: not found again, nor copied again.
  G.class_index.erase("Widget");
  NoteClassUnlisted("Widget", copy, G.apart);
  EXPECT_EQ(FindClassRecord("Widget", G), nullptr);
  EXPECT_EQ(G.apart.unlisted, std::vector<std::string>{"Widget"});
  EXPECT_EQ(G.apart.class_names, std::vector<std::string>{"Gadget"});
  EXPECT_EQ(G.apart.borrowed.size(), 1u);
}

// The merge takes a file that worked on a copy only while the run's record
// is as it was copied, and then puts the copy in the record's place, under
// the names the file left it: the run's list keeps its order.
TEST(ApartLookupTest, MergePutsCopiesInTheirRecordsPlaces) {
  Globals run;
  NodeData* first = AddRunClass(run, "instance", 3);
  NodeData* second = AddRunClass(run, "Other", 5);
  const SharedRecords shared(run.class_index);
  Globals W;
  W.apart.active = true;
  W.apart.run_classes = &shared;
  NodeData* copy = FindClassRecord("instance", W);
  ASSERT_NE(copy, nullptr);
  copy->loc = 11;
  copy->name = "Renamed";
  W.class_index.erase("instance");
  NoteClassUnlisted("instance", copy, W.apart);
  W.class_index.emplace("Renamed", copy);
  AddRunClass(W, "Fresh", 1);
  EXPECT_TRUE(ApartAnswersHold(W.apart, {}, run));
  first->loc = 4;  // changed by a file merged after the copy was made
  EXPECT_FALSE(ApartAnswersHold(W.apart, {}, run));
  first->loc = 3;
  run.class_index["instance"] = second;  // listing another record
  EXPECT_FALSE(ApartAnswersHold(W.apart, {}, run));
  run.class_index["instance"] = first;
  EXPECT_TRUE(ApartAnswersHold(W.apart, {}, run));

  MergeApartRecords(W, W.apart, run);
  std::vector<std::string> names;
  for (const NodeData& record : run.class_list) names.push_back(record.name);
  EXPECT_EQ(names, (std::vector<std::string>{"Renamed", "Other", "Fresh"}));
  EXPECT_EQ(first->loc, 11);
  EXPECT_EQ(run.class_index.count("instance"), 0u);
  EXPECT_EQ(run.class_index.at("Renamed"), first);
  EXPECT_EQ(run.class_index.at("Other"), second);
  EXPECT_EQ(run.class_index.at("Fresh")->loc, 1);
}

class ParallelRunTest : public ::testing::Test {
 protected:
  // The run date is fixed, so runs a second apart print the same header.
  void SetUp() override { setenv("SOURCE_DATE_EPOCH", "1700000000", 1); }
  void TearDown() override { unsetenv("SOURCE_DATE_EPOCH"); }

  // Runs klv over `files` with `options` on `jobs` threads; the report is
  // returned, the exit status kept in `status`.
  std::string Run(const std::string& jobs, std::vector<std::string> options,
                  const std::vector<std::string>& files, int& status) {
    const std::string report = dir.Path("report-" + jobs + ".txt");
    std::vector<std::string> args = {dir.Path("klv"), "-j", jobs, "-O",
                                     report};
    args.insert(args.end(), options.begin(), options.end());
    for (const std::string& f : files) args.push_back(dir.Path(f));
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    status = klv(static_cast<int>(args.size()), argv.data());
    return dir.Read("report-" + jobs + ".txt");
  }

  // Every option set on 2 and 3 threads gives the report and status of 1.
  void ExpectSameAsSerial(const std::vector<std::string>& files) {
    const std::vector<std::vector<std::string>> option_sets = {
        {},
        {"-v", "-f", "-c", "-n", "-o", "-i"},
        {"-H", "-f", "-c", "-n", "-o"},
        {"-f", "-k1"},
        {"-f", "-k2", "-n", "-Ns"},
        {"-Ta"},
        {"-A", "-f"},
        {"-s", "-c", "-f"},
        {"-m", "-l", "-n", "-Nv"},
    };
    for (const std::vector<std::string>& options : option_sets) {
      std::string shown;
      for (const std::string& o : options) shown += o + " ";
      int serial_status = 0;
      const std::string serial = Run("1", options, files, serial_status);
      ASSERT_NE(serial, "<missing>") << shown;
      for (const char* jobs : {"2", "3"}) {
        int status = 0;
        EXPECT_EQ(Run(jobs, options, files, status), serial)
            << "options: " << shown << "-j " << jobs;
        EXPECT_EQ(status, serial_status) << shown << "-j " << jobs;
      }
    }
  }

  ScratchDir dir;
};

TEST_F(ParallelRunTest, NamesDefinedInEarlierFilesReachLaterOnes) {
  // A macro of a header names no function in the later files; a class of
  // a header collects the methods defined in a later file; a namespace
  // and a package seen again count once; the same struct name twice.
  dir.Write("a.h",
            "#define DECLARE_OPS(x) int x##_ops\n"
            "#define CHECKED(x) (x)\n"
            "namespace geo {\n"
            "class Shape {\n public:\n  virtual int area();\n  int n;\n};\n"
            "struct Point { int x; int y; };\n"
            "}\n");
  dir.Write("b.cpp",
            "#include \"a.h\"\n"
            "namespace geo {\n"
            "int Shape::area() {\n  if (n > 0) return n;\n  return 0;\n}\n"
            "}\n"
            "DECLARE_OPS(shape) {\n  return 1;\n}\n");
  dir.Write("c.cpp",
            "namespace geo {\n"
            "struct Point { int x; };\n"
            "int twice(int v) {\n\treturn CHECKED(v) * 2;\n}\n"
            "}\n");
  dir.Write("D.java",
            "package com.example;\n"
            "public class D {\n  int run(int a) { return a > 1 ? a : 1; }\n}\n");
  dir.Write("E.java",
            "package com.example;\n"
            "interface E {\n  int size();\n}\n");
  ExpectSameAsSerial({"a.h", "b.cpp", "c.cpp", "D.java", "E.java"});
}

TEST_F(ParallelRunTest, NamesTheQuickScanGetsWrongAreSettledByAnalysingAgain) {
  // The scan misses the #define after code on its line, which the
  // analysis takes; neither takes the one inside the comment. Either way
  // the later files must be reported as the run on one thread reports
  // them.
  dir.Write("first.c",
            "/*\n#define INCOMMENT(x) x\n*/\n"
            "int a; #define AFTERCODE(x) x\n");
  dir.Write("second.c",
            "INCOMMENT(one) {\n  return 1;\n}\n"
            "AFTERCODE(two) {\n  return 2;\n}\n");
  dir.Write("third.c", "int three(void) {\n  return 3;\n}\n");
  ExpectSameAsSerial({"first.c", "second.c", "third.c"});
}

TEST_F(ParallelRunTest, UnnamedStructsOfEarlierFilesAreTakenUpByLaterOnes) {
  // An unnamed struct that no name follows keeps its placeholder name, and
  // the next file's unnamed struct takes up that record; a name after one
  // renames the record, so the next takes up another. Every file depends
  // on the files before it, through records they changed.
  std::vector<std::string> files;
  for (int k = 0; k < 40; ++k) {
    const std::string n = std::to_string(k);
    std::string text = "union u" + n +
                       " {\n  struct {\n    int a;\n    int b;\n  };\n"
                       "  long c;\n};\n";
    if (k % 3 == 0) text += "typedef struct {\n  int x;\n} named" + n + ";\n";
    if (k % 4 == 1) text += "struct {\n  int y;\n};\n";
    if (k % 5 == 0) text += "struct {\n  int z;\n} var" + n + ";\n";
    text += "int use" + n + "(int v) {\n  if (v > " + n +
            ") return v;\n  return 0;\n}\n";
    files.push_back("u" + n + ".c");
    dir.Write(files.back(), text);
  }
  ExpectSameAsSerial(files);
}

TEST_F(ParallelRunTest, MethodsOfAClassMergedBeforeCollectInIt) {
  // Every later file defines methods of the class of the first: a file
  // whose analysis apart meets the class after the first file's merge
  // works on a copy of its record, which its own merge takes only if no
  // file merged in between changed the record; one that meets it before
  // is refused at its merge. Which happens depends on timing; the report
  // must not.
  dir.Write("widget.h",
            "class Widget {\n public:\n  int size();\n};\n"
            "struct Part { int n; };\n");
  std::vector<std::string> files = {"widget.h"};
  for (int k = 0; k < 40; ++k) {
    const std::string name = "w" + std::to_string(k) + ".cpp";
    std::string text = "#include \"widget.h\"\n";
    for (int f = 0; f < 20; ++f) text += "int helper" + std::to_string(f) +
                                         "(int a) {\n  return a + 1;\n}\n";
    text += "int Widget::m" + std::to_string(k) +
            "(int a) {\n  if (a) return 1;\n  return 0;\n}\n"
            "struct Part { int m; };\n";
    dir.Write(name, text);
    files.push_back(name);
  }
  ExpectSameAsSerial(files);
}

TEST_F(ParallelRunTest, UnreadableAndEmptyFilesKeepTheirPlace) {
  dir.Write("one.c", "int one(void) {\n  return 1;\n}\n");
  dir.Write("empty.c", "");
  dir.Write("two.c", "int two(int a, int b) {\n  return a + b;\n}\n");
  ExpectSameAsSerial({"one.c", "missing.c", "empty.c", "two.c"});
}

}  // namespace
