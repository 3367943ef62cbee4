// Copying one file over another, for the -D conversion and the work files.
#ifndef KLV_ANALYSIS_FILE_COPY_H_
#define KLV_ANALYSIS_FILE_COPY_H_

#include <cstdint>

#include "driver/globals.h"

// Copies the file `src` over `dest` (created with permissions 0660, or
// truncated) and returns the number of bytes copied, or -1 on any error;
// after a failed read, write or close errno tells why. When both names are
// the same file nothing is written and its size is returned.
int64_t FileCopy(const char* dest, const char* src, Globals& G);

#endif  // KLV_ANALYSIS_FILE_COPY_H_
