#include "work/work_file.h"

#include <cerrno>
#include <cstring>

#include "base/clock.h"
#include "base/error_block.h"
#include "base/output.h"
#include "work/extract_work.h"
#include "work/file_copy.h"
#include "work/work_names.h"

namespace {

// Closes the work file; false, with the reason in `error`, when any of its
// text may not have reached the file.
bool CloseWorkFile(RunTotals& G, int& error) {
  FILE* f = G.work_file.release();
  error = 0;
  if (fflush(f) != 0) error = errno;
  if (ferror(f) && error == 0) error = EIO;
  if (fclose(f) != 0 && error == 0) error = errno;
  return error == 0;
}

// The completion line, in its CSV form without the indent.
void Completed(ReportSink& out, const RunSettings& G) {
  Out(out,
      G.csv_mode ? "Completed Work Analysis File: %s\n\n"
                 : "\n\n  Completed Work Analysis File: %s\n\n",
      G.work_file_name.c_str());
}

// The work file `path` holds a file line after its four head lines.
bool HasFileLines(const std::string& path) {
  FilePtr in(fopen(path.c_str(), "rb"));
  if (in == nullptr) return false;
  int lines = 0;
  for (int c; (c = fgetc(in.get())) != EOF;) {
    if (lines == 4) return true;
    if (c == '\n') ++lines;
  }
  return false;
}

// The work file G.work_file_name cannot be created, because of `error`.
void CreateFileError(ReportSink& out, const RunSettings& G, int error) {
  OutError(out, {G.work_file_name + " - " + strerror(error)},
           {.label = "Create File Error"});
}

}  // namespace

std::string WorkFileTarget(const RunSettings& G, time_t now) {
  if (G.work_file_name != kStandingWorkFile) return G.work_file_name;
  const std::string dated = DatedWorkFileName(now);
  return dated.empty() ? dated : InWorkPath(dated, G);
}

FilePtr CreateWorkFile(Globals& G) {
  const time_t now = Now();
  const std::string target = WorkFileTarget(G, now);
  if (target.empty()) {
    CreateFileError(G, G, EOVERFLOW);
    return nullptr;
  }
  G.work_file_name = target;
  FilePtr file(fopen(G.work_file_name.c_str(), "w"));
  if (file == nullptr) {
    CreateFileError(G, G, errno);
    return nullptr;
  }
  if (!G.csv_mode) {
    Out(G,
        G.html_flag ? "\n  <B>Creating a Work Analysis File:</B> %s\n"
                    : "\n  Creating a Work Analysis File: %s\n",
        G.work_file_name.c_str());
  }
  fprintf(file.get(),
          "Tarvelon Work File\nDO NOT EDIT - This is a Generated File\n%s\n"
          "%lld\n",
          G.version.c_str(), static_cast<long long>(now));
  return file;
}

void WorkLine(FILE* stream, const std::string& name, int64_t mtime,
              int64_t size, int32_t loc, int32_t eloc, int32_t lloc,
              int32_t cyclo, int32_t comments, int32_t blanks, int32_t lines) {
  fprintf(stream, "%s %lld %lld %d %d %d %d %d %d %d\n", name.c_str(),
          static_cast<long long>(mtime), static_cast<long long>(size), loc,
          eloc, comments, blanks, lines, lloc, cyclo);
}

void WriteWorkLine(const std::string& name, Globals& G) {
  if (G.work_file == nullptr) return;
  // A work file holds one file a line: a name with a line end in it would
  // break the file for every later run.
  if (name.find_first_of("\r\n") != std::string::npos) {
    OutError(G, {"A file name with a line end cannot be kept in the work file",
                 name, "The file is left out of " + G.work_file_name});
    ++G.run_failures;
    return;
  }
  const FileMetrics& M = G.metrics;
  WorkLine(G.work_file.get(), WorkLineName(name, G), G.file_mtime,
           G.file_size, M.loc, Eloc(M), Lloc(M), G.parse.file_cyclomatic,
           M.comment_lines, M.blank_lines, M.lines);
}

bool FinishWorkFile(Globals& G) {
  if (!G.work_flag || G.work_file == nullptr) return true;
  // A listing or conversion run analyses nothing: its work file holds only
  // the head and must not become the standing snapshot.
  if (G.print_flag || G.convert_flag) return true;
  const std::string standing = StandingWorkFileName(G);
  int error = 0;
  if (!CloseWorkFile(G, error)) {
    OutError(G,
             {"Failed to write the work file " + G.work_file_name,
              strerror(error),
              G.work_diff_flag ? std::string("No work differential is reported")
                               : standing + " is unchanged"},
             {.blank_after = true});
    return false;
  }
  if (G.work_diff_flag) {
    Completed(G, G);
    ExtractWork(standing.c_str(), G.work_file_name.c_str(), G, 0);
    return true;
  }
  if (!HasFileLines(G.work_file_name)) {
    // A snapshot of nothing would wipe out the last baseline.
    Completed(G, G);
    Out(G,
        G.csv_mode ? "%s holds no file lines: %s is unchanged\n\n"
                   : "  %s holds no file lines:\n  %s is unchanged\n\n",
        G.work_file_name.c_str(), standing.c_str());
    return true;
  }
  const bool copied =
      FileCopy(standing.c_str(), G.work_file_name.c_str(), G) >= 0;
  Completed(G, G);
  if (!copied) {
    OutError(G,
             {"Failed to copy " + G.work_file_name + " to " + standing,
              standing + " is unchanged"},
             {.blank_after = true});
  } else if (G.csv_mode) {
    Out(G, "Copied %s to %s for last work differentials\n\n",
        G.work_file_name.c_str(), standing.c_str());
  } else {
    Out(G, "  Copied %s to %s\n  for last work differentials\n\n",
        G.work_file_name.c_str(), standing.c_str());
  }
  return copied;
}
