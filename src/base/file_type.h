// File typing: the language and kind of a source file from its extension.
#ifndef KLV_BASE_FILE_TYPE_H_
#define KLV_BASE_FILE_TYPE_H_

#include "base/globals.h"

// The file-type counter a file was counted under.
enum FileKind {
  kFileNotTyped = 0,
  kFileCppSource,
  kFileCSource,
  kFileCppHeader,
  kFileCHeader,
  kFileJava,
  kFileOther,
};

// The '.' that starts the extension of `path`: the last '.' of its last
// path component, so that "./readme" and "v1.2/Makefile" have none. Null
// when there is none.
const char* ExtensionDot(const char* path);

// Sets the language flag of the current file and counts its type (recorded
// in file_kind), from the text after the last '.' of `path`. A path without
// a '.' is not typed.
void WhichFile(const char* path, Globals& G);

#endif  // KLV_BASE_FILE_TYPE_H_
