#include "driver/report_files.h"

#include <array>
#include <cstdio>
#include <string>

#include "base/error_block.h"
#include "reports/json_report.h"
#include "reports/sarif_report.h"

namespace {

// One structured report: its option, the file named with it, its
// temporary file and its writer.
struct ReportFile {
  const char* what;
  const std::string& name;
  AtomicFile& file;
  void (*write)(const Globals&, TextSink&);
};

void SayCannotWrite(const ReportFile& r) {
  WriteError(stderr,
             {std::string("Cannot write the ") + r.what + " " + r.name,
              r.file.error()});
}

// The two reports, in the order they are opened and written.
std::array<ReportFile, 2> Reports(const RunSettings& G, ReportFiles& files) {
  return {{{"SARIF log", G.sarif_file_name, files.sarif, WriteSarifReport},
           {"JSON report", G.json_file_name, files.json, WriteJsonReport}}};
}

}  // namespace

bool OpenReportFiles(RunSettings& G, ReportFiles& files) {
  const std::array<ReportFile, 2> reports = Reports(G, files);
  for (const ReportFile& r : reports) {
    if (r.name.empty()) continue;
    G.keep_figures = 1;
    if (!r.file.Open(r.name)) {
      SayCannotWrite(r);
      return false;
    }
  }
  return true;
}

bool WriteReportFiles(const Globals& G, ReportFiles& files) {
  const std::array<ReportFile, 2> reports = Reports(G, files);
  bool ok = true;
  for (const ReportFile& r : reports) {
    if (r.name.empty()) continue;
    TextSink sink;
    sink.file = r.file.file();
    r.write(G, sink);
    sink.Flush();
    if (!r.file.Commit()) {
      SayCannotWrite(r);
      ok = false;
    }
  }
  return ok;
}
