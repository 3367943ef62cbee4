// Test helper: the run's output stream sent to memory.
#ifndef KLV_TESTS_UNIT_OUTPUT_CAPTURE_H_
#define KLV_TESTS_UNIT_OUTPUT_CAPTURE_H_

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/globals.h"
#include "base/output.h"

// Sends G's output stream to memory while it lives; a stream the code under
// test installed meanwhile (-O) is left alone.
class OutputCapture {
 public:
  explicit OutputCapture(Globals& G) : G_(G) {
    memory_ = open_memstream(&buffer_, &size_);
    G_.output = memory_;
  }
  ~OutputCapture() {
    FlushOutput();
    if (G_.output == memory_) G_.output = stdout;
    fclose(memory_);
    free(buffer_);
  }
  OutputCapture(const OutputCapture&) = delete;
  OutputCapture& operator=(const OutputCapture&) = delete;

  // Everything written since the last call.
  std::string Take() {
    FlushOutput();
    fflush(memory_);
    std::string text(buffer_ + taken_, size_ - taken_);
    taken_ = size_;
    return text;
  }

 private:
  Globals& G_;
  FILE* memory_ = nullptr;
  char* buffer_ = nullptr;
  size_t size_ = 0;
  size_t taken_ = 0;
};

// What `show(G)` writes to the output stream.
template <typename Show>
std::string Capture(Globals& G, Show show) {
  OutputCapture capture(G);
  show(G);
  return capture.Take();
}

#endif  // KLV_TESTS_UNIT_OUTPUT_CAPTURE_H_
