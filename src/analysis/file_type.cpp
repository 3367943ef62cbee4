#include "analysis/file_type.h"

#include <cstring>

namespace {

// Case-blind or exact character test, as the name mode asks.
bool Is(char c, char lower, bool case_blind) {
  if (c == lower) return true;
  return case_blind && c == lower - ('a' - 'A');
}

}  // namespace

void WhichFile(const char* path, Globals& G) {
  const char* dot = strrchr(path, '.');
  if (dot == nullptr) return;
  const char* ext = dot + 1;
  const size_t len = strlen(ext);
  FileState& P = G.parse;
  if (G.case_sensitive_names) {
    if (ext[0] == 'C') {
      P.cpp_file = 1;
      ++G.cpp_source_count;
    } else if (ext[0] == 'c') {
      if (len == 1) {
        P.c_file = 1;
        ++G.c_source_count;
      } else {
        P.cpp_file = 1;
        ++G.cpp_source_count;
      }
    } else if ((ext[0] == 'h' || ext[0] == 'H') && len > 1) {
      P.cpp_file = 1;
      ++G.cpp_header_count;
    } else if (ext[0] == 'H') {
      P.cpp_file = 1;
      ++G.c_header_count;
    } else if (ext[0] == 'h') {
      if (G.h_files_cpp) {
        P.cpp_file = 1;
      } else {
        P.c_file = 1;
      }
      ++G.c_header_count;
    } else if (ext[0] == 'j') {
      if (ext[1] == 'a' && ext[2] == 'v') {
        P.java_file = 1;
        ++G.java_file_count;
      }
    } else {
      ++G.other_file_count;
    }
    return;
  }
  if (Is(ext[0], 'c', true)) {
    if (len == 1) {
      P.c_file = 1;
      ++G.c_source_count;
    } else {
      P.cpp_file = 1;
      ++G.cpp_source_count;
    }
  } else if (Is(ext[0], 'h', true)) {
    if (len == 1) {
      if (G.h_files_cpp) {
        P.cpp_file = 1;
      } else {
        P.c_file = 1;
      }
      ++G.c_header_count;
    } else {
      P.cpp_file = 1;
      ++G.cpp_header_count;
    }
  } else if (Is(ext[0], 'j', true)) {
    if (Is(ext[1], 'a', true) && Is(ext[2], 'v', true)) {
      P.java_file = 1;
      ++G.java_file_count;
    }
  } else {
    ++G.other_file_count;
  }
}
