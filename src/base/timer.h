// The process timer behind -b and its benchmark report.
#ifndef KLV_BASE_TIMER_H_
#define KLV_BASE_TIMER_H_

#include <sys/times.h>

#include "base/globals.h"

struct ProcessTimer {
  long ticks_per_second = 0;
  clock_t start_ticks = 0;
  clock_t end_ticks = 0;
  double user_seconds = 0;
  double system_seconds = 0;
  double elapsed_seconds = 0;
  double wait_seconds = 0;
  struct tms start_times {};
  struct tms end_times {};
};

enum TimerMode { kTimerStart = 0, kTimerStop = 1, kTimerShow = 2 };

// Starts, stops (computing the times) or prints the timer table.
void Timer(ProcessTimer& timer, int mode, ReportSink& G);
// With -b: stops the timer and prints the benchmark report.
void Benchmark(ProcessTimer& timer, ReportSink& out, const Globals& G);

#endif  // KLV_BASE_TIMER_H_
