#include "config/csv_report_cfg.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "reports/csv_file_fields.h"
#include "reports/csv_file_report.h"
#include "test_support.h"

namespace {

// Reads `text` as a configuration named "my.cfg".
bool Read(CapturedRun& run, const std::string& text) {
  std::istringstream in(text);
  return ReadCSVFileReportCfg(in, "my.cfg", run.G);
}

}  // namespace

TEST(CsvReportCfgSelection, YesLinesSelectFieldsInLineOrder) {
  CapturedRun run;
  ASSERT_TRUE(Read(run,
                   "# comment\n"
                   "\n"
                   "Physical Line Count : Yes\r\n"
                   "  # indented comment\n"
                   "file name:yes\n"
                   "LOC Count : No\n"
                   "OTHER FILE COUNT\t:\tYES  \n"));
  EXPECT_EQ(CsvReportFields(run.G), (std::vector<int>{8, 1, 72}));
  EXPECT_EQ(run.Output(), "");
}

TEST(CsvReportCfgSelection, ARefusedConfigurationLeavesTheSelectionAlone) {
  CapturedRun run;
  run.G.csv_field_order[5] = 1;
  EXPECT_FALSE(Read(run, "LOC Count : Yes\nNo Such Field : Yes\n"));
  EXPECT_EQ(CsvReportFields(run.G), (std::vector<int>{5}));
}

TEST(CsvReportCfgRefusal, EachFaultNamesTheFileAndTheLine) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"LOC Count : Yes\nLOC Cnt : Yes\n",
       "\n  Error: CSV report configuration my.cfg, line 2:\n"
       "         Unknown field name\n         Read: LOC Cnt : Yes\n\n"},
      // Leading blanks belong to the name, as in klv.cfg.
      {"  LOC Count : Yes\n",
       "\n  Error: CSV report configuration my.cfg, line 1:\n"
       "         Unknown field name\n         Read:   LOC Count : Yes\n\n"},
      {"# head\nLOC Count Yes\n",
       "\n  Error: CSV report configuration my.cfg, line 2:\n"
       "         Not a \"name : Yes|No\" line\n         Read: LOC Count Yes\n\n"},
      {"LOC Count : Maybe\n",
       "\n  Error: CSV report configuration my.cfg, line 1:\n"
       "         Not a \"name : Yes|No\" line\n"
       "         Read: LOC Count : Maybe\n\n"},
      {"LOC Count :\n",
       "\n  Error: CSV report configuration my.cfg, line 1:\n"
       "         Not a \"name : Yes|No\" line\n         Read: LOC Count :\n\n"},
      {"LOC Count : Yes\nloc count : No\n",
       "\n  Error: CSV report configuration my.cfg, line 2:\n"
       "         Field named twice\n         Read: loc count : No\n\n"},
      {"# nothing\nLOC Count : No\n",
       "\n  Error: CSV report configuration my.cfg:\n"
       "         No field is selected; answer Yes for at least one\n\n"},
      {"",
       "\n  Error: CSV report configuration my.cfg:\n"
       "         No field is selected; answer Yes for at least one\n\n"},
  };
  for (const Case& c : cases) {
    CapturedRun run;
    EXPECT_FALSE(Read(run, c.text)) << c.text;
    EXPECT_EQ(run.Output(), c.expected) << c.text;
  }
}

TEST(CsvReportCfgTemplate, EveryCatalogueNameIsReadBack) {
  // The template's names are what a configuration must match.
  std::string text;
  for (int n = kCsvFieldCount; n >= 1; --n) {
    text += std::string(CsvFileFieldAt(n).name) + " : Yes\n";
  }
  CapturedRun run;
  ASSERT_TRUE(Read(run, text));
  const std::vector<int> fields = CsvReportFields(run.G);
  ASSERT_EQ(fields.size(), 72u);
  EXPECT_EQ(fields.front(), 72);
  EXPECT_EQ(fields.back(), 1);
}

TEST(CsvFieldWriter, NumbersOutsideTheCatalogueAreNamedInvalid) {
  CapturedRun run;
  EXPECT_EQ(insert_csv_data(0, 0, run.G), 0);
  insert_csv_data(73, 1, run.G);
  EXPECT_EQ(run.Output(),
            "Invalid Report Selection-0,Invalid Report Selection-73,");
}

TEST(CsvFieldWriter, TitlesStandAloneAndValuesEndInAComma) {
  CapturedRun run;
  run.G.file_name = "a,b.c";
  run.G.metrics.loc = 7;
  insert_csv_data(39, 1, run.G);
  insert_csv_data(45, 1, run.G);
  insert_csv_data(1, 0, run.G);
  insert_csv_data(2, 0, run.G);
  EXPECT_EQ(run.Output(), "virtual f()statements ;\"a,b.c\",7,");
}

TEST(CsvFieldWriter, RatiosKeepTheirDecimalsAndAZeroDivisorGivesZero) {
  CapturedRun run;
  FileMetrics& M = run.G.metrics;
  // Nothing counted: every ratio has a zero divisor.
  for (int n : {53, 55, 59, 61, 66}) {
    EXPECT_EQ(CsvFieldValue(n, run.G), n >= 55 && n <= 60 ? "0.0000" : "0.00")
        << n;
  }
  M.loc = 3;
  M.comment_lines = 1;
  M.blank_lines = 2;
  M.characters = 30;
  M.spaces = 10;
  M.statements = 2;
  M.for_count = 1;
  M.notice_count = 2;
  EXPECT_EQ(CsvFieldValue(53, run.G), "5.00");    // 20 visible / 4 lines
  EXPECT_EQ(CsvFieldValue(55, run.G), "0.5000");  // 3 LOC / 6 logical
  EXPECT_EQ(CsvFieldValue(59, run.G), "0.6667");
  EXPECT_EQ(CsvFieldValue(60, run.G), "0.3333");
  EXPECT_EQ(CsvFieldValue(63, run.G), "1.00");    // 1 comment / 1 lLOC
  EXPECT_EQ(CsvFieldValue(66, run.G), "2.00");    // 2 notices / 1 lLOC
  EXPECT_EQ(CsvFieldValue(4, run.G), "1");
  EXPECT_EQ(CsvFieldValue(7, run.G), "6");
}
