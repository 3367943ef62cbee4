// Fuzz target: arbitrary bytes as a source file, through the whole program
// with every report option the command line offers, through the file
// conversion, and through the line parser with and without the fast
// paths of its scan, which must agree.
//
// The first byte chooses the run: bits 0-1 the file's language (.c, .cpp,
// .h, .java), bit 2 HTML output, bits 3-4 extraction of strings or
// comments or CSV output, bits 5-7 the conversions -Dt, -Du and -Dd.
//
// Once the program takes -j, the input also goes in three files (its first
// half, the whole, its second half, so that what one file #defines or
// opens reaches the next) through a serial run and a run on two threads,
// which must write the same report and end with the same status.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/line_parser.h"
#include "base/globals.h"
#include "base/output.h"
#include "driver/klv.h"
#include "driver/options.h"
#include "parallel_run.h"

namespace {

void WriteInput(const std::string& path, const uint8_t* data, size_t size) {
  FILE* f = fopen(path.c_str(), "wb");
  if (f == nullptr) abort();
  if (size > 0 && fwrite(data, 1, size, f) != size) abort();
  fclose(f);
}

int RunProgram(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  return klv(static_cast<int>(args.size()), argv.data());
}

// The line parser's view of the input with the fast paths on or off: the
// counters, the lexical state and everything printed.
std::string ParseAll(const uint8_t* data, size_t size, uint8_t mode,
                     bool fast) {
  SetLineScanFastPaths(fast);
  Globals G;
  Init_Globals(G);
  char* text = nullptr;
  size_t text_size = 0;
  FILE* out = open_memstream(&text, &text_size);
  G.output = out;
  G.parse.c_file = (mode & 3) == 0;
  G.parse.cpp_file = (mode & 3) == 1 || (mode & 3) == 2;
  G.parse.java_file = (mode & 3) == 3;
  G.notice_flag = 1;
  G.line_display_flag = 1;
  G.html_flag = (mode >> 2) & 1;
  G.extract_strings = (mode >> 3) & 1;
  G.extract_comments = (mode >> 4) & 1;
  G.parse.local_brace = (mode >> 5) & 3;
  std::string line;
  size_t k = 0;
  // Classes nested beyond their limit end the run (ExitRequest), in both
  // scans alike.
  try {
    while (k < size) {
      // Lines as the driver cuts them: up to a line feed or 4,094 bytes,
      // without NUL bytes (the driver's C strings end there).
      line.clear();
      while (k < size && line.size() < 4094) {
        const char c = static_cast<char>(data[k++]);
        if (c != '\0') line += c;
        if (c == '\n') break;
      }
      Bump(G.metrics.lines, 1);
      ParseLine(line.c_str(), G.metrics.lines, G);
    }
  } catch (const ExitRequest&) {
  }
  FlushOutput();
  fclose(out);
  std::string result(reinterpret_cast<const char*>(&G.metrics),
                     sizeof G.metrics);
  const FileState& P = G.parse;
  for (int v : {P.in_c_comment, P.in_line_comment, P.in_string, P.in_char,
                P.local_paren, P.control_kind, P.control_body_line,
                P.enum_state, P.pointer_marker}) {
    result += std::to_string(v) + ",";
  }
  result.append(text, text_size);
  free(text);
  SetLineScanFastPaths(true);
  return result;
}

std::string capture;        // standard output of a compared run
bool compare_jobs = false;  // the program takes -j

// The input split over three files, analysed serially and on two threads.
void CompareParallel(const uint8_t* data, size_t size, uint8_t mode,
                     const std::string& ext) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string first = "first" + ext;
  const std::string whole = "whole" + ext;
  const std::string second = "second" + ext;
  fuzz::WriteFixedFile(first, text.substr(0, size / 2));
  fuzz::WriteFixedFile(whole, text);
  fuzz::WriteFixedFile(second, text.substr(size / 2));
  std::vector<std::string> args = {"klv", "-v", "-c", "-f", "-n", "-o", "-i"};
  if (mode & 4) args.push_back("-H");
  switch ((mode >> 3) & 3) {
    case 1: args.push_back("-Es"); break;
    case 2: args.push_back("-Ec"); break;
    case 3: args.insert(args.begin() + 1, "-A"); break;
  }
  args.insert(args.end(), {first, whole, second});
  const fuzz::RunResult serial =
      fuzz::AsSerial(fuzz::RunCaught(fuzz::WithJobs(args, "1"), capture));
  const std::vector<std::string> parallel_args = fuzz::WithJobs(args, "2");
  const fuzz::RunResult parallel =
      fuzz::AsSerial(fuzz::RunCaught(parallel_args, capture));
  if (!(serial == parallel)) {
    fuzz::ReportMismatch(parallel_args, serial, parallel);
  }
  for (const std::string& name : {first, whole, second}) unlink(name.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Work in a directory of our own, and let the reports go nowhere.
  char dir[] = "/tmp/klv-fuzz-XXXXXX";
  if (mkdtemp(dir) == nullptr || chdir(dir) != 0) abort();
  const int null_fd = open("/dev/null", O_WRONLY);
  if (null_fd < 0 || dup2(null_fd, STDOUT_FILENO) < 0) abort();
  close(null_fd);
  unsetenv("KLVDEBUG");
  unsetenv("KLVJOBS");
  // The run date is fixed, so that two runs can give the same bytes.
  setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  capture = std::string(dir) + ".out";
  compare_jobs = fuzz::JobsAccepted("klv", capture);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  ++data;
  --size;

  static const char* const kNames[] = {"input.c", "input.cpp", "input.h",
                                       "Input.java"};
  const std::string name = kNames[mode & 3];
  WriteInput(name, data, size);

  std::vector<std::string> args = {"klv", "-v", "-a", "-c", "-d", "-f", "-n",
                                   "-s"};
  if (mode & 4) args.push_back("-H");
  switch ((mode >> 3) & 3) {
    case 1: args.push_back("-Es"); break;
    case 2: args.push_back("-Ec"); break;
    case 3: args.insert(args.begin() + 1, "-A"); break;
  }
  args.push_back(name);
  RunProgram(args);

  if (mode & 0xe0) {
    std::vector<std::string> convert = {"klv"};
    if (mode & 0x20) convert.push_back("-Dt");
    if (mode & 0x40) convert.push_back("-Du");
    if (mode & 0x80) convert.push_back("-Dd");
    convert.push_back(name);
    RunProgram(convert);
  }
  unlink(name.c_str());
  unlink((name + ".tmp").c_str());

  if (compare_jobs) {
    static const char* const kExtensions[] = {".c", ".cpp", ".h", ".java"};
    CompareParallel(data, size, mode, kExtensions[mode & 3]);
  }

  if (ParseAll(data, size, mode, true) != ParseAll(data, size, mode, false)) {
    fprintf(stderr, "the fast paths of the line scan disagree\n");
    abort();
  }
  return 0;
}
