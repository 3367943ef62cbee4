// Writing a work file: a plain-text snapshot of the per-file size metrics
// of one run, kept so that a later run can report what changed.
//
// Layout: "Tarvelon Work File", "DO NOT EDIT - This is a Generated File",
// the program version, the creation time in seconds since the epoch, then
// one line per analysed file in processing order (see WorkLine).
#ifndef KLV_WORK_WORK_FILE_H_
#define KLV_WORK_WORK_FILE_H_

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

#include "base/globals.h"

// The name the work file of this run gets: the name of -w, where
// "workfile.dat" becomes the dated name of `now` in the work directory;
// empty when the date cannot be formed.
std::string WorkFileTarget(const RunSettings& G, time_t now);

// Names, opens and starts the work file of this run: the name of -w
// ("workfile.dat" becomes the dated name in the work directory), the head
// lines with the run's time. Announces it, or writes why it cannot be
// created and returns null (the run then goes on without a work file).
FilePtr CreateWorkFile(Globals& G);

// Writes one file line: "name mtime size LOC eLOC comments blanks lines
// lLOC cyclomatic", in that order (lLOC and cyclomatic come last).
void WorkLine(FILE* stream, const std::string& name, int64_t mtime,
              int64_t size, int32_t loc, int32_t eloc, int32_t lloc,
              int32_t cyclo, int32_t comments, int32_t blanks, int32_t lines);

// The current file's line in the run's work file, from its counters.
void WriteWorkLine(const std::string& name, Globals& G);

// Completes the run's work file after the last report: closes it and then
// copies it over the standing work file, or, in work-differential mode,
// reports the differential against the standing file. A work file that
// could not be written completely replaces nothing and is not compared;
// one without file lines replaces nothing either. Returns false when the
// work file or its copy could not be written (the error is reported).
bool FinishWorkFile(Globals& G);

#endif  // KLV_WORK_WORK_FILE_H_
