#include "driver/parallel_run.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "driver/define_scan.h"
#include "driver/file_analysis.h"
#include "notices/emit.h"
#include "recognise/run_names.h"
#include "base/output.h"
#include "reports/summaries.h"

namespace {

// One file analysed apart, waiting for its merge.
struct ApartFile {
  std::unique_ptr<Globals> state;
  std::string text;       // its report text
  std::string work_text;  // its work file lines
  bool failed = false;    // the analysis ended in an exception
};

// The names the files of the run define, by the first file defining each.
struct RunDefines {
  DefineIndex macros;
  DefineIndex namespaces;
};

// Starts up to `threads` threads running `body`; fewer when the system
// refuses more (a thread limit), none at all in the worst case.
template <class Body>
std::vector<std::thread> StartThreads(int threads, Body& body) {
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; ++t) {
    try {
      pool.emplace_back(body);
    } catch (const std::system_error&) {
      break;
    }
  }
  return pool;
}

// Runs `work(k)` for k = 0 .. count-1 on up to `threads` threads; the
// calling thread takes its share too, so the work is done even when no
// thread can be started.
template <class Work>
void ForEachOnThreads(int threads, size_t count, Work work) {
  std::atomic<size_t> next{0};
  auto body = [&] {
    for (size_t k = next++; k < count; k = next++) work(k);
  };
  std::vector<std::thread> pool = StartThreads(threads - 1, body);
  body();
  for (std::thread& thread : pool) thread.join();
}

RunDefines ScanRunDefines(const std::vector<std::string>& names, int threads,
                          const Globals& G) {
  std::vector<FileDefines> found(names.size());
  ForEachOnThreads(threads, names.size(),
                   [&](size_t k) { found[k] = ScanDefines(names[k]); });
  RunDefines defines;
  for (size_t k = 0; k < G.macro_list.size(); ++k) {
    defines.macros.AddKnown(G.macro_list.Name(k));
  }
  for (const std::string& name : G.namespace_names) {
    defines.namespaces.AddKnown(name);
  }
  for (size_t k = 0; k < found.size(); ++k) {
    for (const std::string& name : found[k].macros) {
      defines.macros.AddDefined(name, k);
    }
    for (const std::string& name : found[k].namespaces) {
      defines.namespaces.AddDefined(name, k);
    }
  }
  return defines;
}

// Analyses file `k` apart, with a copy of the run's settings; its report
// text is held back on this thread and taken with it.
ApartFile AnalyseApart(const std::string& name, size_t k,
                       const RunSettings& settings, FILE* output,
                       bool work_file, const RunDefines& defines) {
  ApartFile done;
  done.state = std::make_unique<Globals>();
  Globals& W = *done.state;
  static_cast<RunSettings&>(W) = settings;
  W.output = output;  // never written here: the text is held back
  W.apart.active = true;
  W.apart.file_index = k;
  W.apart.macros_before = &defines.macros;
  W.apart.namespaces_before = &defines.namespaces;
  char* work_buffer = nullptr;
  size_t work_size = 0;
  if (work_file) W.work_file.reset(open_memstream(&work_buffer, &work_size));
  try {
    AnalyseListedFile(name, W);
  } catch (...) {
    done.failed = true;
  }
  done.text = TakeHeldOutput();
  if (W.work_file != nullptr) {
    W.work_file.reset();  // closing it completes the buffer
    if (work_buffer != nullptr) done.work_text.assign(work_buffer, work_size);
  }
  free(work_buffer);
  return done;
}

// Adds a file analysed apart to the run, as the serial run would have
// added it: its report text, its progress, its counters, its records and
// its work file lines.
void MergeApart(ApartFile& done, Globals& G) {
  Globals& W = *done.state;
  G.file_name = W.file_name;
  G.file_size = W.file_size;
  G.file_mtime = W.file_mtime;
  ShowProgress(G, W.apart.progress);
  OutText(G, done.text);
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
  AddCsvFileRows(W.apart, G);
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
  MergeApartRecords(W, G);
  if (G.work_file != nullptr && !done.work_text.empty()) {
    fwrite(done.work_text.data(), 1, done.work_text.size(), G.work_file.get());
  }
}

// True when file `done` can be merged as analysed: it ended normally, every
// answer it was given about the run's names is the run's, and the run's
// CSV function statistics were empty at its start, as its own were.
bool Mergeable(const ApartFile& done, const Globals& G) {
  return !done.failed && G.csv_functions.count == 0 &&
         ApartAnswersHold(*done.state, G);
}

}  // namespace

bool ParallelRunWanted(const Globals& G) {
  return G.jobs > 1 && !G.debug_flag && !G.class_debug_flag &&
         !G.print_flag && !G.convert_flag && !G.convert_tabs &&
         !G.convert_unix && !G.convert_dos && G.file_list.count() > 1;
}

void ProcessFilesParallel(Globals& G) {
  std::vector<std::string> names;
  for (const NameData& entry : G.file_list) names.push_back(entry.name);
  const size_t count = names.size();
  const int threads =
      static_cast<int>(std::min<size_t>(static_cast<size_t>(G.jobs), count));
  const RunDefines defines = ScanRunDefines(names, threads, G);
  GetNoticeStr(1, G);  // the notice texts are formatted once, here
  const RunSettings settings = G;
  FILE* const output = G.output;
  const bool work_file = G.work_file != nullptr;

  // Files are analysed at most `window` ahead of the merge, which bounds
  // the report text held in memory.
  const size_t window = static_cast<size_t>(threads) * 8;
  std::vector<ApartFile> slots(count);
  std::vector<char> ready(count, 0);
  std::mutex mutex;
  std::condition_variable analysed;
  std::condition_variable merged_more;
  size_t merged = 0;
  bool stop = false;
  std::atomic<size_t> next{0};

  auto analyse = [&] {
    HoldOutput();
    for (size_t k = next++; k < count; k = next++) {
      {
        std::unique_lock<std::mutex> lock(mutex);
        merged_more.wait(lock, [&] { return stop || k < merged + window; });
        if (stop) return;
      }
      ApartFile done =
          AnalyseApart(names[k], k, settings, output, work_file, defines);
      {
        std::lock_guard<std::mutex> lock(mutex);
        slots[k] = std::move(done);
        ready[k] = 1;
      }
      analysed.notify_all();
    }
  };
  std::vector<std::thread> pool = StartThreads(threads, analyse);
  if (pool.empty()) {
    // No thread could be started: the files are analysed here, in order.
    for (const std::string& name : names) AnalyseListedFile(name, G);
    return;
  }
  auto stop_all = [&] {
    {
      std::lock_guard<std::mutex> lock(mutex);
      stop = true;
    }
    merged_more.notify_all();
    for (std::thread& thread : pool) thread.join();
  };

  try {
    for (size_t k = 0; k < count; ++k) {
      ApartFile done;
      {
        std::unique_lock<std::mutex> lock(mutex);
        analysed.wait(lock, [&] { return ready[k] != 0; });
        done = std::move(slots[k]);
      }
      if (Mergeable(done, G)) {
        MergeApart(done, G);
      } else {
        // Analysed again here, against the run as it now stands: exactly
        // the serial run's analysis of the file.
        AnalyseListedFile(names[k], G);
      }
      done = ApartFile();
      {
        std::lock_guard<std::mutex> lock(mutex);
        merged = k + 1;
      }
      merged_more.notify_all();
    }
  } catch (...) {
    stop_all();
    throw;
  }
  stop_all();
}
