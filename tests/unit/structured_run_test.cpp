// The --sarif and --json reports of a whole run, read back with a JSON
// parser: what they hold for a small C file, and that a file they cannot
// be written to ends the run with an error and leaves nothing behind.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "driver/klv.h"
#include "scratch_dir.h"

namespace {

using nlohmann::json;

class StructuredRunTest : public ::testing::Test {
 protected:
  // Runs klv, started as <scratch>/klv so that its klv.cfg goes there, with
  // the report in report.txt.
  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), {dir.Path("klv"), "-O", dir.Path("report.txt")});
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    return klv(static_cast<int>(args.size()), argv.data());
  }

  ScratchDir dir;
};

TEST_F(StructuredRunTest, ReportsHoldTheNoticesAndFiguresOfTheRun) {
  // A TAB and a '?' on line 3; 'f' has 1 parameter, 1 return point and a
  // cyclomatic complexity of 2. The second file's name is Latin-1.
  dir.Write("t.c", "int f(int a)\n{\n\treturn a ? 1 : 2;\n}\n");
  dir.Write("caf\xE9.c", "int x;\n");
  const int status = Run({"-f", "-n", dir.Path("t.c"),
                          "--sarif=" + dir.Path("out.sarif"),
                          dir.Path("caf\xE9.c"),
                          "--json", dir.Path("out.json")});

  const json sarif = json::parse(dir.Read("out.sarif"));
  EXPECT_EQ(sarif["version"], "2.1.0");
  const json& run = sarif["runs"][0];
  EXPECT_EQ(run["tool"]["driver"]["version"], "6.01");
  const json& rules = run["tool"]["driver"]["rules"];
  ASSERT_EQ(rules.size(), 44u);
  EXPECT_EQ(rules[0]["id"], "KLV001");
  EXPECT_EQ(rules[43]["id"], "KLV044");
  EXPECT_EQ(rules[27]["shortDescription"]["text"],
            "Cyclomatic complexity exceeds 10");
  EXPECT_EQ(rules[27]["defaultConfiguration"]["level"], "warning");
  EXPECT_EQ(rules[29]["defaultConfiguration"]["level"], "note");  // TAB
  ASSERT_EQ(run["artifacts"].size(), 2u);
  EXPECT_EQ(run["artifacts"][0]["location"]["uri"],
            "file://" + dir.Path("t.c"));
  EXPECT_EQ(run["artifacts"][1]["location"]["uri"],
            "file://" + dir.Path("caf%E9.c"));

  const json& results = run["results"];
  ASSERT_GE(results.size(), 2u);
  EXPECT_EQ(status, static_cast<int>(results.size()));  // -n: the count
  EXPECT_EQ(results[0]["ruleId"], "KLV030");
  EXPECT_EQ(results[0]["message"]["text"], "TAB character has been identified");
  EXPECT_EQ(results[1]["ruleId"], "KLV023");
  for (const json& r : results) {
    const int n = std::stoi(r["ruleId"].get<std::string>().substr(3));
    EXPECT_EQ(r["ruleIndex"], n - 1);
    EXPECT_EQ(r["level"], rules[n - 1]["defaultConfiguration"]["level"]);
    const json& where = r["locations"][0]["physicalLocation"];
    EXPECT_GE(where["region"]["startLine"].get<int>(), 1);
  }
  EXPECT_EQ(results[0]["locations"][0]["physicalLocation"]["region"]["startLine"], 3);

  const json doc = json::parse(dir.Read("out.json"));
  EXPECT_EQ(doc["schema_version"], "1.0");
  ASSERT_EQ(doc["files"].size(), 2u);
  const json& t = doc["files"][0];
  EXPECT_EQ(t["language"], "C");
  EXPECT_EQ(t["size"], 36);
  EXPECT_EQ(t["metrics"]["loc"], 4);
  EXPECT_EQ(t["metrics"]["eloc"], 2);
  EXPECT_EQ(t["metrics"]["lloc"], 1);
  EXPECT_EQ(t["metrics"]["lines"], 4);
  EXPECT_EQ(t["notices"][0], json({{"number", 30}, {"line", 3},
                                   {"text", "TAB character has been identified"}}));
  EXPECT_EQ(t["notices"].size() + doc["files"][1]["notices"].size(),
            results.size());
  EXPECT_EQ(doc["files"][1]["path"], dir.Path("caf\xC3\xA9.c"));
  ASSERT_EQ(doc["functions"].size(), 1u);
  const json& f = doc["functions"][0];
  EXPECT_EQ(f["name"], "f");
  EXPECT_EQ(f["line"], 4);
  EXPECT_EQ(f["params"], 1);
  EXPECT_EQ(f["returns"], 1);
  EXPECT_EQ(f["cyclomatic"], 2);
  EXPECT_EQ(f["functional_complexity"], 4);
  EXPECT_EQ(doc["totals"]["files"], 2);
  EXPECT_EQ(doc["totals"]["metrics"]["loc"], 5);
  EXPECT_EQ(doc["totals"]["metrics"]["notice_count"], status);
}

TEST_F(StructuredRunTest, AnUnwritableReportEndsTheRunAndKeepsTheOldFile) {
  dir.Write("t.c", "int x;\n");
  dir.Write("old.json", "old");
  EXPECT_EQ(Run({dir.Path("t.c"), "--json=" + dir.Path("none/out.json")}), -1);
  EXPECT_EQ(Run({dir.Path("t.c"), "--sarif=" + dir.Path("")}), -1);
  EXPECT_EQ(dir.Read("old.json"), "old");
  EXPECT_EQ(Run({dir.Path("t.c"), "--json=" + dir.Path("old.json")}), 0);
  EXPECT_EQ(json::parse(dir.Read("old.json"))["files"].size(), 1u);
  EXPECT_EQ(dir.Names(),
            (std::vector<std::string>{"klv.cfg", "klv_macro.cfg", "old.json",
                                      "report.txt", "t.c"}));
}

}  // namespace
