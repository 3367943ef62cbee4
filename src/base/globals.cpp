#include "base/globals.h"

#include <unistd.h>

#include <climits>

namespace {

// Every counter of FileMetrics, so totalling never misses one.
constexpr int32_t FileMetrics::*kCounters[] = {
    &FileMetrics::do_count,        &FileMetrics::macro_count,
    &FileMetrics::notice_count,    &FileMetrics::union_count,
    &FileMetrics::friend_count,    &FileMetrics::alloc_count,
    &FileMetrics::free_count,      &FileMetrics::new_count,
    &FileMetrics::delete_count,    &FileMetrics::typedef_count,
    &FileMetrics::enum_count,      &FileMetrics::lines,
    &FileMetrics::characters,      &FileMetrics::comment_lines,
    &FileMetrics::statements,      &FileMetrics::loc,
    &FileMetrics::blank_lines,     &FileMetrics::define_count,
    &FileMetrics::include_count,   &FileMetrics::import_count,
    &FileMetrics::string_count,    &FileMetrics::lparen_count,
    &FileMetrics::rparen_count,    &FileMetrics::openbrace_count,
    &FileMetrics::closebrace_count, &FileMetrics::lbracket_count,
    &FileMetrics::rbracket_count,  &FileMetrics::default_count,
    &FileMetrics::break_count,     &FileMetrics::return_count,
    &FileMetrics::const_count,     &FileMetrics::_exit_count,
    &FileMetrics::abort_count,     &FileMetrics::exit_count,
    &FileMetrics::while_count,     &FileMetrics::for_count,
    &FileMetrics::switch_count,    &FileMetrics::if_count,
    &FileMetrics::else_count,      &FileMetrics::goto_count,
    &FileMetrics::case_count,      &FileMetrics::class_count,
    &FileMetrics::interface_count, &FileMetrics::struct_count,
    &FileMetrics::template_count,  &FileMetrics::spaces,
    &FileMetrics::paren_lines,     &FileMetrics::brace_lines,
    &FileMetrics::inline_count,    &FileMetrics::function_count,
    &FileMetrics::namespace_count, &FileMetrics::package_count,
    &FileMetrics::using_count,     &FileMetrics::virtual_count,
};

static_assert(sizeof(kCounters) / sizeof(kCounters[0]) ==
                  sizeof(FileMetrics) / sizeof(int32_t),
              "every FileMetrics counter must be listed for totalling");

}  // namespace

int32_t Eloc(const FileMetrics& m) {
  return static_cast<int32_t>(int64_t{m.loc} - m.brace_lines - m.paren_lines);
}

int32_t Lloc(const FileMetrics& m) {
  return static_cast<int32_t>(int64_t{m.statements} - m.for_count);
}

int32_t TotalLogicalLines(const FileMetrics& m) {
  int64_t sum = int64_t{m.loc} + m.blank_lines + m.comment_lines;
  return sum > INT32_MAX ? INT32_MAX : static_cast<int32_t>(sum);
}

void Init_Globals(Globals& G) {
  G = Globals();
  char cwd[4096];
  if (getcwd(cwd, 4095) != nullptr) G.current_dir = cwd;
  G.parse.first_line = 1;
  for (int n = 1; n <= 45; ++n) G.notice_enabled[n] = 1;
  G.notice_enabled[21] = 0;
}

void ResetState(FileWork& G) {
  G.metrics = FileMetrics();
  G.parse = FileState();
  G.parse.first_line = 1;
}

void AddCounters(FileMetrics& into, const FileMetrics& from) {
  for (auto field : kCounters) Bump(into.*field, from.*field);
}

void AddTotal(Globals& G) { AddCounters(G.totals, G.metrics); }

void SetTotal(Globals& G) {
  G.metrics = G.totals;
  int64_t files = int64_t{G.c_source_count} + G.cpp_source_count +
                  G.c_header_count + G.cpp_header_count + G.java_file_count +
                  G.other_file_count;
  G.total_files = files > INT32_MAX ? INT32_MAX : static_cast<int32_t>(files);
}

long double Avg(int value, int count) {
  if (count <= 0) return 0;
  return static_cast<long double>(value) / count;
}

long double AvgD(double value, double count) {
  if (!(count > 0)) return 0;
  return static_cast<long double>(value) / count;
}

int MinMax_int(int value, int* min, int* max, int first) {
  if (first == 1 || value < *min) *min = value;
  if (first == 1 || value > *max) *max = value;
  int result = *min;
  if (*min < 0) *min = 0;
  return result;
}

void MinMax_double(double value, double* min, double* max, int first) {
  if (first == 1 || value < *min) *min = value;
  if (first == 1 || value > *max) *max = value;
  if (*min < 0) *min = 0;
}
