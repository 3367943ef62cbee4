// Reading klv.cfg: key matching, value kinds, and the template round trip.
#include "config/load_cfg.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "config/show_cfg.h"
#include "driver/options.h"
#include "test_support.h"

namespace {

TEST(CfgLine, KeysMatchWithoutRegardToCase) {
  CapturedRun c;
  ApplyCfgLine("maximum LINE length : 120\n", c.G);
  EXPECT_EQ(c.G.max_line_length, 120);
  ApplyCfgLine("  Maximum Line Length: 99\n", c.G);  // leading blank: unknown
  EXPECT_EQ(c.G.max_line_length, 120);
  ApplyCfgLine("# Maximum Line Length: 10\n", c.G);
  ApplyCfgLine("Maximum Line Length 10\n", c.G);  // no colon
  EXPECT_EQ(c.G.max_line_length, 120);
}

TEST(CfgLine, ValueKinds) {
  CapturedRun c;
  ApplyCfgLine("Wrap long names in reports: nope", c.G);
  EXPECT_EQ(c.G.wrap_names, 0);
  ApplyCfgLine("Wrap long names in reports:", c.G);  // empty is Yes
  EXPECT_EQ(c.G.wrap_names, 1);
  ApplyCfgLine("Relative HTML Links: Sure", c.G);  // only 'y' is Yes
  EXPECT_EQ(c.G.relative_html_links, 0);
  ApplyCfgLine("Include 'for' in cyclomatic complexity: 0", c.G);  // ignored
  EXPECT_EQ(c.G.cyclo_counts_for, 1);
  ApplyCfgLine("Include 'for' in cyclomatic complexity: No", c.G);
  EXPECT_EQ(c.G.cyclo_counts_for, 0);
  ApplyCfgLine("A TAB is equivalent to n space: four", c.G);  // ignored
  EXPECT_EQ(c.G.tab_width, 2);
  ApplyCfgLine("Minimum Comment Percent: 12.5\r\n", c.G);
  EXPECT_FLOAT_EQ(c.G.min_comment_percent, 12.5f);
  ApplyCfgLine("HTML Red Color: " + std::string(30, 'F'), c.G);
  EXPECT_EQ(c.G.html_red_color, std::string(19, 'F'));
  ApplyCfgLine("HTML Red Color: -bad", c.G);
  EXPECT_EQ(c.G.html_red_color, std::string(19, 'F'));
  ApplyCfgLine("Allowable source code extensions:", c.G);
  EXPECT_EQ(c.G.source_extensions, "");
}

TEST(CfgLine, NoticeSwitchesAndKeyString) {
  CapturedRun c;
  ApplyCfgLine("Quality Notice 30: No", c.G);
  ApplyCfgLine("Quality Notice 21: Yes", c.G);
  ApplyCfgLine("Quality Notice 45: No", c.G);
  ApplyCfgLine("Quality Notice 030: No", c.G);
  EXPECT_EQ(c.G.notice_enabled[30], 0);
  EXPECT_EQ(c.G.notice_enabled[21], 1);
  EXPECT_EQ(c.G.notice_enabled[45], 1);
  EXPECT_EQ(c.G.notice_enabled[3], 1);
  ApplyCfgLine("KLV KEY String: Copyright ACME: all rights", c.G);
  EXPECT_EQ(c.G.key_string, "Copyright ACME: all rights");
  EXPECT_EQ(c.G.key_string_set, 1);
}

// Numbers are refused outside their ranges, with the setting named, before
// they can wrap round or make a listing or an expansion without end.
TEST(CfgLine, NumbersOutsideTheirRangesEndTheRun) {
  const struct {
    const char* line;
    const char* shown;
    const char* range;
  } cases[] = {
      {"Maximum Line Length: 4294967295", "Maximum Line Length: 4294967295",
       "1 to 65535"},
      {"maximum line length: 99999999999999999999999",
       "Maximum Line Length: 99999999999999999999999", "1 to 65535"},
      {"A TAB is equivalent to n space: 100000000",
       "A TAB is equivalent to n space: 100000000", "1 to 32"},
      {"Printed Page Length: 2147483648", "Printed Page Length: 2147483648",
       "1 to 10000"},
      {"Minimum Comment Percent: 1e999", "Minimum Comment Percent: 1e999",
       "0 to 100"},
      {"Printed Line Length: 19", "Printed Line Length: 19", "20 to 4096"},
  };
  for (const auto& c : cases) {
    CapturedRun run;
    run.G.config_file_path = "/x/klv.cfg";
    try {
      ApplyCfgLine(c.line, run.G);
      ADD_FAILURE() << "accepted " << c.line;
    } catch (const ExitRequest& e) {
      EXPECT_EQ(e.status, 1);
    }
    EXPECT_EQ(run.Output(), std::string("\n  Error: Configuration file "
                                        "/x/klv.cfg\n         ") +
                                c.shown + "\n         The value must be from " +
                                c.range + ".\n\n");
  }
  CapturedRun run;
  ApplyCfgLine("Maximum Line Length: 65535", run.G);
  ApplyCfgLine("A TAB is equivalent to n space: 32", run.G);
  ApplyCfgLine("Minimum Comment Percent: 100", run.G);
  EXPECT_EQ(run.G.max_line_length, 65535);
  EXPECT_EQ(run.G.tab_width, 32);
  EXPECT_EQ(run.G.min_comment_percent, 100.0f);
}

TEST(CfgLine, ValuesAreCutAtSeventyNineCharacters) {
  CapturedRun c;
  ApplyCfgLine("Work file location path: " + std::string(200, 'p'), c.G);
  EXPECT_EQ(c.G.work_file_path, std::string(79, 'p'));
  // One past the limit is cut as well, and the cut counts from the first
  // character after the leading blanks.
  ApplyCfgLine("Work file location path:   " + std::string(80, 'q'), c.G);
  EXPECT_EQ(c.G.work_file_path, std::string(79, 'q'));
  ApplyCfgLine("Work file location path: " + std::string(79, 'r'), c.G);
  EXPECT_EQ(c.G.work_file_path, std::string(79, 'r'));
  // The key string and the page header keep the same limit.
  ApplyCfgLine("KLV KEY String: " + std::string(80, 'k'), c.G);
  EXPECT_EQ(c.G.key_string, std::string(79, 'k'));
  ApplyCfgLine("Printed Page Header: H" + std::string(79, 'h'), c.G);
  EXPECT_EQ(c.G.listing_header, "H" + std::string(78, 'h'));
}

TEST(LoadCfg, MissingFileIsCreatedFromTheTemplateAndReadBack) {
  char templ[] = "/tmp/klv-cfg-XXXXXX";
  const std::string dir = mkdtemp(templ);
  CapturedRun c;
  c.G.config_file_path = dir + "/klv.cfg";
  c.G.max_cyclomatic = 17;  // the settings in force are what gets written
  EXPECT_EQ(LoadCfg(c.G), 1);
  FILE* f = fopen(c.G.config_file_path.c_str(), "r");
  ASSERT_NE(f, nullptr);
  fclose(f);
  CapturedRun again;
  again.G.config_file_path = c.G.config_file_path;
  EXPECT_EQ(LoadCfg(again.G), 1);
  EXPECT_EQ(again.G.max_cyclomatic, 17);
  EXPECT_EQ(again.G.notice_enabled[21], 0);
  EXPECT_EQ(again.G.source_extensions, c.G.source_extensions);
  EXPECT_EQ(again.G.listing_header, "KLV Code Listing");
  EXPECT_EQ(again.G.no_page_breaks, 1);
  std::remove(c.G.config_file_path.c_str());
  rmdir(dir.c_str());
}

TEST(LoadCfg, UncreatableFileKeepsTheDefaults) {
  CapturedRun c;
  c.G.config_file_path = "/nonexistent-klv-dir/klv.cfg";
  EXPECT_EQ(LoadCfg(c.G), 0);
  EXPECT_EQ(c.G.max_line_length, 80);
}

}  // namespace
