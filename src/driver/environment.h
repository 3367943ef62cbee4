// Where the program lives, what its environment says, and where its
// configuration and macro files are found.
#ifndef KLV_DRIVER_ENVIRONMENT_H_
#define KLV_DRIVER_ENVIRONMENT_H_

#include <cstdio>
#include <string>

#include "base/globals.h"

// Sets program_dir from the program's first argument (once) and, when
// klv_home is still empty, klv_home too.
void LoadProgPath(const std::string& program_name, RunSettings& G);
// Reads KLVHOME, PATH, KLVDEBUG and KLVCLASSMF.
void LoadEnv(Globals& G);

// `dir` with its last path element removed (or "."), then "/" and `file`,
// when that file is readable; else empty.
std::string IsInPathLocation(const std::string& dir, const std::string& file);
// The first readable "<dir>/<file>" over the directories of `path_list`
// (split at ':', ';', blanks, tabs, CR and LF); else empty.
std::string IsInSystemPath(const std::string& path_list,
                           const std::string& file);
// The full name of one of the program's files: the directory where klv.cfg
// was located (program directory, KLVHOME, then PATH), and `file` in it.
std::string GetProgFile(const std::string& file, const RunSettings& G);

// Requires: klv.cfg and klv_macro.cfg were loaded (or created). When either
// is still missing (an installed program cannot create them beside itself)
// says once, on `to`, that the built-in defaults are in use and where the
// user can put the files. True when it said so.
bool NoteDefaultsInUse(RunSettings& G, FILE* to = stderr);

// The start-up trace written when KLVDEBUG is set.
void ShowStartupTrace(ReportSink& out, const RunSettings& G);

#endif  // KLV_DRIVER_ENVIRONMENT_H_
