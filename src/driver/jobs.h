// The number of analysis threads of a run: -j N, -jN, -j alone, and the
// environment variable KLVJOBS (the option wins).
#ifndef KLV_DRIVER_JOBS_H_
#define KLV_DRIVER_JOBS_H_

#include <string_view>

// The most threads a run takes.
constexpr int kMaxJobs = 256;

// True when `text` is one or more decimal digits and nothing else.
bool AllDigits(std::string_view text);
// The thread count `text` asks for: 0 and the empty text mean one per
// available core; -1 when the text is no count (not all digits), -2 when
// it is above kMaxJobs.
int ParseJobs(std::string_view text);
// The cores this process may run on (at least 1).
int AvailableCores();

#endif  // KLV_DRIVER_JOBS_H_
