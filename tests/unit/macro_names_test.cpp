#include "lists/macro_names.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace {

TEST(MacroNames, KeepsEveryNameInOrderAndFindsThemExactly) {
  MacroNames names;
  EXPECT_FALSE(names.Contains("afx_msg"));
  names.Add("afx_msg", 1);
  names.Add("MAX", 12);
  names.Add("afx_msg", 30);
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names.Name(0), "afx_msg");
  EXPECT_EQ(names.Value(0), 1);
  EXPECT_EQ(names.Name(2), "afx_msg");
  EXPECT_EQ(names.Value(2), 30);
  EXPECT_TRUE(names.Contains("MAX"));
  EXPECT_FALSE(names.Contains("MA"));
  EXPECT_FALSE(names.Contains("MAX "));
  EXPECT_FALSE(names.Contains("max"));
}

TEST(MacroNames, StaysCorrectAsTheTableGrows) {
  MacroNames names;
  for (int k = 0; k < 20000; ++k) {
    names.Add("NAME_" + std::to_string(k % 5000), k);
  }
  EXPECT_EQ(names.size(), 20000u);
  for (int k = 0; k < 5000; ++k) {
    EXPECT_TRUE(names.Contains("NAME_" + std::to_string(k))) << k;
  }
  // Names never added are refused, whether the filter in front of the
  // table lets them through or not.
  for (int k = 5000; k < 10000; ++k) {
    EXPECT_FALSE(names.Contains("NAME_" + std::to_string(k))) << k;
  }
  EXPECT_EQ(names.Name(19999), "NAME_4999");
  EXPECT_EQ(names.Value(19999), 19999);
  names.Add("", 7);
  EXPECT_TRUE(names.Contains(""));
}

TEST(MacroNames, RecordsEveryDefineWithItsLine) {
  CapturedRun run;
  run.Parse({"#define LIMIT 10", "#  define MAX(a, b) ((a) > (b))",
             "x#define NOT_ONE 1", "#define LIMIT 11"});
  ASSERT_EQ(run.G.macro_list.size(), 3u);
  EXPECT_EQ(run.G.macro_list.Name(1), "MAX");
  EXPECT_EQ(run.G.macro_list.Value(1), 2);
  EXPECT_EQ(run.G.macro_list.Value(2), 4);
  EXPECT_FALSE(run.G.macro_list.Contains("NOT_ONE"));
  EXPECT_EQ(run.G.metrics.define_count, 3);
  EXPECT_EQ(run.G.metrics.macro_count, 1);
}

}  // namespace
