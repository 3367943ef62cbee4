#include "recognise/java_records.h"

#include <string_view>

#include "base/scanner.h"
#include "recognise/keyword_hooks.h"

namespace {

// The record header's component list is open.
bool InComponents(const FileState& P) {
  return P.record_pending && P.record_list_open && P.class_header_pending;
}

// The name of the open record after its last '.' (its enclosing classes
// and package).
std::string_view BareName(const std::string& name) {
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string_view(name)
                                  : std::string_view(name).substr(dot + 1);
}

}  // namespace

bool RecordHeaderFollows(const char* line, int end) {
  int k = NextCodeIndex(line, end);
  if (!isfirstchar(static_cast<unsigned char>(line[k]))) return false;
  while (IsNameChar(line[k])) ++k;
  k = NextCodeIndex(line, k);
  if (line[k] == '<') {
    int depth = 0;
    for (; !IsLineEnd(line[k]); ++k) {
      if (line[k] == '<') ++depth;
      if (line[k] == '>' && --depth == 0) break;
    }
    if (IsLineEnd(line[k])) return false;
    k = NextCodeIndex(line, k + 1);
  }
  return line[k] == '(';
}

bool RecordOpenParen(const char* line, int i, FileState& P) {
  if (!P.record_pending || !P.class_header_pending) return false;
  if (P.record_list_open) return true;  // an annotation's arguments
  if (P.local_paren != P.header_paren + 1) return false;
  P.record_list_open = 1;
  P.record_angle_depth = P.angle_depth;
  P.record_components = NextChar(line + i + 1) == ')' ? 0 : 1;
  return true;
}

bool RecordCloseParen(FileState& P) {
  if (!InComponents(P)) return false;
  if (P.local_paren <= P.header_paren) P.record_list_open = 0;
  return true;
}

bool RecordComma(FileState& P) {
  if (!InComponents(P)) return false;
  if (P.local_paren == P.header_paren + 1 &&
      P.angle_depth <= P.record_angle_depth) {
    ++P.record_components;
  }
  return true;
}

void RecordBeforeBrace(const char* line, int i, FileState& P) {
  if (!P.class_flag || !P.cls.is_record || P.cls.scope != 1 ||
      P.method_pending || P.decl_assigned || P.class_header_pending) {
    return;
  }
  // 'Point {' or 'public Point {': the name before the brace is the
  // record's own.
  int end = i;
  while (end > 0 && IsBlankOrTab(line[end - 1])) --end;
  int start = end;
  while (start > 0 && IsNameChar(line[start - 1])) --start;
  const std::string_view word(line + start, static_cast<size_t>(end - start));
  if (!word.empty() && word == BareName(P.cls.name)) P.method_pending = 1;
}

void RecordBodyOpens(ClassLevel& c, const FileState& P) {
  if (!P.record_pending) return;
  c.is_record = 1;
  // The components are private final fields.
  Bump(c.attributes[2], P.record_components);
}

void RecordHeaderEnds(FileState& P) {
  P.record_pending = 0;
  P.record_list_open = 0;
  P.record_components = 0;
}
