#include "reports/record_listing.h"

#include <algorithm>
#include <vector>

#include "base/output.h"
#include "base/threads.h"

namespace {

// Records formatted by one thread at a time, and blocks formatted before
// their text is written: the text held at once stays a few megabytes.
constexpr size_t kBlock = 512;
constexpr size_t kBlocksPerThread = 4;
// Shorter listings are not worth starting threads for.
constexpr size_t kLongListing = 1024;

}  // namespace

void ShowEachRecord(const Llist<NodeData>& list,
                    void (*show)(const NodeData&, ReportSink&,
                                 const RunSettings&),
                    Globals& G) {
  const size_t count = static_cast<size_t>(list.count());
  // CSV lines add to the run's row statistics, and a debugging run writes
  // as it goes: both stay on this thread.
  if (G.jobs <= 1 || count < kLongListing || G.csv_mode || G.debug_flag ||
      G.class_debug_flag) {
    for (const NodeData& record : list) show(record, G, G);
    return;
  }
  std::vector<const NodeData*> records;
  records.reserve(count);
  for (const NodeData& record : list) records.push_back(&record);
  const int threads = std::min(G.jobs, 64);
  const size_t wave = kBlock * kBlocksPerThread * static_cast<size_t>(threads);
  std::vector<HeldText> texts;
  for (size_t first = 0; first < count; first += wave) {
    const size_t last = std::min(count, first + wave);
    const size_t blocks = (last - first + kBlock - 1) / kBlock;
    texts.assign(blocks, HeldText());
    ForEachOnThreads(threads, blocks, [&](size_t b) {
      ApartOutput held(G.output);
      const size_t end = std::min(last, first + (b + 1) * kBlock);
      for (size_t k = first + b * kBlock; k < end; ++k) show(*records[k], G, G);
      texts[b] = held.Take();
    });
    for (HeldText& text : texts) OutHeldText(G, text);
  }
}
