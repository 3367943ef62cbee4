// A long listing formatted on several threads is, byte for byte, the
// listing formatted on one, in text and in HTML mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/globals.h"
#include "base/output.h"
#include "lists/llist.h"
#include "output_capture.h"
#include "reports/function_reports.h"
#include "reports/record_listing.h"

namespace {

// The listing of `list` on `jobs` threads; every record must be visited
// once, in list order.
std::string Listing(const Llist<NodeData> &list, int jobs, int html) {
  Globals G;
  G.jobs = jobs;
  G.html_flag = html;
  std::vector<const NodeData *> visited;
  std::string text = Capture(G, [&](Globals &g) {
    ShowEachRecord(list, FunctionDataShow, g,
                   [&](const NodeData &record) { visited.push_back(&record); });
  });
  std::vector<const NodeData *> expected;
  for (const NodeData &record : list) expected.push_back(&record);
  EXPECT_TRUE(visited == expected) << jobs << " threads";
  return text;
}

// The serial listing of `count` records against the listing on several
// threads, in text and HTML.
void ExpectThreadsWriteTheSerialListing(int count) {
  SCOPED_TRACE(count);
  Llist<NodeData> list;
  for (int k = 0; k < count; ++k) {
    auto record = std::make_unique<NodeData>();
    record->name = "f" + std::to_string(k) + std::string(k % 90, 'x') + "()";
    if (k % 7 == 0)
      record->sub_name = "template <class T" + std::to_string(k) + ">";
    record->params = k % 5;
    record->loc = k;
    record->lines = k + 3;
    LlistAdd(list, std::move(record));
  }
  for (int html : {0, 1}) {
    const std::string serial = Listing(list, 1, html);
    ASSERT_NE(serial.find("f" + std::to_string(count - 1)), std::string::npos);
    for (int jobs : {2, 5}) {
      // Compared whole, but only the first difference is shown: a diff of
      // two megabytes helps nobody.
      const std::string threaded = Listing(list, jobs, html);
      const auto diverge = std::mismatch(serial.begin(), serial.end(),
                                         threaded.begin(), threaded.end());
      EXPECT_TRUE(threaded == serial)
          << "html " << html << ", " << jobs << " threads: differs at byte "
          << (diverge.first - serial.begin()) << ", near \""
          << serial.substr(diverge.first - serial.begin(), 60) << "\"";
    }
  }
}

TEST(RecordListing, ThreadsWriteTheSerialListing) {
  // Enough records for many blocks, more than are formatted ahead of the
  // writing, with names of every length, so that a block written out of
  // place or twice shows; and listings of whole blocks only.
  ExpectThreadsWriteTheSerialListing(9000);
  ExpectThreadsWriteTheSerialListing(1024);
  ExpectThreadsWriteTheSerialListing(1536);
}

} // namespace
