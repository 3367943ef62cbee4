// Helpers shared by the unit tests: a run-wide record whose report output
// is captured, and feeding lines through the line parser.
#ifndef KLV_TESTS_UNIT_TEST_SUPPORT_H_
#define KLV_TESTS_UNIT_TEST_SUPPORT_H_

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "analysis/line_parser.h"
#include "base/globals.h"
#include "base/output.h"

// A Globals with defaults whose output stream is kept in memory.
class CapturedRun {
 public:
  CapturedRun() {
    Init_Globals(G);
    stream_ = open_memstream(&buffer_, &size_);
    G.output = stream_;
  }
  CapturedRun(const CapturedRun&) = delete;
  CapturedRun& operator=(const CapturedRun&) = delete;
  ~CapturedRun() {
    FlushOutput();
    fclose(stream_);
    free(buffer_);
  }

  // Everything written to the output stream so far.
  std::string Output() {
    FlushOutput();
    fflush(stream_);
    return std::string(buffer_, size_);
  }

  // Parses `lines` (each given without its line end) as the lines of one
  // file, numbered from the current line count on.
  void Parse(const std::vector<std::string>& lines) {
    for (const std::string& text : lines) {
      const std::string line = text + "\n";
      Bump(G.metrics.lines, 1);
      ParseLine(line.c_str(), G.metrics.lines, G);
    }
  }

  Globals G;

 private:
  char* buffer_ = nullptr;
  size_t size_ = 0;
  FILE* stream_ = nullptr;
};

#endif  // KLV_TESTS_UNIT_TEST_SUPPORT_H_
