// A long listing formatted on several threads is, byte for byte, the
// listing formatted on one, in text and in HTML mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "base/globals.h"
#include "base/output.h"
#include "lists/llist.h"
#include "reports/function_reports.h"
#include "reports/record_listing.h"

namespace {

// The listing of `list` on `jobs` threads.
std::string Listing(const Llist<NodeData>& list, int jobs, int html) {
  Globals G;
  G.jobs = jobs;
  G.html_flag = html;
  char* buf = nullptr;
  size_t len = 0;
  G.output = open_memstream(&buf, &len);
  ShowEachRecord(list, FunctionDataShow, G);
  FlushOutput();
  fclose(G.output);
  G.output = stdout;
  std::string text(buf, len);
  free(buf);
  return text;
}

TEST(RecordListing, ThreadsWriteTheSerialListing) {
  Llist<NodeData> list;
  // Enough records for several blocks and more than one wave of blocks,
  // with names of every length, so that a block written out of place or
  // twice shows.
  for (int k = 0; k < 9000; ++k) {
    auto record = std::make_unique<NodeData>();
    record->name = "f" + std::to_string(k) + std::string(k % 90, 'x') + "()";
    if (k % 7 == 0) record->sub_name = "template <class T" + std::to_string(k) + ">";
    record->params = k % 5;
    record->loc = k;
    record->lines = k + 3;
    LlistAdd(list, std::move(record));
  }
  for (int html : {0, 1}) {
    const std::string serial = Listing(list, 1, html);
    ASSERT_NE(serial.find("f8999"), std::string::npos);
    for (int jobs : {2, 5}) {
      // Compared whole, but only the first difference is shown: a diff of
      // two megabytes helps nobody.
      const std::string threaded = Listing(list, jobs, html);
      const auto diverge =
          std::mismatch(serial.begin(), serial.end(), threaded.begin(),
                        threaded.end());
      EXPECT_TRUE(threaded == serial)
          << "html " << html << ", " << jobs << " threads: differs at byte "
          << (diverge.first - serial.begin()) << ", near \""
          << serial.substr(diverge.first - serial.begin(), 60) << "\"";
    }
  }
}

}  // namespace
