#include "base/clock.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

time_t Now() {
  const char* epoch = getenv("SOURCE_DATE_EPOCH");
  if (epoch != nullptr && *epoch != '\0') {
    char* end = nullptr;
    errno = 0;
    long long value = strtoll(epoch, &end, 10);
    if (errno == 0 && end != epoch && *end == '\0') {
      return static_cast<time_t>(value);
    }
  }
  return time(nullptr);
}

std::string CtimeText(time_t t) {
  static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed",
                                      "Thu", "Fri", "Sat"};
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr",
                                        "May", "Jun", "Jul", "Aug",
                                        "Sep", "Oct", "Nov", "Dec"};
  struct tm tm {};
  if (localtime_r(&t, &tm) == nullptr) return "??? ??? ?? ??:??:?? ????\n";
  char buf[64];
  snprintf(buf, sizeof buf, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n",
           kDays[tm.tm_wday % 7], kMonths[tm.tm_mon % 12], tm.tm_mday,
           tm.tm_hour, tm.tm_min, tm.tm_sec, 1900 + tm.tm_year);
  return buf;
}

std::string GetDate(time_t t) {
  struct tm tm {};
  if (localtime_r(&t, &tm) == nullptr) return std::string();
  char buf[32];
  size_t n = strftime(buf, sizeof buf, "%m/%d/%Y", &tm);
  return std::string(buf, n);
}
