#include "driver/run_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/clock.h"
#include "driver/options.h"
#include "base/error_block.h"
#include "base/output.h"
#include "work/work_file.h"
#include "work/work_names.h"

namespace {

// The longest -O name that is opened: a path of 4,094 characters.
constexpr size_t kMaxOutputName = 4094;

// A file the run is about to write, and its identity.
struct WrittenFile {
  const char* kind;
  std::string name;
  struct stat st;
};

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The message of a -O file that cannot be used; the report stays on
// standard output. Written straight to standard output, ahead of any report
// text kept back.
void OutputUnusable(ReportSink& out, const RunSettings& G, int error) {
  out.output_owner.reset();
  out.output = stdout;
  FlushOutput();
  WriteError(stdout,
             {" Could not open output file, using stdout",
              "Filename: " + G.output_file_name, strerror(error)},
             {.indent = 10, .blank_after = true});
}

// Drops the -O file: closes it and removes it when this run created it.
void DropOutputFile(ReportSink& out, const RunSettings& G) {
  if (out.output_owner == nullptr) return;
  out.output_owner.reset();
  out.output = stdout;
  if (out.output_created) unlink(G.output_file_name.c_str());
  out.output_created = false;
}

[[noreturn]] void RefuseOverlap(const WrittenFile& out, const char* kind,
                                const std::string& name, ReportSink& sink,
                                const RunSettings& G) {
  ReleaseOutput(nullptr);  // nothing of this run's report is kept
  DropOutputFile(sink, G);
  OutError(sink,
           {Fmt("The %s %s", out.kind, out.name.c_str()),
            Fmt("is the same file as the %s %s", kind, name.c_str()),
            "Nothing was written to it; name another file."},
           {.blank_after = true});
  throw ExitRequest{1};
}

// Refuses the run when `name` (a file the run reads or writes) is one of
// the files about to be written.
void CheckAgainst(const std::vector<WrittenFile>& outs, const char* kind,
                  const std::string& name, ReportSink& sink,
                  const RunSettings& G) {
  struct stat st {};
  if (name.empty() || stat(name.c_str(), &st) != 0) return;
  for (const WrittenFile& out : outs) {
    if (SameFile(out.st, st)) RefuseOverlap(out, kind, name, sink, G);
  }
}

// The regular file named `name`, added to `outs` under `kind`.
void AddWritten(std::vector<WrittenFile>& outs, const char* kind,
                const std::string& name, const struct stat& st) {
  if (S_ISREG(st.st_mode)) outs.push_back({kind, name, st});
}

}  // namespace

void OpenOutputFile(ReportSink& out, const RunSettings& G) {
  if (OutputHeld()) return;
  FlushOutput();  // what was written so far belongs to standard output
  HoldOutput();
  if (G.output_file_name.empty() || out.output_owner != nullptr) return;
  const char* path = G.output_file_name.c_str();
  if (G.output_file_name.size() > kMaxOutputName) {
    OutputUnusable(out, G, ENAMETOOLONG);
    return;
  }
  // Opened without emptying it: it is emptied only once the run is known
  // not to read it.
  out.output_created = true;
  int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0 && errno == EEXIST) {
    out.output_created = false;
    fd = open(path, O_WRONLY | O_CLOEXEC);
  }
  FILE* f = fd >= 0 ? fdopen(fd, "wb") : nullptr;
  if (f == nullptr) {
    const int error = errno;
    if (fd >= 0) close(fd);
    if (fd >= 0 && out.output_created) unlink(path);
    out.output_created = false;
    OutputUnusable(out, G, error);
    return;
  }
  UnbufferReportStream(f);
  out.output_owner.reset(f);
  out.output = f;
}

void ClaimOutputFiles(Globals& G, const std::vector<std::string>& inputs) {
  if (!OutputHeld()) return;
  std::vector<WrittenFile> outs;
  struct stat st {};
  const bool report_file = G.output_owner != nullptr &&
                           fstat(fileno(G.output), &st) == 0 &&
                           S_ISREG(st.st_mode);
  if (report_file) AddWritten(outs, "report file", G.output_file_name, st);
  // The structured reports replace their files at the end of the run.
  for (const std::string* name : {&G.sarif_file_name, &G.json_file_name}) {
    if (!name->empty() && stat(name->c_str(), &st) == 0) {
      for (const WrittenFile& out : outs) {
        if (SameFile(out.st, st))
          RefuseOverlap(out, "report file", *name, G, G);
      }
      AddWritten(outs, "report file", *name, st);
    }
  }
  if (G.work_flag) {
    const std::string work = WorkFileTarget(G, Now());
    if (!work.empty() && stat(work.c_str(), &st) == 0) {
      for (const WrittenFile& out : outs) {
        if (SameFile(out.st, st)) RefuseOverlap(out, "work file", work, G, G);
      }
      AddWritten(outs, "work file", work, st);
    }
  }
  if (!outs.empty()) {
    for (const NameData& file : G.file_list) {
      CheckAgainst(outs, "source file", file.name, G, G);
    }
    if (G.file_list_flag) CheckAgainst(outs, "list file", G.input_spec, G, G);
    CheckAgainst(outs, "configuration file", G.config_file_path, G, G);
    CheckAgainst(outs, "macro file", G.macro_file_path, G, G);
    for (const std::string& name : inputs) {
      CheckAgainst(outs, "work file", name, G, G);
    }
    if (G.work_flag) {
      // Read by a differential run, replaced by any other work run; a work
      // file written over it directly is the same thing.
      const std::vector<WrittenFile> report(outs.begin(),
                                            outs.begin() + report_file);
      CheckAgainst(G.work_diff_flag ? outs : report, "standing work file",
                   StandingWorkFileName(G), G, G);
    }
  }
  if (report_file && ftruncate(fileno(G.output), 0) != 0) {
    OutputUnusable(G, G, errno);  // the report goes to standard output
  }
  if (G.output_owner != nullptr) {
    printf("\nKLV using output file: %s\n", G.output_file_name.c_str());
  }
  ReleaseOutput(G.output);
}

void OpenOutputNow(Globals& G, const std::vector<std::string>& inputs) {
  OpenOutputFile(G, G);
  ClaimOutputFiles(G, inputs);
}

void AbandonOutputFile(ReportSink& out, const RunSettings& G) {
  if (!OutputHeld()) return;
  ReleaseOutput(stdout);
  DropOutputFile(out, G);
}
