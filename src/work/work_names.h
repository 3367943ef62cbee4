// The names a work-file run uses: the dated name of a new work file, the
// standing work file "workfile.dat" that holds the last snapshot, both
// placed in the configured work directory, and the names of the analysed
// files as a work line records them.
#ifndef KLV_WORK_WORK_NAMES_H_
#define KLV_WORK_WORK_NAMES_H_

#include <ctime>
#include <string>

#include "base/globals.h"

// The fixed name of the standing work file.
inline constexpr const char kStandingWorkFile[] = "workfile.dat";

// "kv", the local month and day, the century, "." and the two-digit year
// of `when`: "kv112220.00" for 22 November 2000. Empty when the time has
// no local date.
std::string DatedWorkFileName(time_t when);

// `file` placed in the configured work directory when that path starts
// with a letter, a digit, '.' or '/'; otherwise `file` unchanged.
std::string InWorkPath(const std::string& file, const RunSettings& G);

// The standing work file's path.
std::string StandingWorkFileName(const RunSettings& G);

// The name a work line records for the analysed file `name`: with relative
// work files on, a name inside the start directory loses that directory
// and the separator after it; any other name is kept.
std::string WorkLineName(const std::string& name, const RunSettings& G);

#endif  // KLV_WORK_WORK_NAMES_H_
