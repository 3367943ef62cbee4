#include "driver/jobs.h"

#include <sched.h>
#include <unistd.h>

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

int ParseJobs(std::string_view text) {
  if (text.empty()) return AvailableCores();
  if (!AllDigits(text)) return -1;
  long value = 0;
  for (const char c : text) {
    value = value * 10 + (c - '0');
    if (value > kMaxJobs) return -2;
  }
  return value == 0 ? AvailableCores() : static_cast<int>(value);
}

int AvailableCores() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) == 0) {
    const int count = CPU_COUNT(&set);
    if (count > 0) return count;
  }
  const long online = sysconf(_SC_NPROCESSORS_ONLN);
  return online > 0 ? static_cast<int>(online) : 1;
}
