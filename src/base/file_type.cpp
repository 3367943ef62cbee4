#include "base/file_type.h"

#include <cstring>

namespace {

// Character test, case-blind when asked.
bool Is(char c, char lower, bool case_blind) {
  if (c == lower) return true;
  return case_blind && c == lower - ('a' - 'A');
}

}  // namespace

const char* ExtensionDot(const char* path) {
  const char* dot = strrchr(path, '.');
  if (dot == nullptr) return nullptr;
  const char* slash = strrchr(path, '/');
  return slash != nullptr && slash > dot ? nullptr : dot;
}

void WhichFile(const char* path, Globals& G) {
  const char* dot = ExtensionDot(path);
  if (dot == nullptr) return;
  const char* ext = dot + 1;
  const bool blind = !G.case_sensitive_names;
  const bool single = ext[0] != '\0' && ext[1] == '\0';
  FileState& P = G.parse;
  if (!blind && ext[0] == 'C') {
    // With case-sensitive names a capital C is always C++.
    P.cpp_file = 1;
    ++G.cpp_source_count;
    P.file_kind = kFileCppSource;
  } else if (Is(ext[0], 'c', blind)) {
    (single ? P.c_file : P.cpp_file) = 1;
    ++(single ? G.c_source_count : G.cpp_source_count);
    P.file_kind = single ? kFileCSource : kFileCppSource;
  } else if (Is(ext[0], 'h', true)) {
    if (!single) {
      P.cpp_file = 1;
      ++G.cpp_header_count;
      P.file_kind = kFileCppHeader;
    } else {
      // A capital H with case-sensitive names is C++; "h" is C unless
      // headers are treated as C++. Both count as C headers.
      const bool cpp = (!blind && ext[0] == 'H') || G.h_files_cpp;
      (cpp ? P.cpp_file : P.c_file) = 1;
      ++G.c_header_count;
      P.file_kind = kFileCHeader;
    }
  } else if (Is(ext[0], 'j', blind)) {
    if (Is(ext[1], 'a', blind) && Is(ext[2], 'v', blind)) {
      P.java_file = 1;
      ++G.java_file_count;
      P.file_kind = kFileJava;
    }
  } else {
    ++G.other_file_count;
    P.file_kind = kFileOther;
  }
}
