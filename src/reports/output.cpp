#include "reports/output.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "reports/format.h"

void Out(Globals& G, const char* fmt, ...) {
  // One scratch buffer for every write: formatted, then copied out whole.
  static std::string line;
  size_t end = 0;
  va_list args;
  va_start(args, fmt);
  const bool ok = FormatInto(line, end, fmt, args);
  va_end(args);
  if (ok) OutText(G, std::string_view(line.data(), end));
}

void UseReportBuffer(FILE* stream) {
  constexpr size_t kSize = 1 << 16;
  static char stdout_buffer[kSize];
  static char file_buffer[kSize];
  setvbuf(stream, stream == stdout ? stdout_buffer : file_buffer, _IOFBF,
          kSize);
}

void OutText(Globals& G, std::string_view text) {
  // The program writes its reports from one thread: no stream locking.
  fwrite_unlocked(text.data(), 1, text.size(), G.output);
}

void Progress(Globals& G, const char* fmt, ...) {
  if (G.output == stdout) return;
  va_list args;
  va_start(args, fmt);
  vfprintf(stdout, fmt, args);
  va_end(args);
  fflush(stdout);
}

std::string Fmt(const char* fmt, ...) {
  std::string s;
  size_t end = 0;
  va_list args;
  va_start(args, fmt);
  if (!FormatInto(s, end, fmt, args)) end = 0;
  va_end(args);
  s.resize(end);
  return s;
}

void Center_HTML(Globals& G, const char* plain, const char* decorated) {
  if (plain == nullptr || decorated == nullptr) return;
  int half = static_cast<int>(strlen(plain) / 2);
  std::string line(1, ' ');
  if (37 - half > 0) line.append(static_cast<size_t>(37 - half), ' ');
  line += decorated;
  line += '\n';
  OutText(G, line);
}

void Center(Globals& G, const char* title) { Center_HTML(G, title, title); }

void CenterTitle(Globals& G, const char* title) {
  if (G.html_flag) Out(G, "<B><FONT COLOR=%s>", G.html_header_color.c_str());
  Center(G, title);
  if (G.html_flag) Out(G, "</FONT></B>");
}

std::string Rule72(char c) { return std::string(72, c); }

void UnderscoreRule(Globals& G) { Out(G, "  %s\n\n", Rule72('_').c_str()); }

void HyphenRule(Globals& G) { Out(G, "  %s\n", Rule72('-').c_str()); }

void SectionBanner(Globals& G, const char* title) {
  Out(G, "\n  %s\n\n", Rule72('-').c_str());
  CenterTitle(G, title);
}

std::string BoldLabel(const char* text, Globals& G) {
  std::string s = text;
  if (!G.html_flag) return s;
  const size_t colon = s.find(':');
  if (colon == std::string::npos) return s;
  s.insert(colon + 1, "</B>");
  s.insert(s.find_first_not_of(' '), "<B>");
  return s;
}

std::string HTML_template(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      default:
        out += c;
    }
  }
  return out;
}
