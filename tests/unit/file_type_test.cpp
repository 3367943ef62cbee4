#include "base/file_type.h"

#include <gtest/gtest.h>

#include <string>

#include "base/globals.h"

namespace {

enum Lang { kNone, kC, kCpp, kJava };
enum Count {
  kNoCount,
  kCSource,
  kCppSource,
  kCHeader,
  kCppHeader,
  kJavaFile,
  kOther
};

struct TypingCase {
  const char* path;
  Lang lang;
  Count count;
};

Lang LanguageOf(const Globals& G) {
  const FileState& P = G.parse;
  EXPECT_LE(P.c_file + P.cpp_file + P.java_file, 1);
  return P.c_file ? kC : P.cpp_file ? kCpp : P.java_file ? kJava : kNone;
}

Count CountOf(const Globals& G) {
  const int32_t counts[] = {G.c_source_count,  G.cpp_source_count,
                            G.c_header_count,  G.cpp_header_count,
                            G.java_file_count, G.other_file_count};
  int total = 0;
  Count which = kNoCount;
  for (int k = 0; k < 6; ++k) {
    total += counts[k];
    if (counts[k] != 0) which = static_cast<Count>(k + 1);
  }
  EXPECT_LE(total, 1);
  return which;
}

void ExpectTyping(const TypingCase* cases, size_t size, int case_sensitive,
                  int h_files_cpp) {
  for (size_t k = 0; k < size; ++k) {
    const TypingCase& c = cases[k];
    SCOPED_TRACE(c.path);
    Globals G;
    G.case_sensitive_names = case_sensitive;
    G.h_files_cpp = h_files_cpp;
    WhichFile(c.path, G);
    EXPECT_EQ(LanguageOf(G), c.lang);
    EXPECT_EQ(CountOf(G), c.count);
    // The per-file record of the counter raised.
    const int kinds[] = {kFileNotTyped, kFileCSource, kFileCppSource,
                         kFileCHeader,  kFileCppHeader, kFileJava,
                         kFileOther};
    EXPECT_EQ(G.parse.file_kind, kinds[c.count]);
  }
}

TEST(WhichFile, TypesByExtensionWithoutRegardToCase) {
  const TypingCase cases[] = {
      {"a.c", kC, kCSource},       {"dir.x/a.C", kC, kCSource},
      {"a.cc", kCpp, kCppSource},  {"a.cpp", kCpp, kCppSource},
      {"a.CXX", kCpp, kCppSource}, {"a.h", kC, kCHeader},
      {"a.H", kC, kCHeader},       {"a.hh", kCpp, kCppHeader},
      {"a.hpp", kCpp, kCppHeader}, {"A.JAVA", kJava, kJavaFile},
      {"a.jav", kJava, kJavaFile}, {"a.txt", kNone, kOther},
      {"a.json", kNone, kNoCount}, {"Makefile", kNone, kNoCount},
      {"a.", kNone, kOther},
      // Only the last path component holds the extension.
      {"./readme", kNone, kNoCount},
      {"v1.2/Makefile", kNone, kNoCount},
      {"v1.2/a.h", kC, kCHeader},
  };
  ExpectTyping(cases, std::size(cases), 0, 0);
}

TEST(WhichFile, TypesByExtensionCaseSensitively) {
  const TypingCase cases[] = {
      {"a.c", kC, kCSource},        {"a.C", kCpp, kCppSource},
      {"a.cc", kCpp, kCppSource},   {"a.CC", kCpp, kCppSource},
      {"a.h", kC, kCHeader},        {"a.H", kCpp, kCHeader},
      {"a.hh", kCpp, kCppHeader},   {"a.Hxx", kCpp, kCppHeader},
      {"a.java", kJava, kJavaFile}, {"A.JAVA", kNone, kOther},
      {"a.json", kNone, kNoCount},  {"a.txt", kNone, kOther},
  };
  ExpectTyping(cases, std::size(cases), 1, 0);
}

TEST(WhichFile, TypesHeadersAsCppWhenAskedButCountsThemAsCHeaders) {
  const TypingCase cases[] = {
      {"a.h", kCpp, kCHeader},
      {"a.H", kCpp, kCHeader},
      {"a.c", kC, kCSource},
  };
  ExpectTyping(cases, std::size(cases), 0, 1);
  ExpectTyping(cases, 2, 1, 1);
}

}  // namespace
