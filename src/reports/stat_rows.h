// The items of the two-column statistics blocks that close the project
// sections (functions, classes, namespaces): a left item is the label and
// the value after a blank in nine columns, a right item the label and the
// value in ten columns, ending the row; averages are written with two
// decimals. In HTML mode every label is bold up to and including its colon.
#ifndef KLV_REPORTS_STAT_ROWS_H_
#define KLV_REPORTS_STAT_ROWS_H_

#include <cstdint>

#include "driver/globals.h"

void StatLeft(Globals& G, const char* label, int64_t value);
void StatLeftAvg(Globals& G, const char* label, double value);
void StatRight(Globals& G, const char* label, int64_t value);
void StatRightAvg(Globals& G, const char* label, double value);
// An item alone on its row: the left layout, then the end of the row.
void StatSingle(Globals& G, const char* label, int64_t value);
void StatSingleAvg(Globals& G, const char* label, double value);
// The dashed line between the groups of a statistics block.
void StatSeparator(Globals& G);

#endif  // KLV_REPORTS_STAT_ROWS_H_
