// The configurable CSV file report: its configuration template and the
// reading of a configuration into the field selection csv_field_order.
//
// A configuration reads like klv.cfg: '#' starts a comment line, and each
// other line is "field name : Yes" or "field name : No", the names as the
// template prints them (compared without regard to case). The selected
// fields become the report's columns in the order of their lines.
#ifndef KLV_CONFIG_CSV_REPORT_CFG_H_
#define KLV_CONFIG_CSV_REPORT_CFG_H_

#include <istream>
#include <string>

#include "base/globals.h"

// The configuration the template suggests and -X reads when it names none,
// in the current directory.
inline constexpr char kCsvReportCfgName[] = "klv_csv_file_report.cfg";

// Prints the template (-Xc) on the output stream: every field with Yes or
// No as klv_csv_file_report.cfg selects it, selected fields first in their
// order; every field Yes when that file does not exist. A file that cannot
// be read is reported instead.
void CreateCSVFileReportCfg(Globals& G);

// Fills csv_field_order for the report of -X from the configuration it
// names, or else from klv_csv_file_report.cfg in the current directory, or,
// when that does not exist either, with every field in catalogue order.
// Returns false after printing why a configuration cannot be used.
bool LoadCSVFileReportCfg(Globals& G);

// Reads a configuration into csv_field_order; `name` is the file's name in
// messages. Refuses, with an error naming the file and the line, an
// unknown field, a field named twice, a line that is not "name : Yes|No",
// and a configuration that selects no field. Returns false when refused.
bool ReadCSVFileReportCfg(std::istream& in, const std::string& name,
                          Globals& G);

#endif  // KLV_CONFIG_CSV_REPORT_CFG_H_
