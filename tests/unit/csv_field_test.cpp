#include "reports/csv_field.h"

#include <gtest/gtest.h>

TEST(CsvField, PlainTextIsWrittenUnchanged) {
  EXPECT_EQ(CsvField("src/a b.c"), "src/a b.c");
  EXPECT_EQ(CsvField(""), "");
}

TEST(CsvField, SeparatorsQuotesAndLineEndsAreQuoted) {
  EXPECT_EQ(CsvField("a,b.c"), "\"a,b.c\"");
  EXPECT_EQ(CsvField("say \"hi\".c"), "\"say \"\"hi\"\".c\"");
  EXPECT_EQ(CsvField("two\nlines.c"), "\"two\nlines.c\"");
  EXPECT_EQ(CsvField("cr\r.c"), "\"cr\r.c\"");
}
