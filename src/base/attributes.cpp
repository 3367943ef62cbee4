#include "base/attributes.h"

#include <cstring>
#include <string_view>

#include "base/scanner.h"

namespace {

// The index after the bracket that balances the one at `open` ('[' or
// '('), or -1 when the line ends first.
int AfterBalanced(const char* line, int open) {
  const char up = line[open];
  const char down = up == '[' ? ']' : ')';
  int depth = 0;
  for (int k = open; !IsLineEnd(line[k]); ++k) {
    if (line[k] == up) ++depth;
    if (line[k] == down && --depth == 0) return k + 1;
  }
  return -1;
}

// The length of the word alignas or _Alignas at `p`, or 0.
int AlignasWord(const char* p) {
  for (const char* word : {"alignas", "_Alignas"}) {
    const size_t n = strlen(word);
    if (strncmp(p, word, n) == 0 && !IsNameChar(p[n])) {
      return static_cast<int>(n);
    }
  }
  return 0;
}

// The words before a '(' that holds no parameter list.
constexpr std::string_view kOperandWords[] = {
    "decltype", "noexcept",  "sizeof",     "alignof",       "_Alignof",
    "typeof",   "__typeof__", "__typeof", "__attribute__", "__attribute",
};

}  // namespace

int SkipAttributes(const char* line, int pos) {
  for (;;) {
    const int at = NextCodeIndex(line, pos);
    int after = -1;
    if (line[at] == '[' && line[at + 1] == '[') {
      after = AfterBalanced(line, at);
    } else if (const int word = AlignasWord(line + at); word > 0) {
      const int paren = NextCodeIndex(line, at + word);
      if (line[paren] == '(') after = AfterBalanced(line, paren);
    }
    if (after < 0) return pos;
    pos = after;
  }
}

bool InAttribute(const char* line, int i) {
  int k = i - 1;
  while (k >= 0 && IsBlankOrTab(line[k])) --k;
  int start = k;
  while (start >= 0 && IsNameChar(line[start])) --start;
  const std::string_view word(line + start + 1,
                              static_cast<size_t>(k - start));
  if (word == "alignas" || word == "_Alignas") return true;
  // An open [[ before i: the last "[[" has no "]]" after it. The pairs are
  // taken from the left, each after the one before.
  const char* open = nullptr;
  const char* const end = line + i;
  for (const char* p = line;
       (p = static_cast<const char*>(memchr(p, '[', static_cast<size_t>(end - p)))) !=
       nullptr;) {
    if (p[1] == '[') {
      open = p;
      p += 2;
    } else {
      ++p;
    }
    if (p >= end) break;
  }
  if (open == nullptr) return false;
  const char* close = strstr(open, "]]");
  return close == nullptr || close > line + i;
}

bool AfterOperandWord(const char* line, int i) {
  int k = i - 1;
  while (k >= 0 && IsBlankOrTab(line[k])) --k;
  // 'sizeof...(Args)': the pack's size.
  if (k >= 2 && line[k] == '.' && line[k - 1] == '.' && line[k - 2] == '.') {
    k -= 3;
    while (k >= 0 && IsBlankOrTab(line[k])) --k;
  }
  const int end = k + 1;
  while (k >= 0 && IsNameChar(line[k])) --k;
  const int start = k + 1;
  // Operand words run from 6 to 13 characters.
  if (end - start < 6 || end - start > 13) return false;
  const std::string_view name(line + start, static_cast<size_t>(end - start));
  for (const std::string_view word : kOperandWords) {
    if (name == word) return true;
  }
  return false;
}
