#include "reports/csv_file_report.h"

#include <algorithm>

#include "reports/csv_file_fields.h"
#include "base/output.h"

namespace {

// The selected fields' texts joined by commas, as one line.
template <typename FieldText>
void WriteLine(ReportSink& out, const RunSettings& G, FieldText text) {
  std::string line;
  for (int n : CsvReportFields(G)) {
    if (!line.empty()) line += ',';
    line += text(n);
  }
  line += '\n';
  OutText(out, line);
}

}  // namespace

int insert_csv_data(int n, int title, Globals& G) {
  if (n < 1 || n > kCsvFieldCount) {
    Out(G, "%s-%d,", "Invalid Report Selection", n);
  } else if (title) {
    OutText(G, CsvFileFieldAt(n).title);
  } else {
    OutPieces(G, {CsvFieldValue(n, G), ","});
  }
  return 0;
}

std::vector<int> CsvReportFields(const RunSettings& G) {
  std::vector<int> fields;
  for (int n = 1; n <= kCsvFieldCount; ++n) {
    if (G.csv_field_order[n] > 0) fields.push_back(n);
  }
  std::stable_sort(fields.begin(), fields.end(), [&G](int a, int b) {
    return G.csv_field_order[a] < G.csv_field_order[b];
  });
  return fields;
}

void CsvReportTitleLine(ReportSink& out, const RunSettings& G) {
  WriteLine(out, G, [](int n) { return std::string(CsvFileFieldAt(n).title); });
}

void CsvReportFileLine(Globals& G) {
  WriteLine(G, G, [&G](int n) { return CsvFieldValue(n, G); });
}
