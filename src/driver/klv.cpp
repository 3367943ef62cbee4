#include "driver/klv.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "config/csv_report_cfg.h"
#include "config/load_cfg.h"
#include "driver/environment.h"
#include "driver/file_analysis.h"
#include "driver/jobs.h"
#include "base/globals.h"
#include "base/error_block.h"
#include "driver/long_options.h"
#include "driver/options.h"
#include "driver/parallel_run.h"
#include "driver/report_files.h"
#include "driver/run_files.h"
#include "base/timer.h"
#include "files/file_list.h"
#include "files/regular_file.h"
#include "listing/listing.h"
#include "notices/emit.h"
#include "notices/notices.h"
#include "reports/notice_reports.h"
#include "recognise/macros.h"
#include "reports/class_reports.h"
#include "reports/csv_file_report.h"
#include "reports/estimation.h"
#include "reports/framing.h"
#include "reports/function_reports.h"
#include "reports/namespace_reports.h"
#include "base/output.h"
#include "reports/run_figures.h"
#include "reports/summaries.h"
#include "tree/tree.h"
#include "work/work_file.h"

namespace {

// Analyses every file of the list in order: on the threads of a parallel
// run when one is asked for and the mode allows it, else one by one.
void ProcessFiles(Globals& G) {
  if (ParallelRunWanted(G)) {
    ProcessFilesParallel(G);
    return;
  }
  for (const NameData& entry : G.file_list) AnalyseListedFile(entry.name, G);
}

// The project sections after the last file.
void ProjectReports(Globals& G) {
  SetTotal(G);
  if (G.csv_mode) {
    if (G.csv_summary) {
      CSV_File_Line("total", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, G);
    }
    if (G.totals_flag) ShowTotalReport(G);
    return;
  }
  ProjectTitle(G, G);
  if (G.totals_flag) {
    ShowTotalReport(G);
  } else {
    if (G.summary_flag) {
      Out(G, "\n");
      ShowTotalSummary(G, 1);
    }
    if (G.function_flag) ShowProjectFunctionSummary(G);
    // The class statistics feed the namespace sums: the classes come
    // before the inheritance tree and the namespace summary.
    if (G.object_flag) {
      ShowProjectClassSummary(G);
      ShowProjectInterSummary(G);
      if (G.inherit_flag) ReportInheritanceTree(G);
      ShowProjectNamespaceSummary(G);
    } else if (G.inherit_flag) {
      ReportInheritanceTree(G);
    }
    if (G.notice_flag) ShowQualityProfile(G, G);
  }
  if (G.verbose_flag) ShowVerbose(G, 1);
  if (G.memory_flag) ShowMemorySummary(G);
  if (G.estimate_flag) ShowEstimation(G);
  if (G.file_summary_flag || G.totals_flag) ShowFileSummary(G);
}

// Finds the program's files and reads the environment.
void LocateProgramFiles(Globals& G) {
  LoadProgPath(G.program_name, G);
  LoadEnv(G);
  G.config_file_path = GetProgFile("klv.cfg", G);
  G.macro_file_path = GetProgFile("klv_macro.cfg", G);
  if (G.debug_flag) ShowStartupTrace(G, G);
  LoadCfg(G);
  LoadMacros(G);
  NoteDefaultsInUse(G);
}

int Run(int argc, char** argv, Globals& G) {
  // The long options may stand anywhere; the rest is parsed as before.
  std::vector<char*> args = TakeLongOptions(argc, argv, G);
  argc = static_cast<int>(args.size()) - 1;
  argv = args.data();
  G.arg_count = argc;
  G.arg_values = argv;
  LocateProgramFiles(G);
  SetUpParams(argc, argv, G);
  // The settings are complete: the notice texts are formatted once, and
  // only read from here on.
  FormatNoticeTexts(G);
  OpenOutputFile(G, G);  // kept back until the files of the run are known
  ReportFiles report_files;
  if (!OpenReportFiles(G, report_files)) {
    AbandonOutputFile(G, G);
    return -1;
  }
  if (G.csv_file_report && !LoadCSVFileReportCfg(G)) {
    AbandonOutputFile(G, G);
    return 1;
  }
  if (!G.csv_mode && !G.print_flag && !G.csv_file_report) ShowHeader(G, G, 0);
  ProcessTimer timer;
  if (G.benchmark_flag) Timer(timer, kTimerStart, G);
  int first = 0;
  if (G.file_list_flag) {
    G.file_count = 0;
    if (!G.report_option_flag) G.summary_flag = 1;
    std::string why;
    G.file_list_file = OpenRegularFile(G.input_spec, false, why);
    if (G.file_list_file == nullptr) {
      ClaimOutputFiles(G, {});
      OutError(G,
               {"Cannot open the specified file: " + G.input_spec,
                "for read, " + why},
               {.blank_after = true});
      return -1;
    }
  } else {
    first = FirstOperand(argc, argv, G);
  }
  G.h_files_cpp = G.notice_enabled[25] ? 1 : 0;
  if (G.csv_mode) CSV_Header(G, G);
  if (G.print_flag) {
    if (G.html_flag) {
      Out(G, "<HTML><HEAD><TITLE>Tarvelon %s</TITLE></HEAD><BODY><PRE><P>",
          G.version.c_str());
    }
    SetLeftMargin(G);
    SetBars(G);
  }
  try {
    G.file_count = BuildFileList(first, G);
  } catch (const ExitRequest&) {
    ClaimOutputFiles(G, {});  // -Rl: the list goes to the report
    throw;
  }
  // Nothing is written before every file the run reads is known.
  ClaimOutputFiles(G, {});
  if (G.work_flag) {
    G.work_file = CreateWorkFile(G);
    if (G.work_file == nullptr) G.work_flag = 0;
  }
  if (G.csv_file_report) CsvReportTitleLine(G, G);

  ProcessFiles(G);

  Progress(G, "\nParsing files complete\n");
  Progress(G, (G.sort_key != 0 || G.sort_names_flag)
                  ? "Sorting, reporting and post processing\n"
                  : "Reporting and post processing\n");
  if (G.totals_all || G.inherit_flag) BuildInheritanceTree(G);
  if (!G.print_flag && !G.comment_doc_flag && !G.extract_flag &&
      !G.convert_flag && !G.csv_file_report) {
    ProjectReports(G);
  }
  bool work_written = true;
  if (!G.print_flag && !G.convert_flag) {
    Benchmark(timer, G, G);
    work_written = FinishWorkFile(G);
    if (!G.csv_mode && !G.csv_file_report) {
      Out(G, "  %s\n\n", Rule72('_').c_str());
    }
  }
  if (G.html_flag) Out(G, "</P></PRE></BODY></HTML>");
  // The notice count, cut at the largest status the system keeps whole; a
  // file that could not be read fails the run, and so does a report or
  // work file that could not be written.
  int status = G.notice_flag ? std::clamp(G.metrics.notice_count, 0, 255) : 0;
  if (G.run_failures > 0) status = 255;
  if (!WriteReportFiles(G, report_files) || !work_written) status = -1;
  Progress(G, "Processing complete\n");
  Progress(G, "\nKLV Processed - %d files to output file %s\n",
           G.files_processed, G.output_file_name.c_str());
  return status;
}

}  // namespace

int klv(int argc, char** argv, RunStateAtEnd at_end) {
  if (!isatty(fileno(stdout))) UnbufferReportStream(stdout);
  auto G = std::make_unique<Globals>();
  Init_Globals(*G);
  // One analysis thread per available core unless KLVJOBS or -j says
  // otherwise: the report is the same on any number of threads.
  G->jobs = AvailableCores();
  G->program_name = argc > 0 && argv[0] != nullptr ? argv[0] : "klv";
  G->arg_count = argc;
  G->arg_values = argv;
  int status = 0;
  TakeOutputError();  // an earlier run's failure is not this run's
  try {
    status = Run(argc, argv, *G);
  } catch (const ExitRequest& exit_request) {
    status = exit_request.status;
  }
  AbandonOutputFile(*G, *G);
  FlushOutput();
  int error = TakeOutputError();
  errno = 0;
  if (fflush(G->output) != 0 && error == 0) error = errno != 0 ? errno : EIO;
  if (error == 0 && ferror(G->output)) error = EIO;
  fflush(stdout);
  if (error != 0) {
    // The report is lost: say so where it can still be seen, and do not
    // end as a successful run.
    const char* target =
        G->output == stdout ? "standard output" : G->output_file_name.c_str();
    WriteError(stderr, {std::string("Failed to write the report to ") + target,
                        strerror(error)});
    status = -1;
  }
  if (at_end == RunStateAtEnd::kLeftToTheSystem) {
    // Still reachable from here, so no leak checker takes it for one.
    [[maybe_unused]] static Globals* volatile left_to_exit = nullptr;
    left_to_exit = G.release();
  }
  return status;
}
