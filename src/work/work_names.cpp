#include "work/work_names.h"

#include <string_view>

#include "base/output.h"

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsAsciiLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9');
}

}  // namespace

std::string DatedWorkFileName(time_t when) {
  struct tm tm {};
  if (localtime_r(&when, &tm) == nullptr) return std::string();
  const long year = 1900L + tm.tm_year;
  const long two_digits = year % 100;
  return Fmt("kv%02d%02d%ld.%02ld", tm.tm_mon + 1, tm.tm_mday,
             (year - two_digits) / 100, two_digits);
}

std::string InWorkPath(const std::string& file, const RunSettings& G) {
  const std::string& dir = G.work_file_path;
  if (dir.empty() || !(IsAsciiLetterOrDigit(dir[0]) || dir[0] == '.' ||
                       dir[0] == '/')) {
    return file;
  }
  return dir.back() == '/' ? dir + file : dir + "/" + file;
}

std::string StandingWorkFileName(const RunSettings& G) {
  return InWorkPath(kStandingWorkFile, G);
}

std::string WorkLineName(const std::string& name, const RunSettings& G) {
  const std::string& dir = G.current_dir;
  if (!G.relative_work_files || dir.empty() ||
      std::string_view(name).substr(0, dir.size()) != dir) {
    return name;
  }
  size_t cut = dir.size();
  const bool at_separator = cut < name.size() && IsSeparator(name[cut]);
  // Only a whole directory is taken off: /home/pq/a.c is not inside
  // /home/p.
  if (!at_separator && !IsSeparator(dir.back())) return name;
  if (at_separator) ++cut;
  if (cut >= name.size()) return name;
  return name.substr(cut);
}
