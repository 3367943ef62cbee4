#include "base/format.h"

#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <system_error>

namespace {

// Writes into a string through a raw position, enlarging the string ahead
// of each piece instead of appending character by character.
class Sink {
 public:
  Sink(std::string& buffer, size_t at) : buffer_(buffer), pos_(at) {}

  size_t pos() const { return pos_; }
  void Rewind(size_t pos) { pos_ = pos; }

  // Room for `n` more bytes; returns where they go. Call Advance after.
  [[gnu::always_inline]] char* Room(size_t n) {
    if (buffer_.size() - pos_ < n) Grow(n);
    return buffer_.data() + pos_;
  }
  void Advance(size_t n) { pos_ += n; }

  void Put(const char* text, size_t n) {
    memcpy(Room(n), text, n);
    pos_ += n;
  }
  void Put(std::string_view text) { Put(text.data(), text.size()); }
  // Writes the first `n` (at most kShort) bytes of `text`, which must have
  // kShort bytes to read: a copy of fixed size needs no library call.
  void PutShort(const char* text, size_t n) {
    memcpy(Room(kShort), text, kShort);
    pos_ += n;
  }
  void Fill(char c, size_t n) {
    if (n <= kShort) {
      memset(Room(kShort), c, kShort);
    } else {
      memset(Room(n), c, n);
    }
    pos_ += n;
  }

  static constexpr size_t kShort = 32;

 private:
  [[gnu::noinline]] void Grow(size_t n) {
    buffer_.resize(std::max(buffer_.size() * 2, pos_ + n + 256));
  }

  std::string& buffer_;
  size_t pos_;
};

// One conversion of a format, as read from it.
struct Conversion {
  bool left = false;         // '-'
  bool zero = false;         // '0'
  bool other_flags = false;  // ' ', '+' or '#'
  std::string_view flags;
  int width = 0;
  int precision = -1;  // -1: none given
  std::string_view length;
  char conv = 0;
};

// Writes `body` padded with blanks to the conversion's width.
void PutPadded(Sink& out, std::string_view body, const Conversion& s) {
  const size_t width = static_cast<size_t>(s.width);
  if (body.size() >= width) {
    out.Put(body);
  } else if (s.left) {
    out.Put(body);
    out.Fill(' ', width - body.size());
  } else {
    out.Fill(' ', width - body.size());
    out.Put(body);
  }
}

// Writes a number's text (an optional '-' and its digits) padded to the
// conversion's width: with zeros after the sign under '0', else with blanks.
void PutNumber(Sink& out, std::string_view text, const Conversion& s) {
  const size_t width = static_cast<size_t>(s.width);
  if (s.zero && !s.left && text.size() < width) {
    size_t digits = 0;
    if (!text.empty() && text[0] == '-') {
      out.Put("-", 1);
      digits = 1;
    }
    out.Fill('0', width - text.size());
    out.Put(text.substr(digits));
    return;
  }
  PutPadded(out, text, s);
}

// %d, %i and %u with no precision and no flags but '-' and '0'.
void PutInteger(Sink& out, bool negative, unsigned long long magnitude,
                const Conversion& s) {
  // The text ends at digits + kShort; at most 21 characters long, it
  // starts far enough in for a short copy to stay inside the array.
  char digits[2 * Sink::kShort];
  char* const end = digits + Sink::kShort;
  char* p = end;
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) *--p = '-';
  const size_t length = static_cast<size_t>(end - p);
  const size_t width = static_cast<size_t>(s.width);
  if (length >= width) {
    out.PutShort(p, length);
  } else if (s.left) {
    out.PutShort(p, length);
    out.Fill(' ', width - length);
  } else if (s.zero) {
    if (negative) out.Put("-", 1);
    out.Fill('0', width - length);
    out.PutShort(negative ? p + 1 : p, negative ? length - 1 : length);
  } else {
    out.Fill(' ', width - length);
    out.PutShort(p, length);
  }
}

// %f of a finite value with no flags but '-' and '0': the exact decimal
// rounding, as printf writes it.
bool PutFixed(Sink& out, double value, const Conversion& s) {
  char text[400];
  const int precision = s.precision < 0 ? 6 : s.precision;
  if (precision > 60) return false;
  const auto [end, error] = std::to_chars(text, text + sizeof text, value,
                                          std::chars_format::fixed, precision);
  if (error != std::errc()) return false;
  PutNumber(out, std::string_view(text, static_cast<size_t>(end - text)), s);
  return true;
}

// Formats one conversion through snprintf. `conversion` is a complete printf
// conversion taking exactly `value`.
template <class T>
bool PutThroughLibrary(Sink& out, const char* conversion, T value) {
  char small[128];
  const int n = snprintf(small, sizeof small, conversion, value);
  if (n < 0) return false;
  if (static_cast<size_t>(n) < sizeof small) {
    out.Put(small, static_cast<size_t>(n));
    return true;
  }
  char* room = out.Room(static_cast<size_t>(n) + 1);
  snprintf(room, static_cast<size_t>(n) + 1, conversion, value);
  out.Advance(static_cast<size_t>(n));
  return true;
}

// The conversion rebuilt with numbers for any '*' and the length
// `length` in place of the one written.
std::string ConversionText(const Conversion& s, std::string_view length) {
  std::string text = "%";
  text += s.flags;
  if (s.left && s.flags.find('-') == std::string_view::npos) text += '-';
  if (s.width > 0) text += std::to_string(s.width);
  if (s.precision >= 0) {
    text += '.';
    text += std::to_string(s.precision);
  }
  text += length;
  text += s.conv;
  return text;
}

// Reads a decimal number of a conversion; false when it does not fit an
// int (printf then fails as a whole).
bool ReadNumber(const char*& p, int& value) {
  long long v = 0;
  while (*p >= '0' && *p <= '9') {
    v = v * 10 + (*p - '0');
    if (v > INT_MAX) return false;
    ++p;
  }
  value = static_cast<int>(v);
  return true;
}

// Reads a signed integer argument of the given length, narrowed as printf
// narrows it.
long long SignedArg(std::string_view length, va_list& args) {
  if (length.empty()) return va_arg(args, int);
  if (length == "hh") return static_cast<signed char>(va_arg(args, int));
  if (length == "h") return static_cast<short>(va_arg(args, int));
  if (length == "l") return va_arg(args, long);
  if (length == "ll") return va_arg(args, long long);
  if (length == "z") return va_arg(args, ssize_t);
  if (length == "j") return va_arg(args, intmax_t);
  return va_arg(args, ptrdiff_t);  // "t"
}

unsigned long long UnsignedArg(std::string_view length, va_list& args) {
  if (length.empty()) return va_arg(args, unsigned);
  if (length == "hh") return static_cast<unsigned char>(va_arg(args, unsigned));
  if (length == "h") return static_cast<unsigned short>(va_arg(args, unsigned));
  if (length == "l") return va_arg(args, unsigned long);
  if (length == "ll") return va_arg(args, unsigned long long);
  if (length == "z") return va_arg(args, size_t);
  if (length == "j") return va_arg(args, uintmax_t);
  return static_cast<unsigned long long>(va_arg(args, ptrdiff_t));  // "t"
}

// Reads the conversion after a '%' (at `p`) into `s`, taking '*' widths and
// precisions from `args`; false when printf would fail as a whole.
bool ReadConversion(const char*& p, va_list& args, Conversion& s) {
  const char* flags = p;
  for (;; ++p) {
    if (*p == '-') {
      s.left = true;
    } else if (*p == '0') {
      s.zero = true;
    } else if (*p == ' ' || *p == '+' || *p == '#') {
      s.other_flags = true;
    } else {
      break;
    }
  }
  s.flags = std::string_view(flags, static_cast<size_t>(p - flags));
  if (*p == '*') {
    ++p;
    const int w = va_arg(args, int);
    if (w == INT_MIN) return false;
    if (w < 0) s.left = true;
    s.width = w < 0 ? -w : w;
  } else if (!ReadNumber(p, s.width)) {
    return false;
  }
  if (*p == '.') {
    ++p;
    if (*p == '*') {
      ++p;
      const int prec = va_arg(args, int);
      s.precision = prec < 0 ? -1 : prec;
    } else if (!ReadNumber(p, s.precision)) {
      return false;
    }
  }
  const char* length = p;
  if ((p[0] == 'h' && p[1] == 'h') || (p[0] == 'l' && p[1] == 'l')) {
    p += 2;
  } else if (*p == 'h' || *p == 'l' || *p == 'z' || *p == 'j' || *p == 't' ||
             *p == 'L') {
    ++p;
  }
  s.length = std::string_view(length, static_cast<size_t>(p - length));
  s.conv = *p;
  if (s.conv == '\0') return false;
  ++p;
  return true;
}

enum class Outcome { kDone, kEncodingError, kUnknown };

// Writes one conversion with its argument.
Outcome PutConversion(Sink& out, const Conversion& s, va_list& args,
                      int saved_errno) {
  const bool plain_flags = !s.other_flags;
  switch (s.conv) {
    case '%':
      if (!s.flags.empty() || s.width != 0 || s.precision >= 0 ||
          !s.length.empty()) {
        return Outcome::kUnknown;
      }
      out.Put("%", 1);
      return Outcome::kDone;
    case 'd':
    case 'i': {
      if (s.length == "L") return Outcome::kUnknown;
      const long long v = SignedArg(s.length, args);
      if (plain_flags && s.precision < 0) {
        const unsigned long long magnitude =
            v < 0 ? 0ull - static_cast<unsigned long long>(v)
                  : static_cast<unsigned long long>(v);
        PutInteger(out, v < 0, magnitude, s);
        return Outcome::kDone;
      }
      return PutThroughLibrary(out, ConversionText(s, "ll").c_str(), v)
                 ? Outcome::kDone
                 : Outcome::kEncodingError;
    }
    case 'u':
    case 'o':
    case 'x':
    case 'X': {
      if (s.length == "L") return Outcome::kUnknown;
      const unsigned long long v = UnsignedArg(s.length, args);
      if (s.conv == 'u' && plain_flags && s.precision < 0) {
        PutInteger(out, false, v, s);
        return Outcome::kDone;
      }
      return PutThroughLibrary(out, ConversionText(s, "ll").c_str(), v)
                 ? Outcome::kDone
                 : Outcome::kEncodingError;
    }
    case 's': {
      if (!s.length.empty()) return Outcome::kUnknown;
      const char* text = va_arg(args, const char*);
      if (text != nullptr && plain_flags && !s.zero) {
        const size_t n = s.precision < 0
                             ? strlen(text)
                             : strnlen(text, static_cast<size_t>(s.precision));
        PutPadded(out, std::string_view(text, n), s);
        return Outcome::kDone;
      }
      return PutThroughLibrary(out, ConversionText(s, "").c_str(), text)
                 ? Outcome::kDone
                 : Outcome::kEncodingError;
    }
    case 'c': {
      if (!s.length.empty()) return Outcome::kUnknown;
      const int c = va_arg(args, int);
      if (plain_flags && !s.zero && s.precision < 0) {
        const char ch = static_cast<char>(static_cast<unsigned char>(c));
        PutPadded(out, std::string_view(&ch, 1), s);
        return Outcome::kDone;
      }
      return PutThroughLibrary(out, ConversionText(s, "").c_str(), c)
                 ? Outcome::kDone
                 : Outcome::kEncodingError;
    }
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
    case 'a':
    case 'A': {
      bool ok;
      if (s.length == "L") {
        ok = PutThroughLibrary(out, ConversionText(s, "L").c_str(),
                               va_arg(args, long double));
      } else if (s.length.empty() || s.length == "l") {
        const double v = va_arg(args, double);
        ok = (s.conv == 'f' && plain_flags && std::isfinite(v) &&
              PutFixed(out, v, s)) ||
             PutThroughLibrary(out, ConversionText(s, "").c_str(), v);
      } else {
        return Outcome::kUnknown;
      }
      return ok ? Outcome::kDone : Outcome::kEncodingError;
    }
    case 'p':
      if (!s.length.empty()) return Outcome::kUnknown;
      return PutThroughLibrary(out, ConversionText(s, "").c_str(),
                               va_arg(args, void*))
                 ? Outcome::kDone
                 : Outcome::kEncodingError;
    case 'm':
      // The text of errno as it was when formatting began.
      errno = saved_errno;
      return PutThroughLibrary(out, ConversionText(s, "").c_str(), 0)
                 ? Outcome::kDone
                 : Outcome::kEncodingError;
    default:
      return Outcome::kUnknown;
  }
}

// Formats `fmt` into `out`; kUnknown when a conversion is not one this
// formatter knows (the caller then leaves the whole format to the C
// library).
Outcome Format(Sink& out, const char* fmt, va_list& args, int saved_errno) {
  const char* p = fmt;
  while (true) {
    // The literal text up to the next '%' or the end, copied as it is read.
    const char* start = p;
    p = strchrnul(p, '%');
    out.Put(start, static_cast<size_t>(p - start));
    if (*p == '\0') return Outcome::kDone;
    ++p;
    Conversion s;
    // The most frequent conversions, %d, %Nd and %-Nd, read at once.
    const char* q = p;
    if (*q == '-') {
      s.left = true;
      ++q;
    }
    if (*q >= '1' && *q <= '9') {
      s.width = *q++ - '0';
      if (*q >= '0' && *q <= '9') s.width = s.width * 10 + (*q++ - '0');
    }
    if (*q == 'd') {
      p = q + 1;
      const int v = va_arg(args, int);
      const unsigned long long magnitude =
          v < 0 ? 0ull -
                      static_cast<unsigned long long>(static_cast<long long>(v))
                : static_cast<unsigned long long>(v);
      PutInteger(out, v < 0, magnitude, s);
      continue;
    }
    s = Conversion();
    if (!ReadConversion(p, args, s)) return Outcome::kUnknown;
    const Outcome done = PutConversion(out, s, args, saved_errno);
    if (done != Outcome::kDone) return done;
  }
}

// The whole format through vsnprintf, from `at`.
bool FormatThroughLibrary(Sink& out, const char* fmt, va_list args) {
  va_list again;
  va_copy(again, args);
  char small[512];
  const int n = vsnprintf(small, sizeof small, fmt, args);
  bool ok = n >= 0;
  if (ok && static_cast<size_t>(n) < sizeof small) {
    out.Put(small, static_cast<size_t>(n));
  } else if (ok) {
    char* room = out.Room(static_cast<size_t>(n) + 1);
    vsnprintf(room, static_cast<size_t>(n) + 1, fmt, again);
    out.Advance(static_cast<size_t>(n));
  }
  va_end(again);
  return ok;
}

}  // namespace

bool FormatInto(std::string& buffer, size_t& at, const char* fmt,
                va_list args) {
  const int saved_errno = errno;
  Sink out(buffer, at);
  va_list mine;
  va_copy(mine, args);
  const Outcome done = Format(out, fmt, mine, saved_errno);
  va_end(mine);
  if (done == Outcome::kEncodingError) return false;
  if (done == Outcome::kUnknown) {
    // A conversion this formatter does not know: the C library formats it
    // all.
    out.Rewind(at);
    errno = saved_errno;
    va_list copy;
    va_copy(copy, args);
    const bool ok = FormatThroughLibrary(out, fmt, copy);
    va_end(copy);
    if (!ok) return false;
  }
  at = out.pos();
  return true;
}
