// The values of one namespace report row, and the CSV rows built from them.
#ifndef KLV_REPORTS_NAMESPACE_ROWS_H_
#define KLV_REPORTS_NAMESPACE_ROWS_H_

#include <cstdint>
#include <string>

#include "base/globals.h"
#include "lists/node_data.h"

// A namespace's measures, or their totals, maxima or minima. The
// interface and functional complexity and the attributes column are
// computed from these when written.
struct NamespaceRow {
  int64_t loc = 0, eloc = 0, lloc = 0, comments = 0, lines = 0, blanks = 0;
  int64_t params = 0, returns = 0, cyclo = 0;
  int64_t classes = 0, functions = 0;
  int64_t public_methods = 0, protected_methods = 0, private_methods = 0;
  int64_t public_attributes = 0, protected_attributes = 0,
          private_attributes = 0;
  double ratio = 0.0;  // comment lines per eLOC line
};

// The row of one record; `functions` is its function count
// (NamespaceFunctions).
NamespaceRow RowOf(const NodeData& record);

// "Namespace/Package,name,..." with whole numbers; `name` is written as
// given.
void CsvNamespaceRow(ReportSink& G, const std::string& name,
                     const NamespaceRow& row);
// The same row with every value divided by `count`, with two decimals.
void CsvNamespaceAvgRow(ReportSink& G, const std::string& name,
                        const NamespaceRow& sums, int count);

#endif  // KLV_REPORTS_NAMESPACE_ROWS_H_
