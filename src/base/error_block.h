// Error messages: every one is a block of lines laid out the same way,
//
//   (an empty line, unless left out)
//     Error: the first line
//            each further line, under the text of the first
//   (an empty line, when asked for)
//
// and goes to the output stream, or to a given stream (standard error).
#ifndef KLV_REPORTS_ERROR_BLOCK_H_
#define KLV_REPORTS_ERROR_BLOCK_H_

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/globals.h"

// How an error block is laid out; the defaults give the common form above.
// Set fields by name: OutError(G, {why}, {.label = "Memory Error",
// .blank_before = false}).
struct ErrorForm {
  // The word before the colon: "Error", "Memory Error", "Open Dir Error".
  std::string_view label = "Error";
  // Blanks before the label.
  int margin = 2;
  // Blanks before each further line; below 0 the further lines start under
  // the first line's text, at the margin plus the label plus ": ".
  int indent = -1;
  // An empty line before the block, and one after it.
  bool blank_before = true;
  bool blank_after = false;
  // Whether the last line ends with a line feed.
  bool line_end = true;
};

// The text of the block: the first of `lines` after the label, each further
// line indented (an empty one stays empty, without blanks).
std::string ErrorText(std::initializer_list<std::string_view> lines,
                      const ErrorForm& form = {});

// Writes the block to the run's output stream.
void OutError(ReportSink& G, std::initializer_list<std::string_view> lines,
              const ErrorForm& form = {});

// Writes the block straight to `stream`, for the messages that must not wait
// for the report (standard error, or standard output ahead of report text
// kept back). Text pending for the output stream is not handed over first.
void WriteError(FILE* stream, std::initializer_list<std::string_view> lines,
                const ErrorForm& form = {});

// "  Memory Error: " and the text of `error`, on the output stream.
void OutMemoryError(ReportSink& G, int error);

#endif  // KLV_REPORTS_ERROR_BLOCK_H_
