// The pieces of the --sarif and --json reports: JSON strings from any
// bytes, URI paths and artifact locations, the long options, and the
// all-or-nothing file writing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "base/globals.h"
#include "driver/long_options.h"
#include "driver/options.h"
#include "output_capture.h"
#include "reports/atomic_file.h"
#include "reports/json_text.h"
#include "reports/sarif_report.h"
#include "scratch_dir.h"
#include "test_support.h"

namespace {

// The text a JSON string literal decodes to.
std::string Decoded(const std::string& literal) {
  return nlohmann::json::parse(literal).get<std::string>();
}

TEST(JsonStringTest, KeepsUtf8AndEscapesWhatJsonRequires) {
  EXPECT_EQ(JsonString("a\"b\\c\n\t"), "\"a\\\"b\\\\c\\n\\t\"");
  EXPECT_EQ(JsonString(std::string("x\x01y", 3)), "\"x\\u0001y\"");
  EXPECT_EQ(JsonString("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"),
            "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\"");
}

TEST(JsonStringTest, EscapesEveryByteOfAnInvalidSequenceWithoutDroppingIt) {
  // A Latin-1 name, a sequence cut at the end, an overlong '/', an encoded
  // surrogate and a lone continuation byte.
  const std::vector<std::string> inputs = {
      "caf\xE9", "end\xE2\x82", "\xC0\xAF", "\xED\xA0\x80", "\x80z"};
  const std::vector<std::string> expected = {
      "\"caf\\u00e9\"", "\"end\\u00e2\\u0082\"", "\"\\u00c0\\u00af\"",
      "\"\\u00ed\\u00a0\\u0080\"", "\"\\u0080z\""};
  for (size_t k = 0; k < inputs.size(); ++k) {
    const std::string literal = JsonString(inputs[k]);
    EXPECT_EQ(literal, expected[k]);
    EXPECT_NO_THROW(Decoded(literal)) << literal;  // valid JSON and UTF-8
  }
  EXPECT_EQ(Decoded(JsonString("caf\xE9")), "caf\xC3\xA9");
}

TEST(JsonTextTest, TimesAreUtc) {
  EXPECT_EQ(IsoTime(1700000000), "2023-11-14T22:13:20Z");
  EXPECT_EQ(IsoTime(4102444800), "2100-01-01T00:00:00Z");  // after 2038
}

TEST(ArtifactLocationTest, RelativeUnderTheStartDirectoryElseAbsolute) {
  Globals G;
  G.current_dir = "/home/p";
  EXPECT_EQ(ArtifactLocation("src/a.c", G),
            "{\"uri\": \"src/a.c\", \"uriBaseId\": \"SRCROOT\"}");
  EXPECT_EQ(ArtifactLocation("././a b.c", G),
            "{\"uri\": \"a%20b.c\", \"uriBaseId\": \"SRCROOT\"}");
  EXPECT_EQ(ArtifactLocation("/home/p/src/%x\xE9.c", G),
            "{\"uri\": \"src/%25x%E9.c\", \"uriBaseId\": \"SRCROOT\"}");
  EXPECT_EQ(ArtifactLocation("/home/pq/a.c", G),
            "{\"uri\": \"file:///home/pq/a.c\"}");
  EXPECT_EQ(ArtifactLocation("/usr/x.c", G), "{\"uri\": \"file:///usr/x.c\"}");
}

class LongOptionsTest : public ::testing::Test {
 protected:
  // The words left after the long options are taken from "klv" + `args`.
  std::vector<std::string> Take(std::vector<std::string> args) {
    args.insert(args.begin(), "klv");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    const std::vector<char*> rest =
        TakeLongOptions(static_cast<int>(argv.size()), argv.data(), run.G);
    EXPECT_EQ(rest.back(), nullptr);
    return std::vector<std::string>(rest.begin() + 1, rest.end() - 1);
  }
  CapturedRun run;
};

TEST_F(LongOptionsTest, AreTakenAnywhereInEitherForm) {
  EXPECT_EQ(Take({"-f", "a.c", "--sarif=x.sarif", "b.c", "--json", "y.json"}),
            (std::vector<std::string>{"-f", "a.c", "b.c"}));
  EXPECT_EQ(run.G.sarif_file_name, "x.sarif");
  EXPECT_EQ(run.G.json_file_name, "y.json");
}

TEST_F(LongOptionsTest, LeaveOptionArgumentsAndWordsAfterDoubleDashAlone) {
  EXPECT_EQ(Take({"-fO", "--json=r.txt", "-S", "--sarif", "a.c", "--",
                  "--json=b.c"}),
            (std::vector<std::string>{"-fO", "--json=r.txt", "-S", "--sarif",
                                      "a.c", "--", "--json=b.c"}));
  EXPECT_TRUE(run.G.json_file_name.empty());
  EXPECT_TRUE(run.G.sarif_file_name.empty());
  // Unknown long options are left for the option parser to refuse.
  EXPECT_EQ(Take({"--jsonx=1", "a.c"}),
            (std::vector<std::string>{"--jsonx=1", "a.c"}));
}

TEST_F(LongOptionsTest, WithoutAFileNameEndTheRunWithStatusOne) {
  for (const char* word : {"--json=", "--sarif"}) {
    try {
      Take({"a.c", word});
      ADD_FAILURE() << word << " was accepted";
    } catch (const ExitRequest& e) {
      EXPECT_EQ(e.status, 1);
    }
  }
  EXPECT_NE(run.Output().find("Error: --sarif requires a file name"),
            std::string::npos);
}

TEST(AtomicFileTest, CommitReplacesTheFileAndLeavesNoTemporaryFile) {
  ScratchDir dir;
  dir.Write("r.json", "old");
  {
    AtomicFile f;
    ASSERT_TRUE(f.Open(dir.Path("r.json")));
    fputs("new", f.file());
    EXPECT_EQ(dir.Read("r.json"), "old");  // untouched until the commit
    ASSERT_TRUE(f.Commit());
  }
  EXPECT_EQ(dir.Read("r.json"), "new");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"r.json"});
}

TEST(AtomicFileTest, AFailureLeavesTheEarlierFileAsItWas) {
  ScratchDir dir;
  dir.Write("r.json", "old");
  {
    AtomicFile abandoned;  // the run ended before the report was complete
    ASSERT_TRUE(abandoned.Open(dir.Path("r.json")));
    fputs("partial", abandoned.file());
  }
  EXPECT_EQ(dir.Read("r.json"), "old");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"r.json"});

  AtomicFile f;
  EXPECT_FALSE(f.Open(dir.Path("missing/r.json")));
  EXPECT_FALSE(f.error().empty());
  EXPECT_FALSE(f.Open(dir.Path("")));  // the directory itself

  // The name became a directory while the report was written.
  AtomicFile late;
  ASSERT_TRUE(late.Open(dir.Path("d")));
  ASSERT_EQ(mkdir(dir.Path("d").c_str(), 0777), 0);
  dir.Write("d/keep", "x");
  EXPECT_FALSE(late.Commit());
  EXPECT_FALSE(late.error().empty());
  EXPECT_EQ(dir.Read("d/keep"), "x");
}

}  // namespace
