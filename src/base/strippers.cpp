#include "base/strippers.h"

#include <cctype>
#include <cstring>

#include "base/scanner.h"

namespace {

// True when `word` starts at k as a whole word followed by a blank or TAB.
bool WordBeforeBlank(std::string_view s, size_t k, std::string_view word) {
  if (s.size() - k <= word.size() || s[k] != word[0]) return false;
  if (s.compare(k, word.size(), word) != 0) return false;
  if (k > 0 && IsNameChar(s[k - 1])) return false;
  return IsBlankOrTab(s[k + word.size()]);
}

}  // namespace

void StripCComment(std::string& s) {
  size_t from = 0;
  for (;;) {
    const size_t open = s.find("/*", from);
    if (open == std::string::npos) return;
    const size_t close = s.find("*/", open + 2);
    if (close == std::string::npos) {
      s.resize(open);
      return;
    }
    s.erase(open, close + 2 - open);
    // Removing a comment can join a '/' and a '*' into a new opener.
    from = open > 0 ? open - 1 : 0;
  }
}

void StripCPPComment(std::string& s) {
  const size_t at = s.find("//");
  if (at != std::string::npos) s.resize(at);
}

void StripChars(std::string& s, const char* delims) {
  auto is_delim = [delims](char c) {
    return c != '\0' && strchr(delims, c) != nullptr;
  };
  std::string out;
  size_t k = 0;
  while (k < s.size()) {
    while (k < s.size() && is_delim(s[k])) ++k;
    const size_t start = k;
    while (k < s.size() && !is_delim(s[k])) ++k;
    if (k > start) {
      if (!out.empty()) out += ' ';
      out.append(s, start, k - start);
    }
  }
  if (!out.empty()) s = std::move(out);
}

void StripStrings(std::string& s, const char* words) {
  std::string out;
  bool first = true;
  size_t k = 0;
  auto is_split = [](char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
  };
  while (k < s.size()) {
    while (k < s.size() && is_split(s[k])) ++k;
    const size_t start = k;
    while (k < s.size() && !is_split(s[k])) ++k;
    if (k == start) break;
    const std::string piece = s.substr(start, k - start);
    if (strstr(words, piece.c_str()) == nullptr) {
      if (!first) out += ' ';
      out += piece;
    }
    first = false;
  }
  s = std::move(out);
}

void StripImplements(std::string& s) {
  const size_t impl = s.find("implements");
  if (impl == std::string::npos) return;
  const size_t ext = s.find("extends");
  if (ext == std::string::npos || ext < impl) {
    s.resize(impl);
  } else {
    s.erase(0, ext);
  }
}

void FormatTemplateLine(std::string& s) {
  if (s.size() > 4094) return;
  std::string out;
  size_t k = 0;
  while (k < s.size()) {
    if (WordBeforeBlank(s, k, "class")) {
      k += 5;
    } else if (WordBeforeBlank(s, k, "typename")) {
      k += 8;
    } else if (WordBeforeBlank(s, k, "operator")) {
      out += "operator ";
      k += 8;
    } else {
      if (!IsBlankOrTab(s[k])) out += s[k];
      ++k;
    }
  }
  s = std::move(out);
}

std::string Strip_nrt(const char* s) {
  std::string out;
  if (s == nullptr) return out;
  for (; *s != '\0' && out.size() < 4093; ++s) {
    const char c = *s;
    if (c == '\t' || c == '\n' || c == '\r' || c == '{') continue;
    out += c;
    if (c == ',' && out.size() < 4093) out += ' ';
  }
  return out;
}

void Lefttrim(std::string& s) {
  size_t k = 0;
  while (k < s.size() && IsBlankOrTab(s[k])) ++k;
  s.erase(0, k);
}

const char* Ltrim(const char* s) {
  if (s == nullptr) return s;
  while (IsBlankOrTab(*s)) ++s;
  return s;
}

void Rtrim(std::string& s) {
  size_t end = s.size();
  while (end > 1 && (IsBlankOrTab(s[end - 1]) || s[end - 1] == '\n' ||
                     s[end - 1] == '\r')) {
    --end;
  }
  s.resize(end);
}
