#include "base/attributes.h"

#include <cstring>

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
  if (k > start && AlignasWord(line + start + 1) == k - start) return true;
  // An open [[ before i: the last "[[" has no "]]" after it.
  const char* open = nullptr;
  for (const char* p = strstr(line, "[["); p != nullptr && p < line + i;
       p = strstr(p + 2, "[[")) {
    open = p;
  }
  if (open == nullptr) return false;
  const char* close = strstr(open, "]]");
  return close == nullptr || close > line + i;
}
