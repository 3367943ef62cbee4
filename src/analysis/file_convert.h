// The -D conversion: rewrites a source file in place, replacing TABs by
// blanks and removing or adding carriage returns, through a temporary file.
#ifndef KLV_ANALYSIS_FILE_CONVERT_H_
#define KLV_ANALYSIS_FILE_CONVERT_H_

#include <string>

#include "base/globals.h"

// Converts the file `path`, open for reading as `in` (which it closes).
// The converted text goes to a temporary file beside it, which takes the
// file's owner and mode and then its place in one rename; on any failure
// (or SIGINT/SIGTERM) the temporary file is removed and the source is left
// as it was. A file with further hard links, or read-only by its mode
// bits, is refused. Returns 1 on success, 0 on failure.
int DeFile(FilePtr in, const char* path, Globals& G);

// One line through the conversions asked for, in order: TABs, then UNIX or
// DOS line ends. `in_string` carries the string state of -Dt across lines.
std::string ConvertLine(std::string_view line, int* in_string, int* tabs,
                        const RunSettings& G);

#endif  // KLV_ANALYSIS_FILE_CONVERT_H_
