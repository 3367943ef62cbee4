// Shared by the fuzz targets: runs the whole program in-process with its
// standard output caught in a file, and compares a run on two threads with
// the serial run of the same command line: the report, the files left in
// the working directory and the exit status must be the same bytes.
#ifndef KLV_FUZZ_PARALLEL_RUN_H_
#define KLV_FUZZ_PARALLEL_RUN_H_

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "driver/klv.h"

namespace fuzz {

// Every input file gets this modification time, so that the file dates the
// reports show do not depend on when the file was written.
constexpr time_t kFixedTime = 1577934245;  // 2020-01-02 03:04:05 UTC

inline void WriteFixedFile(const std::string& name, std::string_view text) {
  FILE* f = fopen(name.c_str(), "wb");
  if (f == nullptr) abort();
  if (!text.empty() && fwrite(text.data(), 1, text.size(), f) != text.size()) {
    abort();
  }
  const timespec times[2] = {{kFixedTime, 0}, {kFixedTime, 0}};
  if (futimens(fileno(f), times) != 0) abort();
  fclose(f);
}

inline std::string ReadWhole(const std::string& path) {
  std::string text;
  FILE* f = fopen(path.c_str(), "rb");
  if (f == nullptr) return "<unreadable>";
  char block[65536];
  size_t n;
  while ((n = fread(block, 1, sizeof block, f)) > 0) text.append(block, n);
  fclose(f);
  return text;
}

// The names and contents of the regular files of the working directory,
// in name order.
inline std::string DirectorySnapshot() {
  std::vector<std::string> names;
  if (DIR* dir = opendir(".")) {
    while (const dirent* entry = readdir(dir)) names.emplace_back(entry->d_name);
    closedir(dir);
  }
  std::sort(names.begin(), names.end());
  std::string snapshot;
  for (const std::string& name : names) {
    struct stat st;
    if (lstat(name.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    const std::string content = ReadWhole(name);
    snapshot += name + '\0' + std::to_string(content.size()) + '\0' + content;
  }
  return snapshot;
}

struct RunResult {
  int status = 0;
  std::string report;  // what went to standard output
  std::string files;   // the working directory afterwards

  bool operator==(const RunResult&) const = default;
};

// Runs klv with `args` (argv[0] first), its standard output going to the
// file `capture`, outside the working directory.
inline RunResult RunCaught(std::vector<std::string> args,
                           const std::string& capture) {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  fflush(stdout);
  const int saved = dup(STDOUT_FILENO);
  const int fd = open(capture.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (saved < 0 || fd < 0 || dup2(fd, STDOUT_FILENO) < 0) abort();
  close(fd);
  RunResult result;
  result.status = klv(static_cast<int>(args.size()), argv.data());
  fflush(stdout);
  if (dup2(saved, STDOUT_FILENO) < 0) abort();
  close(saved);
  result.report = ReadWhole(capture);
  result.files = DirectorySnapshot();
  return result;
}

// A run's result with every "-j 2" written "-j 1": reports that echo the
// command line (the syntax error screen, say) name the thread count, the
// one word the serial and the two-thread command lines differ in. Both
// results go through it, so text of the input itself compares alike.
inline RunResult AsSerial(RunResult run) {
  for (std::string* text : {&run.report, &run.files}) {
    for (size_t at = text->find("-j 2"); at != std::string::npos;
         at = text->find("-j 2", at + 4)) {
      text->replace(at, 4, "-j 1");
    }
  }
  return run;
}

// `args` with "-j N" put right after the program name.
inline std::vector<std::string> WithJobs(std::vector<std::string> args,
                                         const char* jobs) {
  args.insert(args.begin() + 1, {"-j", jobs});
  return args;
}

// Runs `args` in this process with KLVJOBS set to `jobs`: the thread count
// reaches the program without a word added to its command line, where an
// option reading words by position (-wx takes the last two) would see it.
inline RunResult RunWithJobsFromEnvironment(const std::vector<std::string>& args,
                                            const char* jobs,
                                            const std::string& capture) {
  setenv("KLVJOBS", jobs, 1);
  RunResult run = RunCaught(args, capture);
  unsetenv("KLVJOBS");
  return run;
}

// Whether this klv takes -j: a serial run of a small source with it ends
// with status 0 (without it, the option is refused with status 1).
inline bool JobsAccepted(const std::string& program,
                         const std::string& capture) {
  WriteFixedFile("probe.c", "int f(void)\n{\n  return 0;\n}\n");
  const RunResult run = RunCaught({program, "-j", "1", "-s", "probe.c"}, capture);
  unlink("probe.c");
  return run.status == 0 &&
         run.report.find("Command line parse error") == std::string::npos;
}

// Ends the fuzzing with the difference found: the serial and the
// two-thread run of `args` disagree.
[[noreturn]] inline void ReportMismatch(const std::vector<std::string>& args,
                                        const RunResult& serial,
                                        const RunResult& parallel) {
  fprintf(stderr, "serial and two-thread runs differ:");
  for (const std::string& arg : args) fprintf(stderr, " '%s'", arg.c_str());
  fprintf(stderr, "\n  status %d and %d; report %s; files %s\n", serial.status,
          parallel.status,
          serial.report == parallel.report ? "equal" : "differs",
          serial.files == parallel.files ? "equal" : "differ");
  abort();
}

// True when `words` (argv[0] first) can give the same bytes twice: -b
// reports processor times.
inline bool Reproducible(const std::vector<std::string>& words) {
  for (size_t k = 1; k < words.size(); ++k) {
    const std::string& w = words[k];
    if (w == "--") break;
    if (w.size() > 1 && w[0] == '-' && w[1] != '-' &&
        w.find('b') != std::string::npos) {
      return false;
    }
  }
  return true;
}

}  // namespace fuzz

#endif  // KLV_FUZZ_PARALLEL_RUN_H_
