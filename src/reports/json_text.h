// Writing JSON text: strings from the bytes klv reads, numbers, and a sink
// that hands the text to a file in large blocks.
#ifndef KLV_REPORTS_JSON_TEXT_H_
#define KLV_REPORTS_JSON_TEXT_H_

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// `bytes` as a quoted JSON string. Valid UTF-8 is kept as it is; quotes,
// backslashes and control characters are escaped; each byte that is not
// part of a valid UTF-8 sequence is written as the escape \u00XX of the
// character with its number (as Latin-1 reads it), so nothing is dropped
// and the text stays valid UTF-8.
std::string JsonString(std::string_view bytes);

// `bytes` as a URI path: unreserved characters and '/' stay, every other
// byte is written as %XX.
std::string UriPath(std::string_view bytes);

// Time as "YYYY-MM-DDTHH:MM:SSZ" (UTC).
std::string IsoTime(int64_t seconds);

// Collects text and hands it to `file` in blocks of about 64 KiB; with no
// file it only collects (for tests). The first write error is kept.
struct TextSink {
  FILE* file = nullptr;
  std::string text;
  int error = 0;

  void Put(std::string_view piece);
  void Flush();
};

#endif  // KLV_REPORTS_JSON_TEXT_H_
