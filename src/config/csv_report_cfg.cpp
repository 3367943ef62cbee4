#include "config/csv_report_cfg.h"

#include <strings.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string_view>

#include "reports/csv_file_fields.h"
#include "reports/csv_file_report.h"
#include "base/error_block.h"
#include "base/output.h"

namespace {

constexpr const char* kTemplateHead[] = {
    "# KLV CSV file metrics",
    "#",
    "# This output is a template for creating a configurable CSV report.",
    "# Specify Yes or No to the data types shown in this template.",
    "# You must create a report configuration file from this template",
    "# by rerouting this output to a file.  All lines beginning with #",
    "# are comments.",
    "#",
    "# For Example:",
    "#     klv -Xc > /proj/reports/my_metrics.cfg",
    "#",
    "# Edit this configuration file to specify the desired data and order",
    "# of the data.  The resultant CSV report can be imported into",
    "# Microsoft Excel.",
    "#",
    "# Use KLV with the -X option to process this configuration file",
    "# into a CSV report.",
    "#",
    "#     klv -X \"File CSV my_metrics.cfg\" -O my_metrics.csv",
    "#",
};

void SelectAll(RunSettings& G) {
  for (int n = 1; n <= kCsvFieldCount; ++n) G.csv_field_order[n] = n;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// `text` without leading and trailing blanks and TABs.
std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Reports a line of a configuration that cannot be used.
void RefuseLine(const std::string& name, int number, const char* reason,
                const std::string& line, ReportSink& G) {
  OutError(G,
           {Fmt("CSV report configuration %s, line %d:", name.c_str(), number),
            reason, "Read: " + line},
           {.blank_after = true});
}

// Opens and reads the configuration `path`.
bool ReadCfgFile(const std::string& path, Globals& G) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    const int error = errno;
    OutError(G,
             {"Cannot open the CSV report configuration " + path,
              std::string("for read, ") + strerror(error)},
             {.blank_after = true});
    return false;
  }
  return ReadCSVFileReportCfg(in, path, G);
}

// A configuration file exists at `path`.
bool Exists(const char* path) {
  std::ifstream in(path);
  return static_cast<bool>(in);
}

}  // namespace

bool ReadCSVFileReportCfg(std::istream& in, const std::string& name,
                          Globals& G) {
  int order[kCsvFieldCount + 1] = {};
  bool named[kCsvFieldCount + 1] = {};
  int selected = 0;
  int number = 0;
  std::string line;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == '#') continue;
    const size_t colon = line.find(':');
    if (colon == std::string::npos) {
      RefuseLine(name, number, "Not a \"name : Yes|No\" line", line, G);
      return false;
    }
    // As in klv.cfg, leading blanks belong to the name.
    std::string_view key(line.data(), colon);
    while (!key.empty() && IsBlank(key.back())) key.remove_suffix(1);
    const std::string value(Trim(std::string_view(line).substr(colon + 1)));
    const bool yes = strcasecmp(value.c_str(), "yes") == 0;
    if (!yes && strcasecmp(value.c_str(), "no") != 0) {
      RefuseLine(name, number, "Not a \"name : Yes|No\" line", line, G);
      return false;
    }
    const int n = CsvFieldNumber(std::string(key));
    if (n == 0) {
      RefuseLine(name, number, "Unknown field name", line, G);
      return false;
    }
    if (named[n]) {
      RefuseLine(name, number, "Field named twice", line, G);
      return false;
    }
    named[n] = true;
    if (yes) order[n] = ++selected;
  }
  if (selected == 0) {
    OutError(G,
             {"CSV report configuration " + name + ":",
              "No field is selected; answer Yes for at least one"},
             {.blank_after = true});
    return false;
  }
  std::copy(order, order + kCsvFieldCount + 1, G.csv_field_order);
  return true;
}

bool LoadCSVFileReportCfg(Globals& G) {
  if (!G.csv_report_cfg_name.empty()) {
    return ReadCfgFile(G.csv_report_cfg_name, G);
  }
  if (Exists(kCsvReportCfgName)) return ReadCfgFile(kCsvReportCfgName, G);
  SelectAll(G);
  return true;
}

void CreateCSVFileReportCfg(Globals& G) {
  if (Exists(kCsvReportCfgName)) {
    if (!ReadCfgFile(kCsvReportCfgName, G)) return;
  } else {
    SelectAll(G);
  }
  for (const char* line : kTemplateHead) Out(G, "%s\n", line);
  bool listed[kCsvFieldCount + 1] = {};
  for (int n : CsvReportFields(G)) {
    Out(G, "%-40s: %s\n", CsvFileFieldAt(n).name, "Yes");
    listed[n] = true;
  }
  for (int n = 1; n <= kCsvFieldCount; ++n) {
    if (!listed[n]) Out(G, "%-40s: %s\n", CsvFileFieldAt(n).name, "No");
  }
  Out(G, "# End of report configuration\n");
}
