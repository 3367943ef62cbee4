#include "base/scanner.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "base/error_block.h"
#include "base/output.h"

namespace {

// Token readers give up at these positions: a line never holds more than
// 4,094 characters, so reaching them means the text has no line end.
constexpr int kSkipLimit = 4095;
constexpr int kCopyLimit = 4094;

void LineLengthError() {
  FlushOutput();  // after the report text written before it
  WriteError(stdout, {"Unexpected line length with no line feed"},
             {.blank_before = false, .line_end = false});
}

// The skipping shared by both token readers: blanks and TABs, then one
// /* */ comment. Returns the position of the token, or -1 when there is
// none (line end, //, unclosed comment or the length guard).
int SkipToToken(const char* line, int pos) {
  while (IsBlankOrTab(line[pos])) {
    if (++pos >= kSkipLimit) {
      LineLengthError();
      return -1;
    }
  }
  const char c = line[pos];
  if (c == '\n' || c == '\r') return -1;
  if (c == '/' && line[pos + 1] == '/') return -1;
  if (c == '/' && line[pos + 1] == '*') {
    pos += 2;
    while (!(line[pos] == '*' && line[pos + 1] == '/')) {
      if (IsLineEnd(line[pos])) return -1;
      if (++pos >= kSkipLimit) {
        LineLengthError();
        return -1;
      }
    }
    pos += 2;
  }
  return pos;
}

// The characters that end a token: a table per stop set, the line ends
// (terminator, LF, CR) included.
using StopTable = std::array<bool, 256>;

constexpr StopTable MakeStops(std::string_view stops) {
  StopTable table{};
  table[0] = table['\n'] = table['\r'] = true;
  for (const char c : stops) table[static_cast<unsigned char>(c)] = true;
  return table;
}

constexpr StopTable kRawTokenStops = MakeStops(" \t");
constexpr StopTable kTokenStops = MakeStops(" \t()/:;{");

// The end of the token at `pos`: the first stop character; -1 when the
// length guard stopped it.
int TokenEnd(const char* line, int pos, const StopTable& stops) {
  while (!stops[static_cast<unsigned char>(line[pos])]) {
    if (++pos >= kCopyLimit) {
      LineLengthError();
      return -1;
    }
  }
  return pos;
}

}  // namespace

bool IsEscapedQuote(const char* line, int i) {
  int count = 0;
  for (int k = i - 1; k >= 0 && line[k] == '\\'; --k) ++count;
  return (count & 1) != 0;
}

bool GetNextRawToken(const char* line, int pos, std::string& out) {
  out.clear();
  if (line == nullptr) return false;
  pos = SkipToToken(line, pos);
  if (pos < 0) return false;
  const int end = TokenEnd(line, pos, kRawTokenStops);
  if (end < 0) return false;
  out.assign(line + pos, static_cast<size_t>(end - pos));
  return true;
}

std::string_view NextTokenView(const char* line, int pos) {
  if (line == nullptr) return {};
  pos = SkipToToken(line, pos);
  if (pos < 0) return {};
  const int end = TokenEnd(line, pos, kTokenStops);
  if (end < 0) return {};
  return std::string_view(line + pos, static_cast<size_t>(end - pos));
}

int GetNextToken(const char* line, int pos, std::string& out) {
  const std::string_view token = NextTokenView(line, pos);
  out.assign(token);
  return !token.empty() && isfirstchar(static_cast<unsigned char>(token[0]))
             ? 1
             : 0;
}

int NextCodeIndex(const char* line, int pos) {
  for (;;) {
    while (IsBlankOrTab(line[pos])) ++pos;
    if (line[pos] != '/' || line[pos + 1] != '*') return pos;
    int k = pos + 2;
    while (!(line[k] == '*' && line[k + 1] == '/')) {
      if (line[k] == '\0' || line[k] == '\n') return k;
      ++k;
    }
    pos = k + 2;
  }
}

int NextChar(const char* p) {
  if (p == nullptr) return '\0';
  const int k = NextCodeIndex(p, 0);
  if (p[k] == '/' && p[k + 1] == '/') return '\n';
  return static_cast<unsigned char>(p[k]);
}

int FindCodeCharAt(const char* p, int c, bool* crossed_comment) {
  if (crossed_comment != nullptr) *crossed_comment = false;
  if (p == nullptr) return -1;
  for (int k = 0;; ++k) {
    const char ch = p[k];
    if (IsLineEnd(ch)) return -1;
    if (static_cast<unsigned char>(ch) == c) return k;
    if (ch == '/' && (p[k + 1] == '/' || p[k + 1] == '*')) {
      if (crossed_comment != nullptr) *crossed_comment = true;
      k += 2;
      while (!(p[k] == '*' && p[k + 1] == '/')) {
        if (IsLineEnd(p[k])) return -1;
        ++k;
      }
      ++k;  // the loop's step moves past the '/'
    }
  }
}

int FindCodeChar(const char* p, int c) {
  return FindCodeCharAt(p, c, nullptr) >= 0 ? 1 : 0;
}

int SingleChar(const char* line, int c) {
  if (line == nullptr) return 0;
  int k = SkipBlanks(line, 0);
  if (static_cast<unsigned char>(line[k]) != c || c == '\0') return 0;
  ++k;
  while (IsBlankOrTab(line[k]) || line[k] == ';') ++k;
  return IsLineEnd(line[k]) ? 1 : 0;
}

int KeywordTermin(const char* line, int pos, int* count, int c1, int c2) {
  if (line == nullptr) return 0;
  const char c = line[SkipBlanks(line, pos)];
  const int u = static_cast<unsigned char>(c);
  if ((u == c1 || u == c2) && c != '\0') {
    if (count != nullptr) ++*count;
    return 1;
  }
  if (c == '\n' || c == '\r') {
    if (count != nullptr) ++*count;
    return 1;
  }
  return 0;
}

int isfirstchar(int c) {
  return (c >= 0 && c < 256 && isalpha(c)) || c == '_' || c == '~' ? 1 : 0;
}

int is_operator(int c) {
  return c != '\0' && strchr("!%&(*+,-/<=>[^dn|~", c) != nullptr ? 1 : 0;
}

int IsUpperCase(const char* s) {
  if (s == nullptr) return 1;
  for (; *s != '\0' && *s != '\n'; ++s) {
    if (islower(static_cast<unsigned char>(*s))) return 0;
  }
  return 1;
}
