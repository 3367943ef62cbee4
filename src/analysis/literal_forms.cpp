#include "analysis/literal_forms.h"

#include "base/scanner.h"

namespace {

constexpr int kMaxRawDelimiter = 16;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A character a raw string delimiter may not hold.
bool EndsDelimiter(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '(' ||
         c == ')' || c == '\\' || c == '"' || IsLineEnd(c);
}

}  // namespace

bool OpensRawString(const char* line, int quote, std::string& delimiter,
                    int& open_paren) {
  int k = quote - 1;
  if (k < 0 || line[k] != 'R') return false;
  --k;
  // The encoding prefix, if any, before the R.
  if (k >= 1 && line[k] == '8' && line[k - 1] == 'u') {
    k -= 2;
  } else if (k >= 0 && (line[k] == 'L' || line[k] == 'u' || line[k] == 'U')) {
    --k;
  }
  if (k >= 0 && IsNameChar(line[k])) return false;  // part of a longer name
  int end = quote + 1;
  while (end - quote - 1 <= kMaxRawDelimiter && !EndsDelimiter(line[end])) {
    ++end;
  }
  if (line[end] != '(' || end - quote - 1 > kMaxRawDelimiter) return false;
  delimiter.assign(line + quote + 1, static_cast<size_t>(end - quote - 1));
  open_paren = end;
  return true;
}

bool ClosesRawString(const char* line, int quote, const std::string& delimiter,
                     int open_paren) {
  const int paren = quote - 1 - static_cast<int>(delimiter.size());
  if (paren <= open_paren || line[paren] != ')') return false;
  return delimiter.compare(0, delimiter.size(), line + paren + 1,
                           delimiter.size()) == 0;
}

bool OpensTextBlock(const char* line, int quote) {
  if (line[quote + 1] != '"' || line[quote + 2] != '"') return false;
  return IsLineEnd(line[SkipBlanks(line, quote + 3)]);
}

bool IsDigitSeparator(const char* line, int i) {
  if (i == 0 || !IsNameChar(line[i - 1]) || !IsNameChar(line[i + 1])) {
    return false;
  }
  // Back to the start of the token: letters, digits, '_', '.' and earlier
  // separators belong to a number.
  int start = i - 1;
  while (start > 0 && (IsNameChar(line[start - 1]) || line[start - 1] == '.' ||
                       line[start - 1] == '\'')) {
    --start;
  }
  if (line[start] == '.') ++start;
  return IsDigit(line[start]);
}
