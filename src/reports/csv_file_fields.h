// The catalogue of the configurable CSV file report: 72 per-file fields,
// each with the name the configuration template prints, its column title
// and how its value is formed from the current file's counters.
#ifndef KLV_REPORTS_CSV_FILE_FIELDS_H_
#define KLV_REPORTS_CSV_FILE_FIELDS_H_

#include <cstdint>
#include <string>

#include "base/globals.h"

// How a field's value is written.
enum class CsvValueKind {
  kFileName,  // the path of the current file, quoted where CSV needs it
  kCount,     // "%d"
  kRatio2,    // "%.2f"
  kRatio4,    // "%.4f"
};

struct CsvFileField {
  const char* name;   // as the template and configuration files write it
  const char* title;  // the column title
  CsvValueKind kind;
  // The value: a plain counter of the file, or a figure formed from
  // several (null both for the file name).
  int32_t FileMetrics::*counter;
  double (*derived)(const Globals& G);
};

constexpr int kCsvFieldCount = 72;

// Field n of the catalogue, n in 1..kCsvFieldCount.
const CsvFileField& CsvFileFieldAt(int n);

// The field numbered n whose name is `name` (compared without regard to
// case), or 0.
int CsvFieldNumber(const std::string& name);

// Field n's value for the current file as the report writes it, without a
// separator: the counts in decimal, the ratios with two or four decimals
// (0 when the divisor is 0, so a spreadsheet reads every cell as a number),
// the file name quoted where CSV needs it.
std::string CsvFieldValue(int n, Globals& G);

#endif  // KLV_REPORTS_CSV_FILE_FIELDS_H_
