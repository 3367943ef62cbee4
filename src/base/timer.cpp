#include "base/timer.h"

#include <unistd.h>

#include "base/output.h"

void Timer(ProcessTimer& timer, int mode, ReportSink& G) {
  if (mode == kTimerStart) {
    timer = ProcessTimer();
    timer.ticks_per_second = sysconf(_SC_CLK_TCK);
    if (timer.ticks_per_second <= 0) timer.ticks_per_second = 100;
    timer.start_ticks = times(&timer.start_times);
    return;
  }
  if (mode == kTimerShow) {
    Out(G,
        "  Process Timer\n  -------------------------------\n"
        "  User CPU Time  : %12.3f s\n  System CPU Time: %12.3f s\n"
        "  Wait Time      : %12.3f s\n  -------------------------------\n"
        "  Elapsed Time   : %12.3f s\n",
        timer.user_seconds, timer.system_seconds, timer.wait_seconds,
        timer.elapsed_seconds);
    return;
  }
  const double tps = static_cast<double>(timer.ticks_per_second);
  timer.end_ticks = times(&timer.end_times);
  timer.elapsed_seconds = (timer.end_ticks - timer.start_ticks) / tps;
  if (timer.elapsed_seconds < 0.001) timer.elapsed_seconds = 0.001;
  timer.user_seconds =
      (timer.end_times.tms_utime - timer.start_times.tms_utime) / tps;
  timer.system_seconds =
      (timer.end_times.tms_stime - timer.start_times.tms_stime) / tps;
  timer.wait_seconds =
      timer.elapsed_seconds - (timer.user_seconds + timer.system_seconds);
  if (timer.wait_seconds < 0) timer.wait_seconds = 0;
}

void Benchmark(ProcessTimer& timer, ReportSink& out, const Globals& G) {
  if (!G.benchmark_flag) return;
  Timer(timer, kTimerStop, out);
  Out(out, "  %s\n\n", Rule72('_').c_str());
  Center(out, "~~ Performance Benchmark ~~");
  Out(out,
      "\n  A process benchmark has been determined for this metrics "
      "analysis.\n"
      "  The elapsed time for processing is effected by the I/O response of\n"
      "  standard out or the redirection device.  The fastest KLV benchmarks\n"
      "  result from redirecting the output to a file on a local file "
      "system.\n"
      "  The benchmark is intended for comparative purposes and is not "
      "designed\n"
      "  to yield a definitive result.\n\n");
  Timer(timer, kTimerShow, out);
  if (G.totals.lines >= 1) {
    const float elapsed = static_cast<float>(timer.elapsed_seconds);
    Out(out,
        "\n  Performance Benchmark: %.0f Physical Lines Processed/s\n"
        "                       : %.0f Characters Parsed/s\n\n",
        static_cast<double>(static_cast<float>(G.totals.lines) / elapsed),
        static_cast<double>(static_cast<float>(G.totals.characters) / elapsed));
  }
}
