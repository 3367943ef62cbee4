#include "reports/record_listing.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "base/output.h"
#include "base/threads.h"

namespace {

// Records formatted by one thread at a time, and blocks formatted ahead of
// the writing: the text held at once stays a few megabytes.
constexpr size_t kBlock = 512;
constexpr size_t kBlocksPerThread = 4;
// Shorter listings are not worth starting threads for.
constexpr size_t kLongListing = 1024;

// The blocks of a listing: which records are gathered, which blocks are
// taken up, formatted and written. Shared under `mutex`.
struct ListingBlocks {
  std::mutex mutex;
  std::condition_variable changed;
  size_t gathered = 0;  // records whose pointers are in place
  size_t next = 0;      // the next block to format
  size_t written = 0;   // blocks written
  std::vector<char> done;
  std::vector<HeldText> texts;
};

}  // namespace

void ShowEachRecord(const Llist<NodeData>& list,
                    void (*show)(const NodeData&, ReportSink&,
                                 const RunSettings&),
                    Globals& G,
                    const std::function<void(const NodeData&)>& visit) {
  const size_t count = static_cast<size_t>(list.count());
  // CSV lines add to the run's row statistics, and a debugging run writes
  // as it goes: both stay on this thread.
  if (G.jobs <= 1 || count < kLongListing || G.csv_mode || G.debug_flag ||
      G.class_debug_flag) {
    for (const NodeData& record : list) show(record, G, G);
    if (visit) {
      for (const NodeData& record : list) visit(record);
    }
    return;
  }
  const int threads = std::min(G.jobs, 64);
  const size_t block_count = (count + kBlock - 1) / kBlock;
  const size_t ahead = kBlocksPerThread * static_cast<size_t>(threads);
  std::vector<const NodeData*> records(count);
  ListingBlocks blocks;
  blocks.done.assign(block_count, 0);
  blocks.texts.resize(block_count);

  auto format = [&](size_t b) {
    ApartOutput held(G.output);
    const size_t end = std::min(count, (b + 1) * kBlock);
    for (size_t k = b * kBlock; k < end; ++k) show(*records[k], G, G);
    return held.Take();
  };
  // True when block `next` may be formatted: its records are gathered and
  // it is not too far ahead of the writing (lock held).
  auto claimable = [&] {
    return blocks.next < block_count &&
           blocks.next < blocks.written + ahead &&
           blocks.gathered >= std::min(count, (blocks.next + 1) * kBlock);
  };
  // Takes up block `next`, formats it without the lock and hands it in
  // (lock held before and after).
  auto format_next = [&](std::unique_lock<std::mutex>& lock) {
    const size_t b = blocks.next++;
    lock.unlock();
    HeldText text = format(b);
    lock.lock();
    blocks.texts[b] = std::move(text);
    blocks.done[b] = 1;
    blocks.changed.notify_all();
  };
  auto formatter = [&] {
    std::unique_lock<std::mutex> lock(blocks.mutex);
    for (;;) {
      blocks.changed.wait(lock, [&] {
        return blocks.next >= block_count || claimable();
      });
      if (blocks.next >= block_count) return;
      format_next(lock);
    }
  };
  // Writes the blocks formatted so far, in order; with `all`, formats
  // what no other thread has taken up and waits for the rest.
  auto write = [&](bool all) {
    std::unique_lock<std::mutex> lock(blocks.mutex);
    while (blocks.written < block_count) {
      const size_t b = blocks.written;
      if (blocks.done[b] == 0) {
        if (!all) return;
        if (claimable()) {
          format_next(lock);
          continue;
        }
        blocks.changed.wait(lock, [&] { return blocks.done[b] != 0; });
      }
      HeldText text = std::move(blocks.texts[b]);
      lock.unlock();
      OutHeldText(G, text);
      lock.lock();
      ++blocks.written;
      blocks.changed.notify_all();
    }
  };

  std::vector<std::thread> pool = StartThreads(threads - 1, formatter);
  // The other threads stop and are joined however this one leaves.
  struct JoinAtEnd {
    ListingBlocks& blocks;
    std::vector<std::thread>& pool;
    ~JoinAtEnd() {
      {
        std::lock_guard<std::mutex> lock(blocks.mutex);
        blocks.next = blocks.done.size();
      }
      blocks.changed.notify_all();
      for (std::thread& thread : pool) thread.join();
    }
  } join_at_end{blocks, pool};
  // The walk of the list is a chase through records scattered in memory:
  // it runs here while the other threads format the blocks gathered.
  size_t k = 0;
  for (const NodeData& record : list) {
    records[k++] = &record;
    if (visit) visit(record);
    if (k % kBlock == 0 || k == count) {
      {
        std::lock_guard<std::mutex> lock(blocks.mutex);
        blocks.gathered = k;
      }
      blocks.changed.notify_all();
      write(false);
    }
  }
  write(true);
}
