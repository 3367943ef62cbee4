#include "driver/parallel_run.h"

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_set>
#include <utility>
#include <vector>

#include "driver/define_scan.h"
#include "base/threads.h"
#include "driver/file_analysis.h"
#include "lists/name_hash.h"
#include "notices/emit.h"
#include "recognise/run_names.h"
#include "base/output.h"
#include "reports/summaries.h"

namespace {

// One file analysed apart, waiting for its merge.
struct ApartFile {
  std::string file_name;
  int64_t file_size = 0;
  time_t file_mtime = 0;
  ApartLog log;        // what it asked, its progress text and CSV rows
  RunTotals results;   // its counters, records and notices
  HeldText text;          // its report text
  size_t text_bytes = 0;  // the size of `text`, kept once it is written
  std::string work_text;  // its work file lines
  // The macro names its scan got wrong: defined but not found, or found
  // but not defined.
  std::vector<std::string> scan_misses;
  // What the scan found in it, once merged: freed with the rest.
  FileDefines scanned;
  bool failed = false;  // the analysis ended in an exception
};

// The names the files of the run define: as the scan found them in each
// file, and indexed by the first file defining each as far as every file
// before has been scanned; the interface names of the files merged so
// far; and the run's class records. Each file is scanned by the thread
// that takes it up, just before its analysis, from the same reading.
class RunDefines {
 public:
  RunDefines(size_t count, int threads, const Globals& G)
      : found(count),
        run_classes(G.class_index),
        spin_(threads <= static_cast<int>(std::thread::hardware_concurrency())),
        scanned_(count, 0) {
    for (size_t k = 0; k < G.macro_list.size(); ++k) {
      macros.AddKnown(G.macro_list.Name(k));
    }
    for (const std::string& name : G.namespace_names) {
      namespaces.AddKnown(name);
    }
  }

  // Reads file `k` whole into `source` and scans it; what it defines goes
  // into the indexes once every file before it is in them.
  void Scan(const std::string& name, size_t k, SourceText& source);
  // Waits until the names of every file before `k` are in the indexes.
  // False when they never will be: the file must be analysed at its merge.
  bool WaitFor(size_t k);

  std::vector<FileDefines> found;  // found[k] is written by k's scanner
  DefineIndex macros;
  DefineIndex namespaces;
  SharedNames merged_records;  // interface names
  // The main thread holds its lock while it changes the run's class
  // records: at a merge, and while it analyses a file again.
  SharedRecords run_classes;

 private:
  // Whether a waiting thread spins before it sleeps: only while each
  // thread has a core of its own, so that spinning takes no thread's time.
  const bool spin_;
  std::mutex mutex_;  // orders the additions to the indexes
  std::condition_variable indexed_;
  std::vector<char> scanned_;  // under mutex_
  // The files whose names are in the indexes: 0 up to this one.
  std::atomic<size_t> frontier_{0};
  int waiting_ = 0;      // under mutex_
  bool broken_ = false;  // under mutex_: the indexes could not grow
};

void RunDefines::Scan(const std::string& name, size_t k, SourceText& source) {
  try {
    ReadSourceText(name, source);
    found[k] = ScanSourceText(name, source);
  } catch (...) {
    // A scan that misses names costs files analysed again, never a wrong
    // report; a reading that failed is left to the analysis to report.
    found[k] = FileDefines();
    source.held = false;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  scanned_[k] = 1;
  size_t next = frontier_.load(std::memory_order_relaxed);
  // The thread that scans the file at the frontier adds it, and every
  // file after it that is scanned already.
  if (next != k || broken_) return;
  try {
    while (next < scanned_.size() && scanned_[next] != 0) {
      for (const std::string& defined : found[next].macros) {
        macros.AddDefined(defined, next);
      }
      for (const std::string& defined : found[next].namespaces) {
        namespaces.AddDefined(defined, next);
      }
      ++next;
    }
  } catch (...) {
    broken_ = true;
  }
  frontier_.store(next, std::memory_order_release);
  if (waiting_ > 0) indexed_.notify_all();
}

bool RunDefines::WaitFor(size_t k) {
  if (frontier_.load(std::memory_order_acquire) >= k) return true;
  // The files before k were taken up just before it and are being scanned
  // at this moment: most waits last tens of microseconds, less than waking
  // a thread that sleeps takes on many machines.
  if (spin_ && SpinUntil([&] {
        return frontier_.load(std::memory_order_acquire) >= k;
      })) {
    return true;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  ++waiting_;
  indexed_.wait(lock, [&] {
    return broken_ || frontier_.load(std::memory_order_relaxed) >= k;
  });
  --waiting_;
  return frontier_.load(std::memory_order_relaxed) >= k;
}

// Room for this thread's allocations, reserved at once. A thread's own
// allocation arena otherwise grows by the pages each allocation lacks, a
// system call each time: about 1,500 of them on a tree of a thousand
// files. The room is reserved, not touched, and stays for the run.
void ReserveAllocationRoom() {
  constexpr size_t kRoom = size_t{16} << 20;  // below the mapping threshold
  // Held in a volatile: the compiler may not drop the pair.
  void* volatile room = malloc(kRoom);
  free(room);
}

// The state one thread analyses files in: a run record with a copy of the
// run's settings, made once per thread. Each file's results are moved out
// of it; the analysis itself clears the file state between files.
class Analyst {
 public:
  Analyst(const RunSettings& settings, FILE* output) : settings_(settings) {
    Renew(output);
  }
  Globals& state() { return *state_; }
  SourceText& source() { return source_; }
  // A fresh record, after an analysis that ended in an exception.
  void Renew(FILE* output) {
    state_ = std::make_unique<Globals>();
    static_cast<RunSettings&>(*state_) = settings_;
    state_->output = output;  // never written: the text is kept apart
  }

 private:
  const RunSettings& settings_;
  std::unique_ptr<Globals> state_;
  SourceText source_;  // the file taken up, read whole; its room is kept
};

// Reads and scans file `k`, then analyses it apart in `analyst`'s record;
// its report text, work file lines and results are taken out with it.
std::unique_ptr<ApartFile> AnalyseApart(const std::string& name, size_t k,
                                        Analyst& analyst, bool work_file,
                                        RunDefines& defines) {
  auto apart = std::make_unique<ApartFile>();
  ApartFile& done = *apart;
  defines.Scan(name, k, analyst.source());
  if (!defines.WaitFor(k)) {
    done.failed = true;
    return apart;
  }
  Globals& W = analyst.state();
  // W.apart is fresh: the last file's log was swapped out with a new one.
  W.apart.active = true;
  W.apart.file_index = k;
  W.apart.macros_before = &defines.macros;
  W.apart.namespaces_before = &defines.namespaces;
  W.apart.merged_records = &defines.merged_records;
  W.apart.run_classes = &defines.run_classes;
  char* work_buffer = nullptr;
  size_t work_size = 0;
  if (work_file) W.work_file.reset(open_memstream(&work_buffer, &work_size));
  {
    ApartOutput held(W.output);
    try {
      AnalyseListedFile(name, W, &analyst.source());
    } catch (...) {
      // ApartAnswerWrong among others: the file is analysed again at its
      // merge.
      done.failed = true;
    }
    done.text = held.Take();
    done.text_bytes = done.text.Bytes();
  }
  if (W.work_file != nullptr) {
    W.work_file.reset();  // closing it completes the buffer
    if (work_buffer != nullptr) done.work_text.assign(work_buffer, work_size);
  }
  free(work_buffer);
  if (done.failed) {
    analyst.Renew(W.output);
    return apart;
  }
  done.file_name = W.file_name;
  done.file_size = W.file_size;
  done.file_mtime = W.file_mtime;
  done.scan_misses = ScanMisses(defines.found[k].macros, W.macro_list, 0);
  std::swap(done.log, W.apart);
  done.results = std::move(static_cast<RunTotals&>(W));
  static_cast<RunTotals&>(W) = RunTotals();
  return apart;
}

// Adds a file analysed apart to the run, as the serial run would have
// added it: its report text, its progress, its counters, its records and
// its work file lines.
void MergeApart(ApartFile& done, RunDefines& defines, Globals& G) {
  RunTotals& W = done.results;
  G.file_name = done.file_name;
  G.file_size = done.file_size;
  G.file_mtime = done.file_mtime;
  ShowProgress(G, done.log.progress);
  OutHeldText(G, done.text);
  G.files_processed += W.files_processed;
  G.run_failures += W.run_failures;
  AddCounters(G.totals, W.totals);
  G.c_source_count += W.c_source_count;
  G.cpp_source_count += W.cpp_source_count;
  G.c_header_count += W.c_header_count;
  G.cpp_header_count += W.cpp_header_count;
  G.java_file_count += W.java_file_count;
  G.other_file_count += W.other_file_count;
  for (int n = 0; n < 46; ++n) {
    Bump(G.notice_type_count[n], W.notice_type_count[n]);
  }
  AddCsvFileRows(done.log, G);
  G.csv_functions = W.csv_functions;
  for (NameData& notice : W.notice_list) {
    G.notice_list.push_back(std::move(notice));
  }
  const auto first_figure = static_cast<int32_t>(G.file_figures.size());
  for (IssuedNotice notice : W.issued_notices) {
    if (notice.file >= 0) notice.file += first_figure;
    G.issued_notices.push_back(notice);
  }
  for (FileFigures& figures : W.file_figures) {
    G.file_figures.push_back(std::move(figures));
  }
  for (const auto& entry : W.interface_index) {
    defines.merged_records.Add(entry.first);
  }
  {
    std::lock_guard<std::mutex> lock(defines.run_classes.mutex());
    MergeApartRecords(W, done.log, G);
  }
  if (G.work_file != nullptr && !done.work_text.empty()) {
    fwrite(done.work_text.data(), 1, done.work_text.size(), G.work_file.get());
  }
}

// The macro names the scan got wrong in the files merged so far, each
// once, with their hashes: the answers a later file was given about these
// names may be wrong, about any other name they are right.
class ScanMissSet {
 public:
  void Add(const std::vector<std::string>& misses) {
    for (const std::string& name : misses) {
      if (names_.insert(name).second) hashes_.push_back(HashName64(name));
    }
  }
  const std::vector<uint64_t>& hashes() const { return hashes_; }

 private:
  std::unordered_set<std::string> names_;
  std::vector<uint64_t> hashes_;
};

// The macro names of the files merged since the run's own were last
// brought up to date, one after the other: the run's names are wanted only
// by a file analysed again on the main thread, so they are added just
// before one, not after every file.
class UnaddedMacros {
 public:
  void Keep(const MacroNames& names) {
    for (size_t k = 0; k < names.size(); ++k) {
      text_.append(names.Name(k));
      ends_.emplace_back(text_.size(), names.Value(k));
    }
  }
  void AddTo(MacroNames& run) {
    size_t start = 0;
    for (const auto& [end, value] : ends_) {
      run.Add(std::string_view(text_).substr(start, end - start), value);
      start = end;
    }
    text_.clear();
    ends_.clear();
  }

 private:
  std::string text_;
  std::vector<std::pair<size_t, int>> ends_;  // each name's end, its value
};

// True when file `done` can be merged as analysed: it ended normally, every
// answer it was given about the run's names is the run's, and the run's
// CSV function statistics were empty at its start, as its own were.
bool Mergeable(const ApartFile& done, const ScanMissSet& misses,
               const Globals& G) {
  return !done.failed && G.csv_functions.count == 0 &&
         ApartAnswersHold(done.log, misses.hashes(), G);
}

// Report text the files waiting for the merge may hold before no more
// files are claimed: a few large reports must not fill the memory.
constexpr size_t kHeldTextLimit = size_t{64} << 20;

// Which files are claimed, analysed and merged; shared by the threads of
// a parallel run under `mutex`.
struct Schedule {
  std::mutex mutex;
  std::condition_variable file_ready;   // the merge waits for its file
  std::condition_variable window_open;  // workers wait for the merge
  std::vector<std::unique_ptr<ApartFile>> slots;
  std::vector<char> ready;
  size_t next = 0;    // the next file to claim
  size_t merged = 0;  // files merged so far
  size_t window = 0;  // files claimed at most this far ahead of the merge
  size_t merge_waits_for = SIZE_MAX;  // the file the merge waits for
  int workers_waiting = 0;
  bool stop = false;
  // Files merged, left for the workers to free: most of their memory
  // comes from the worker's own allocation arena.
  std::vector<std::unique_ptr<ApartFile>> merged_files;

  explicit Schedule(size_t count) : slots(count), ready(count, 0) {}
  size_t held_bytes = 0;  // report text of the files waiting for the merge
  // The file the merge needs next can always be claimed.
  bool CanClaim() const {
    return next < slots.size() && next < merged + window &&
           (held_bytes < kHeldTextLimit || next == merged);
  }
  // Hands file `k`'s results to the merge (lock held).
  void Publish(size_t k, std::unique_ptr<ApartFile> done) {
    held_bytes += done->text_bytes;
    slots[k] = std::move(done);
    ready[k] = 1;
    if (merge_waits_for == k) file_ready.notify_one();
  }
};

}  // namespace

bool ParallelRunWanted(const Globals& G) {
  return G.jobs > 1 && !G.debug_flag && !G.class_debug_flag &&
         !ListsOrConvertsFiles(G) && G.file_list.count() > 1;
}

void ProcessFilesParallel(Globals& G) {
  // A file's records are allocated on the thread that analyses it and
  // freed on another: memory that is kept for reuse rather than handed
  // back to the system spares the page faults of fetching it again.
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  std::vector<std::string> names;
  for (const NameData& entry : G.file_list) names.push_back(entry.name);
  const size_t count = names.size();
  const int threads =
      static_cast<int>(std::min<size_t>(static_cast<size_t>(G.jobs), count));
  RunDefines defines(count, threads, G);
  const RunSettings settings = G;
  FILE* const output = G.output;
  const bool work_file = G.work_file != nullptr;

  // The main thread merges the files in list order and, while the file it
  // needs next is not ready, analyses files too; the other threads only
  // analyse. Files are claimed at most `window` ahead of the merge, and
  // only while the report text waiting for the merge is below a limit:
  // memory stays bounded. 256 files a thread keep a worker from waiting
  // while the main thread analyses a long file of its own.
  Schedule schedule(count);
  schedule.window = static_cast<size_t>(threads) * 256;
  auto analyse = [&] {
    ReserveAllocationRoom();
    Analyst analyst(settings, output);
    std::vector<std::unique_ptr<ApartFile>> to_free;
    for (;;) {
      size_t k;
      {
        std::unique_lock<std::mutex> lock(schedule.mutex);
        while (!schedule.stop && schedule.next < count &&
               !schedule.CanClaim()) {
          ++schedule.workers_waiting;
          schedule.window_open.wait(lock);
          --schedule.workers_waiting;
        }
        if (schedule.stop || schedule.next >= count) return;
        k = schedule.next++;
        to_free.swap(schedule.merged_files);
      }
      to_free.clear();
      std::unique_ptr<ApartFile> done =
          AnalyseApart(names[k], k, analyst, work_file, defines);
      std::lock_guard<std::mutex> lock(schedule.mutex);
      schedule.Publish(k, std::move(done));
    }
  };
  std::vector<std::thread> pool = StartThreads(threads - 1, analyse);
  if (pool.empty()) {
    // No thread could be started: the files are analysed here, in order.
    for (const std::string& name : names) AnalyseListedFile(name, G);
    return;
  }
  auto stop_all = [&] {
    {
      std::lock_guard<std::mutex> lock(schedule.mutex);
      schedule.stop = true;
    }
    schedule.window_open.notify_all();
    for (std::thread& thread : pool) thread.join();
  };

  try {
    Analyst analyst(settings, output);
    ScanMissSet misses;
    UnaddedMacros unadded_macros;
    for (size_t k = 0; k < count; ++k) {
      std::unique_ptr<ApartFile> done;
      for (;;) {
        std::unique_lock<std::mutex> lock(schedule.mutex);
        if (schedule.ready[k] != 0) {
          done = std::move(schedule.slots[k]);
          break;
        }
        if (schedule.CanClaim()) {
          const size_t own = schedule.next++;
          lock.unlock();
          std::unique_ptr<ApartFile> mine =
              AnalyseApart(names[own], own, analyst, work_file, defines);
          lock.lock();
          schedule.Publish(own, std::move(mine));
          continue;
        }
        schedule.merge_waits_for = k;
        schedule.file_ready.wait(lock, [&] { return schedule.ready[k] != 0; });
        schedule.merge_waits_for = SIZE_MAX;
      }
      if (Mergeable(*done, misses, G)) {
        MergeApart(*done, defines, G);
        misses.Add(done->scan_misses);
        unadded_macros.Keep(done->results.macro_list);
      } else {
        // Analysed again here, against the run as it now stands: exactly
        // the serial run's analysis of the file.
        unadded_macros.AddTo(G.macro_list);
        const size_t defined_before = G.macro_list.size();
        {
          std::lock_guard<std::mutex> lock(defines.run_classes.mutex());
          AnalyseListedFile(names[k], G);
        }
        misses.Add(ScanMisses(defines.found[k].macros, G.macro_list,
                              defined_before));
      }
      // Nothing reads file k's scan after its merge.
      done->scanned = std::move(defines.found[k]);
      std::lock_guard<std::mutex> lock(schedule.mutex);
      schedule.held_bytes -= done->text_bytes;
      schedule.merged_files.push_back(std::move(done));
      schedule.merged = k + 1;
      if (schedule.workers_waiting > 0) schedule.window_open.notify_all();
    }
  } catch (...) {
    stop_all();
    throw;
  }
  stop_all();
}
