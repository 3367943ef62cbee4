#include "driver/define_scan.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "analysis/namespace_header.h"
#include "base/scanner.h"
#include "base/globals.h"
#include "files/regular_file.h"

namespace {

// True when `word` stands at `pos`, followed by a blank, a TAB or the end
// of the line.
bool WordAt(const char* line, int pos, const char* word) {
  const size_t len = strlen(word);
  if (strncmp(line + pos, word, len) != 0) return false;
  const char after = line[pos + static_cast<int>(len)];
  return after == ' ' || after == '\t' || after == '\n' || after == '\r' ||
         after == '\0';
}

}  // namespace

void ScanDefineLine(const char* line, FileDefines& defines) {
  const int i = SkipBlanks(line, 0);
  if (line[i] != '#' && line[i] != 'p' && line[i] != 'n') return;
  if (line[i] == '#') {
    const int j = SkipBlanks(line, i + 1);
    if (!WordAt(line, j, "define")) return;
    const int start = SkipBlanks(line, j + 6);
    int k = start;
    while (line[k] != '\0' && line[k] != ' ' && line[k] != '\t' &&
           line[k] != '(' && line[k] != '\n' && line[k] != '\r') {
      ++k;
    }
    defines.macros.emplace_back(line + start, static_cast<size_t>(k - start));
    return;
  }
  if (WordAt(line, i, "package")) {
    std::string name;
    if (GetNextToken(line, i + 7, name)) defines.namespaces.push_back(name);
    return;
  }
  const char after = line[i + 9];
  if (strncmp(line + i, "namespace", 9) == 0 && after != '_' &&
      isalnum(static_cast<unsigned char>(after)) == 0) {
    const NamespaceHeader header = ReadNamespaceHeader(line, i + 9);
    if (!header.alias && header.named) {
      defines.namespaces.push_back(header.name);
    }
  }
}

FileDefines ScanDefines(const std::string& name) {
  FileDefines defines;
  std::string why;
  FilePtr in = OpenRegularFile(name, false, why);
  if (in == nullptr) return defines;
  // The file is read in large blocks; only the lines that can define a
  // name (their first non-blank is '#', 'p' or 'n') are copied out whole.
  std::string text;
  char block[1 << 16];
  size_t got;
  while ((got = fread(block, 1, sizeof block, in.get())) > 0) {
    text.append(block, got);
  }
  std::string line;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t first = start;
    while (first < end && (text[first] == ' ' || text[first] == '\t')) {
      ++first;
    }
    const char c = first < end ? text[first] : '\0';
    if (c == '#' || c == 'p' || c == 'n') {
      line.assign(text, start, end - start);
      ScanDefineLine(line.c_str(), defines);
    }
    start = end + 1;
  }
  return defines;
}
