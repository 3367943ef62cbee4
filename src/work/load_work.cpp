#include "work/load_work.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/line_reader.h"
#include "lists/add_node.h"
#include "base/error_block.h"
#include "base/output.h"
#include "base/saturate.h"

namespace {

// A work line holds a path and ten short numbers; anything far longer is
// not a work line, and is not read into memory whole.
constexpr size_t kMaxWorkLine = 65536;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view TrimEnd(std::string_view s) {
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view Trim(std::string_view s) {
  s = TrimEnd(s);
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

// A whole decimal integer, with an optional '-'.
bool ParseInteger(std::string_view text, int64_t& value) {
  if (text.empty() || text[0] == '+') return false;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

bool Fits32(int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

// The next whole line (pieces of the line reader joined up to the line
// feed). `at_end`: the line ran into the end of the file. False when
// nothing was left; `too_long` when the line passed kMaxWorkLine.
bool ReadWholeLine(LineReader& reader, std::string& line, bool& at_end,
                   bool& too_long) {
  line.clear();
  too_long = false;
  std::string piece;
  for (;;) {
    if (!reader.Next(piece, at_end)) return !line.empty();
    line += piece;
    if (line.size() > kMaxWorkLine) {
      too_long = true;
      return true;
    }
    if (line.back() == '\n' || at_end) return true;
  }
}

int LoadFailure(ReportSink& G, const char* path, const std::string& why) {
  OutError(G, {std::string("Loading Workfile: ") + path, why},
           {.blank_before = false});
  return 0;
}

// Warns when the work file's version (line 3) is not of this program's
// major version.
void CheckVersion(const std::string& line, const char* path, ReportSink& out,
                  const RunSettings& G) {
  const double version = strtod(line.c_str(), nullptr);
  const double program = strtod(G.version.c_str(), nullptr);
  if (std::trunc(version) == std::trunc(program)) return;
  Out(out,
      "\n  WARNING: Work file version does not match the current version\n"
      "           of KLV .  Reprocess the historical work file with the\n"
      "           newer version of KLV\n"
      "           Work File: %s\n"
      "             Version: %-5.2f\n"
      "             Program: %s\n"
      "             Version: %s\n\n",
      path, version, "KLV", G.version.c_str());
}

}  // namespace

bool ParseWorkLine(std::string_view line, NodeData& out) {
  line = TrimEnd(line);
  int64_t v[9];
  for (int k = 8; k >= 0; --k) {
    size_t start = line.size();
    while (start > 0 && !IsBlank(line[start - 1])) --start;
    // Every number needs a word before it: the name, or another number.
    if (start == 0 || start == line.size()) return false;
    if (!ParseInteger(line.substr(start), v[k])) return false;
    line = TrimEnd(line.substr(0, start));
  }
  if (line.empty()) return false;
  for (int k = 2; k < 9; ++k) {
    if (!Fits32(v[k])) return false;
  }
  out = NodeData{};
  out.name = std::string(line);
  out.date = v[0];
  out.params = Saturate32(v[1]);
  out.loc = static_cast<int32_t>(v[2]);
  out.eloc = static_cast<int32_t>(v[3]);
  out.comments = static_cast<int32_t>(v[4]);
  out.blanks = static_cast<int32_t>(v[5]);
  out.lines = static_cast<int32_t>(v[6]);
  out.lloc = static_cast<int32_t>(v[7]);
  out.cyclo = static_cast<int32_t>(v[8]);
  return true;
}

int LoadWorkFile(const char* path, int64_t& out_time, Llist<NodeData>& list,
                 ReportSink& out, const RunSettings& G) {
  if (path == nullptr) path = "";
  FilePtr in(fopen(path, "rb"));
  if (in == nullptr) {
    const int error = errno;
    OutError(out,
             {std::string("Loading Workfile: ") + path,
              "Use the -wc option to create a base workfile", strerror(error)},
             {.blank_before = false});
    return 0;
  }

  LineReader reader(in.get());
  std::string line;
  bool at_end = false;
  bool too_long = false;
  std::string head[4];
  for (std::string& h : head) {
    if (!ReadWholeLine(reader, h, at_end, too_long) || too_long) {
      // A directory, for one, opens but cannot be read.
      if (ferror(in.get())) return LoadFailure(out, path, strerror(errno));
      return LoadFailure(out, path,
                         "The work file head is incomplete: the file is "
                         "damaged or not a work file");
    }
  }
  CheckVersion(head[2], path, out, G);
  if (!ParseInteger(Trim(head[3]), out_time)) {
    return LoadFailure(out, path,
                       "Line 4 does not hold the creation time: the file is "
                       "damaged or not a work file");
  }

  for (int number = 5; ReadWholeLine(reader, line, at_end, too_long);
       ++number) {
    if (!too_long && Trim(line).empty()) continue;
    // A last line without a line feed that starts with a control
    // character (padding left by an interrupted write) ends the file.
    if (at_end && static_cast<unsigned char>(line[0]) < 32) break;
    NodeData record;
    if (too_long || !ParseWorkLine(line, record)) {
      return LoadFailure(
          out, path,
          Fmt("Line %d is not a work file line: the file is damaged", number));
    }
    if (AddListNode(1, std::move(record), list) == 0) {
      OutMemoryError(out, ENOMEM);
      return 0;
    }
  }
  if (ferror(in.get())) return LoadFailure(out, path, strerror(errno));
  return 1;
}
