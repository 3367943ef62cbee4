// Test support: a Globals whose report output is captured in memory.
#ifndef KLV_TESTS_UNIT_CAPTURE_H_
#define KLV_TESTS_UNIT_CAPTURE_H_

#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver/globals.h"
#include "reports/output.h"

class Captured {
 public:
  Captured() {
    Init_Globals(G);
    stream_ = open_memstream(&buffer_, &size_);
    G.output = stream_;
  }
  ~Captured() {
    FlushOutput();
    if (stream_ != nullptr) fclose(stream_);
    free(buffer_);
  }
  Captured(const Captured&) = delete;
  Captured& operator=(const Captured&) = delete;

  // Everything written to the output stream so far.
  std::string Text() {
    FlushOutput();
    fflush(stream_);
    return std::string(buffer_, size_);
  }

  Globals G;

 private:
  FILE* stream_ = nullptr;
  char* buffer_ = nullptr;
  size_t size_ = 0;
};

#endif  // KLV_TESTS_UNIT_CAPTURE_H_
