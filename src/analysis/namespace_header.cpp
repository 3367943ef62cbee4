#include "analysis/namespace_header.h"

#include <cstring>
#include <string_view>

#include "base/attributes.h"
#include "base/scanner.h"

namespace {

// The index after the token `token`, a view into `line`.
int After(const char* line, std::string_view token) {
  return static_cast<int>(token.data() - line + token.size());
}

}  // namespace

NamespaceHeader ReadNamespaceHeader(const char* line, int pos) {
  NamespaceHeader h;
  pos = SkipAttributes(line, pos);
  std::string_view token = NextTokenView(line, pos);
  h.name.assign(token);
  h.named = !token.empty() && isfirstchar(static_cast<unsigned char>(token[0]));
  if (!h.named) return h;
  int end = After(line, token);
  // Further components: '::' and a name, each perhaps inline.
  while (line[end] == ':' && line[end + 1] == ':') {
    int next = NextCodeIndex(line, end + 2);
    if (strncmp(line + next, "inline", 6) == 0 &&
        IsBlankOrTab(line[next + 6])) {
      next += 6;
    }
    token = NextTokenView(line, next);
    if (token.empty() || !isfirstchar(static_cast<unsigned char>(token[0]))) {
      break;
    }
    h.name += "::";
    h.name.append(token);
    end = After(line, token);
  }
  h.alias = line[NextCodeIndex(line, SkipAttributes(line, end))] == '=';
  return h;
}
