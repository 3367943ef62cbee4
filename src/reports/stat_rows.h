// The items of the two-column statistics blocks that close the project
// sections (functions, classes, namespaces): a left item is the label and
// the value after a blank in nine columns, a right item the label and the
// value in ten columns, ending the row; averages are written with two
// decimals. In HTML mode every label is bold up to and including its colon.
#ifndef KLV_REPORTS_STAT_ROWS_H_
#define KLV_REPORTS_STAT_ROWS_H_

#include <cstdint>

#include "base/globals.h"

void StatLeft(ReportSink& out, const RunSettings& G, const char* label,
              int64_t value);
void StatLeftAvg(ReportSink& out, const RunSettings& G, const char* label,
                 double value);
void StatRight(ReportSink& out, const RunSettings& G, const char* label,
               int64_t value);
void StatRightAvg(ReportSink& out, const RunSettings& G, const char* label,
                  double value);
// An item alone on its row: the left layout, then the end of the row.
void StatSingle(ReportSink& out, const RunSettings& G, const char* label,
                int64_t value);
void StatSingleAvg(ReportSink& out, const RunSettings& G, const char* label,
                   double value);
// The dashed line between the groups of a statistics block.
void StatSeparator(ReportSink& G);

// The rows from "Total Methods" to "Total Blank Lines" of the class and
// namespace statistics: `methods` ends the first row, the other values are
// the method, attribute and line fields of `t`.
template <class Figures>
void TotalMemberRows(ReportSink& out, const RunSettings& G, int64_t methods,
                     const Figures& t, int64_t blanks) {
  StatRight(out, G, "  Total Methods .........: ", methods);
  StatLeft(out, G, "  Total Public Methods ..: ", t.public_methods);
  StatRight(out, G, "  Total Public Attributes: ", t.public_attributes);
  StatLeft(out, G, "  Total Protected Methods: ", t.protected_methods);
  StatRight(out, G, "  Total Protected Attrib.: ", t.protected_attributes);
  StatLeft(out, G, "  Total Private Methods .: ", t.private_methods);
  StatRight(out, G, "  Total Private Attrib. .: ", t.private_attributes);
  StatLeft(out, G, "  Total Physical Lines ..: ", t.lines);
  StatRight(out, G, "  Total LOC .............: ", t.loc);
  StatLeft(out, G, "  Total eLOC ............: ", t.eloc);
  StatRight(out, G, "  Total lLOC ............: ", t.lloc);
  StatLeft(out, G, "  Total Cyclomatic Comp. : ", t.cyclo);
  StatRight(out, G, "  Total Interface Comp. .: ", t.params + t.returns);
  StatLeft(out, G, "  Total Parameters ......: ", t.params);
  StatRight(out, G, "  Total Return Points ...: ", t.returns);
  StatLeft(out, G, "  Total Comment Lines ...: ", t.comments);
  StatRight(out, G, "  Total Blank Lines .....: ", blanks);
}

#endif  // KLV_REPORTS_STAT_ROWS_H_
