// The one-pass line parser: classifies and counts every physical line of a
// source file and hands code characters to the recognisers.
#ifndef KLV_ANALYSIS_LINE_PARSER_H_
#define KLV_ANALYSIS_LINE_PARSER_H_

#include <string_view>

#include "base/globals.h"

// Parses one line as read (with its line end, at most 4,094 characters):
// `line` holds no NUL and a terminator follows it.
void ParseLine(std::string_view line, int line_number, Globals& G);

// Closes the open comment run: no line follows.
void EndCommentRun(SharedScopeState& P);

// The same for a NUL-terminated line. A null line only closes the open
// comment run.
inline void ParseLine(const char* line, int line_number, Globals& G) {
  if (line == nullptr) {
    EndCommentRun(G.parse);
  } else {
    ParseLine(std::string_view(line), line_number, G);
  }
}

// The line scan takes runs of characters that only need bookkeeping in one
// step. Switching that off leaves every character to the general rules, so
// tests can check that both give the same analysis.
void SetLineScanFastPaths(bool on);

// The debug trace (KLVDEBUG) of a brace or parenthesis `ch` that opens
// (`begin` 1) or closes (0) an element: the scope state after it.
void TRACE(char ch, int begin, Globals& G);

#endif  // KLV_ANALYSIS_LINE_PARSER_H_
