#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

#include "base/output.h"
#include "reports/framing.h"

void ShowStateLine(ReportSink& G, int line_number, const char* label) {
  // " <label> Line: <n> ", cut at 127 characters, centred in 72 dashes.
  // Built in a buffer kept between calls (one per thread): the markers
  // frame every function of a notice report.
  thread_local std::string middle;
  char digits[16];
  const char* digits_end =
      std::to_chars(digits, digits + sizeof digits, line_number).ptr;
  middle.assign(1, ' ');
  middle += label;
  middle += " Line: ";
  middle.append(digits, static_cast<size_t>(digits_end - digits));
  middle += ' ';
  if (middle.size() > 127) middle.resize(127);
  const int length = static_cast<int>(middle.size());
  const int lead = std::max(0, 36 - length / 2);
  const int trail = std::max(0, 72 - lead - length);
  static const std::string dashes(72, '-');
  const std::string_view rule(dashes);
  OutPieces(G, {strstr(label, "End") != nullptr ? "  " : "\n  ",
                rule.substr(0, static_cast<size_t>(lead)), middle,
                rule.substr(0, static_cast<size_t>(trail)), "\n"});
}
