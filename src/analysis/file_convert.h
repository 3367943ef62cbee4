// The -D conversion: rewrites a source file in place, replacing TABs by
// blanks and removing or adding carriage returns, through a temporary file.
#ifndef KLV_ANALYSIS_FILE_CONVERT_H_
#define KLV_ANALYSIS_FILE_CONVERT_H_

#include <string>

#include "driver/globals.h"

// Converts the file `path`, open for reading and update as `in` (which it
// closes). The converted text goes to `path` + ".tmp" first and is then
// copied over the source; on any failure the source is left as it was or
// the converted text stays in the ".tmp" file the message names. Returns 1
// on success, 0 on failure.
int DeFile(FilePtr in, const char* path, Globals& G);

// One line through the conversions asked for, in order: TABs, then UNIX or
// DOS line ends. `in_string` carries the string state of -Dt across lines.
std::string ConvertLine(std::string_view line, int* in_string, int* tabs,
                        const Globals& G);

#endif  // KLV_ANALYSIS_FILE_CONVERT_H_
