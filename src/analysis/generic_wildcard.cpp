#include "analysis/generic_wildcard.h"

#include <cstring>

#include "base/scanner.h"

namespace {

bool WordAt(const char* p, const char* word) {
  const size_t n = strlen(word);
  return strncmp(p, word, n) == 0 && !IsNameChar(p[n]);
}

}  // namespace

bool IsGenericWildcard(const char* line, int i) {
  int k = i - 1;
  while (k >= 0 && IsBlankOrTab(line[k])) --k;
  if (k < 0 || (line[k] != '<' && line[k] != ',')) return false;
  const int at = NextCodeIndex(line, i + 1);
  const char c = line[at];
  return c == '>' || c == ',' || c == '&' || WordAt(line + at, "extends") ||
         WordAt(line + at, "super");
}
