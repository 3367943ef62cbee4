#include "reports/json_text.h"

#include <cerrno>
#include <ctime>

namespace {

constexpr char kHex[] = "0123456789abcdef";

// The length of the valid UTF-8 sequence starting at `s[i]`, or 0 when the
// byte there does not start one (overlong forms, surrogates and values
// above U+10FFFF are not valid).
size_t Utf8Length(std::string_view s, size_t i) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = b(i);
  size_t n = 0;
  unsigned char lo = 0x80, hi = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) lo = 0xA0;
    if (c == 0xED) hi = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) lo = 0x90;
    if (c == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  if (b(i + 1) < lo || b(i + 1) > hi) return 0;
  for (size_t k = 2; k < n; ++k) {
    if (b(i + k) < 0x80 || b(i + k) > 0xBF) return 0;
  }
  return n;
}

void PutEscape(std::string& out, unsigned char c) {
  out += "\\u00";
  out += kHex[c >> 4];
  out += kHex[c & 15];
}

}  // namespace

std::string JsonString(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + 2);
  out += '"';
  size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c >= 0x80) {
      const size_t n = Utf8Length(bytes, i);
      if (n == 0) {
        PutEscape(out, c);
        ++i;
      } else {
        out.append(bytes.substr(i, n));
        i += n;
      }
      continue;
    }
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          PutEscape(out, c);
        } else {
          out += static_cast<char>(c);
        }
    }
    ++i;
  }
  out += '"';
  return out;
}

std::string UriPath(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                      (c >= '0' && c <= '9') || c == '-' || c == '.' ||
                      c == '_' || c == '~' || c == '/';
    if (keep) {
      out += ch;
    } else {
      constexpr char kUpperHex[] = "0123456789ABCDEF";
      out += '%';
      out += kUpperHex[c >> 4];
      out += kUpperHex[c & 15];
    }
  }
  return out;
}

std::string IsoTime(int64_t seconds) {
  const time_t t = static_cast<time_t>(seconds);
  struct tm parts {};
  char buf[40] = "1970-01-01T00:00:00Z";
  if (gmtime_r(&t, &parts) != nullptr) {
    strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%SZ", &parts);
  }
  return buf;
}

void TextSink::Put(std::string_view piece) {
  text.append(piece);
  if (file != nullptr && text.size() >= 65536) Flush();
}

void TextSink::Flush() {
  if (file == nullptr || text.empty()) return;
  if (error == 0 && fwrite(text.data(), 1, text.size(), file) != text.size()) {
    error = errno != 0 ? errno : EIO;
  }
  text.clear();
}
