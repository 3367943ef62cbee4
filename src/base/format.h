// printf-style formatting into a string, without the C library's stream
// machinery: a report writes millions of short formatted lines, and the
// common conversions (%d, %u, %s, %c and %f with width, precision and the
// '-' and '0' flags) are written here directly. Every other conversion is
// handed to snprintf one at a time, so the result is always exactly what
// printf writes.
#ifndef KLV_BASE_FORMAT_H_
#define KLV_BASE_FORMAT_H_

#include <cstdarg>
#include <cstddef>
#include <string>

// Writes `fmt` formatted with `args` into `buffer` from index `at` on and
// moves `at` past the text written. `buffer` is enlarged when it is too
// short and never shortened, so a buffer kept between calls stops growing.
// Returns false (with `at` unchanged) only when the C library reports an
// encoding error.
bool FormatInto(std::string& buffer, size_t& at, const char* fmt,
                va_list args);

#endif  // KLV_BASE_FORMAT_H_
