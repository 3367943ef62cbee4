// The run's notion of "now" and the classic date texts of the reports.
#ifndef KLV_BASE_CLOCK_H_
#define KLV_BASE_CLOCK_H_

#include <ctime>
#include <string>

// The current time, or the integer in SOURCE_DATE_EPOCH when it is set, so
// that reports can be reproduced.
time_t Now();

// A time in local time as "Wed Jun 30 21:49:08 1993\n" (with the newline).
std::string CtimeText(time_t t);

// "%m/%d/%Y" of a time in local time.
std::string GetDate(time_t t);

#endif  // KLV_BASE_CLOCK_H_
