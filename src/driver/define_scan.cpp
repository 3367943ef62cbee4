#include "driver/define_scan.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_set>

#include "analysis/namespace_header.h"
#include "base/scanner.h"
#include "base/file_type.h"
#include "base/globals.h"

namespace {

// True when `word` stands at `pos`, followed by a blank, a TAB or the end
// of the line.
bool WordAt(const char* line, int pos, std::string_view word) {
  if (strncmp(line + pos, word.data(), word.size()) != 0) return false;
  const char after = line[pos + static_cast<int>(word.size())];
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

namespace {

// Where block comments are, found on demand as a scan moves forward
// through a file: a directive line inside one is no directive. Line
// comments are stepped over, so that a "/*" in one opens nothing; string
// literals are not, which at worst makes the scan miss a name.
class BlockComments {
 public:
  explicit BlockComments(std::string_view text) : text_(text) {}
  // True when offset `at` lies inside a block comment. Offsets asked
  // about must not decrease.
  bool Inside(size_t at) {
    while (pos_ < at) {
      if (in_comment_) {
        // The comment ends at the first "*/" after its "/*".
        const size_t slash = text_.find('/', pos_);
        if (slash == std::string_view::npos || slash >= at) {
          pos_ = at;  // no "/" before `at`: the comment is open there
          break;
        }
        pos_ = slash + 1;
        if (slash >= opened_ + 3 && text_[slash - 1] == '*') in_comment_ = false;
        continue;
      }
      const size_t slash = text_.find('/', pos_);
      if (slash == std::string_view::npos || slash >= at) {
        pos_ = at;
        break;
      }
      const char next = slash + 1 < text_.size() ? text_[slash + 1] : '\0';
      if (next == '*') {
        in_comment_ = true;
        opened_ = slash;
        pos_ = slash + 2;
      } else if (next == '/') {
        const size_t newline = text_.find('\n', slash);
        pos_ = newline == std::string_view::npos ? text_.size() : newline;
      } else {
        pos_ = slash + 1;
      }
    }
    return in_comment_;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;     // the text before this is read
  size_t opened_ = 0;  // where the open comment began
  bool in_comment_ = false;
};

// Scans the line of `text` (`length` bytes) whose first non-blank is at
// `at`, when it is one, and keeps what it defines when it lies outside
// block comments; the line is ended with a NUL for the scan, and then
// restored.
void ScanLineAt(std::string& text, size_t length, size_t at,
                BlockComments& comments, FileDefines& defines) {
  size_t start = at;
  while (start > 0 && (text[start - 1] == ' ' || text[start - 1] == '\t')) {
    --start;
  }
  if (start > 0 && text[start - 1] != '\n') return;
  const void* newline = memchr(text.data() + at, '\n', length - at);
  const size_t end = newline != nullptr
                         ? static_cast<size_t>(static_cast<const char*>(newline) -
                                               text.data())
                         : length;
  const char kept = text[end];
  text[end] = '\0';
  const size_t macros = defines.macros.size();
  const size_t namespaces = defines.namespaces.size();
  ScanDefineLine(text.c_str() + start, defines);
  text[end] = kept;
  // Most candidate lines define nothing; only a line that does is worth
  // finding the comments before it.
  if ((defines.macros.size() != macros ||
       defines.namespaces.size() != namespaces) &&
      comments.Inside(start)) {
    defines.macros.resize(macros);
    defines.namespaces.resize(namespaces);
  }
}

// Scans each line on which `word` is the first non-blank; with
// `first_only`, up to the first that defines a name.
void ScanLinesStarting(std::string& text, size_t length, std::string_view word,
                       bool first_only, FileDefines& defines) {
  BlockComments comments(std::string_view(text.data(), length));
  const size_t found_before = defines.namespaces.size();
  size_t from = 0;
  while (const void* found = memmem(text.data() + from, length - from,
                                    word.data(), word.size())) {
    const size_t at = static_cast<size_t>(static_cast<const char*>(found) -
                                          text.data());
    ScanLineAt(text, length, at, comments, defines);
    if (first_only && defines.namespaces.size() != found_before) return;
    from = at + word.size();
  }
}

// Scans the first `length` bytes of `text`, a source of kind `java` or
// `c_source`, for the lines that can define a name: those whose first
// non-blank begins "#", "namespace" or "package". They are found by
// searching the text for these, far faster than reading it line by line.
// A C source has no namespaces; a Java source has none either, and
// declares its package once, before its classes.
void ScanText(std::string& text, size_t length, bool java, bool c_source,
              FileDefines& defines) {
  const char* const begin = text.data();
  const char* const end = begin + length;
  BlockComments comments(std::string_view(begin, length));
  for (const char* at = static_cast<const char*>(memchr(begin, '#', length));
       at != nullptr;
       at = static_cast<const char*>(
           memchr(at + 1, '#', static_cast<size_t>(end - at - 1)))) {
    ScanLineAt(text, length, static_cast<size_t>(at - begin), comments,
               defines);
  }
  if (java) {
    ScanLinesStarting(text, length, "package", true, defines);
  } else if (!c_source) {
    ScanLinesStarting(text, length, "namespace", false, defines);
  }
}

// The part of a Java source read first: its package line stands within
// it, after the licence text.
constexpr size_t kJavaHead = 8192;

}  // namespace

FileDefines ScanSourceText(const std::string& name, SourceText& source) {
  FileDefines defines;
  if (!source.held) return defines;
  const char* dot = ExtensionDot(name.c_str());
  const std::string_view extension = dot != nullptr ? dot + 1 : "";
  const bool java =
      !extension.empty() && (extension[0] == 'j' || extension[0] == 'J');
  const bool c_source = extension == "c";
  if (java && source.length > kJavaHead) {
    // The rest of a Java source can only hold a stray "#define", which the
    // merge's check catches: it is scanned only when the head names no
    // package.
    ScanText(source.room, kJavaHead, true, false, defines);
    if (!defines.namespaces.empty()) return defines;
    defines = FileDefines();
  }
  ScanText(source.room, source.length, java, c_source, defines);
  return defines;
}

std::vector<std::string> ScanMisses(const std::vector<std::string>& scanned,
                                    const MacroNames& defined, size_t from) {
  std::vector<std::string> misses;
  // Mostly the scan finds the very names the analysis defines, in order.
  if (scanned.size() == defined.size() - from) {
    size_t k = 0;
    while (k < scanned.size() && scanned[k] == defined.Name(from + k)) ++k;
    if (k == scanned.size()) return misses;
  }
  const std::unordered_set<std::string_view> found(scanned.begin(),
                                                   scanned.end());
  std::unordered_set<std::string_view> made;
  for (size_t k = from; k < defined.size(); ++k) {
    const std::string_view name = defined.Name(k);
    if (made.insert(name).second && found.count(name) == 0) {
      misses.emplace_back(name);
    }
  }
  for (const std::string_view name : found) {
    if (made.count(name) == 0) misses.emplace_back(name);
  }
  return misses;
}
