// The CSV rows of each function and the per-file summary rows after them.
#include <gtest/gtest.h>

#include <string>

#include "reports/summaries.h"
#include "test_support.h"

namespace {

TEST(CsvFunctionLines, RowsThenTheFileSummaryRows) {
  CapturedRun c;
  c.G.csv_mode = c.G.csv_function_lines = c.G.csv_summary = 1;
  CSV_Function_Line("main", 10, 8, 5, 2, 1, 13, 3, 1, 3, 0, c.G);
  CSV_Function_Line("g", 4, -1, 1, 0, 0, 4, 0, 2, 1, 0, c.G);
  CSV_Function_Line("f() total", 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, c.G);
  // A file without functions gets no summary rows.
  CSV_Function_Line("f() total", 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, c.G);
  // The next file starts afresh: its one row sets every minimum.
  CSV_Function_Line("h", 20, 18, 9, 4, 2, 24, 1, 1, 5, 0, c.G);
  CSV_Function_Line("f() total", 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, c.G);
  EXPECT_EQ(c.Output(),
            "  f(), main, , , 10, 8, 5, 2, 1, 13, 0.25, , 1, 3, 1, 4, 3, 7, \n"
            "  f(), g, , , 4, -1, 1, 0, 0, 4, 0.00, , 1, 0, 2, 2, 1, 3, \n"
            ", Total, , , 14, 7, 6, 2, 1, 17, 0.25, , 2, 3, 3, 6, 4, 10, \n"
            ", Average, , , 7.00, 3.50, 3.00, 1.00, 0.50, 8.50, 0.12, , 1.00, "
            "1.50, 1.50, 3.00, 2.00, 5.00, \n"
            ", Maximum, , , 10, 8, 5, 2, 1, 13, 0.25, , 1, 3, 2, 4, 3, 7, \n"
            // The eLOC minimum below 0 is held at 0.
            ", Minimum, , , 4, 0, 1, 0, 0, 4, 0.00, , 1, 0, 1, 2, 1, 3, \n"
            "  f(), h, , , 20, 18, 9, 4, 2, 24, 0.22, , 1, 1, 1, 2, 5, 7, \n"
            ", Total, , , 20, 18, 9, 4, 2, 24, 0.22, , 1, 1, 1, 2, 5, 7, \n"
            ", Average, , , 20.00, 18.00, 9.00, 4.00, 2.00, 24.00, 0.22, , "
            "1.00, 1.00, 1.00, 2.00, 5.00, 7.00, \n"
            ", Maximum, , , 20, 18, 9, 4, 2, 24, 0.22, , 1, 1, 1, 2, 5, 7, \n"
            ", Minimum, , , 20, 18, 9, 4, 2, 24, 0.22, , 1, 1, 1, 2, 5, 7, \n");
}

TEST(CsvFunctionLines, NothingWithoutFunctionRowsSwitchedOn) {
  CapturedRun c;
  c.G.csv_mode = c.G.csv_summary = 1;
  CSV_Function_Line("main", 10, 8, 5, 2, 1, 13, 3, 1, 3, 0, c.G);
  CSV_Function_Line("f() total", 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, c.G);
  EXPECT_EQ(c.Output(), "");
}

}  // namespace
