// Writing a text value into a CSV line.
#ifndef KLV_REPORTS_CSV_FIELD_H_
#define KLV_REPORTS_CSV_FIELD_H_

#include <string>
#include <string_view>

// `text` as a CSV field: unchanged unless it holds a comma, a double quote,
// a carriage return or a line feed; then enclosed in double quotes with
// each double quote doubled, so every consumer reads it back whole.
std::string CsvField(std::string_view text);

#endif  // KLV_REPORTS_CSV_FIELD_H_
