// The project statistics over the function list: sums, maxima and minima,
// gathered one record at a time in list order.
#ifndef KLV_REPORTS_FUNCTION_STATS_H_
#define KLV_REPORTS_FUNCTION_STATS_H_

#include "base/globals.h"
#include "reports/function_sums.h"

// The largest or smallest value of each measure over the functions.
struct Extremes {
  int lines = 0;
  int loc = 0;
  int eloc = 0;
  int lloc = 0;
  int comments = 0;
  int cyclo = 0;
  int blanks = 0;
  int params = 0;
  int returns = 0;
  int inter = 0;  // parameters + returns of one function
  double ratio = 0.0;
};

struct FunctionStats {
  FunctionSums sum;
  Extremes max;
  Extremes min;
};

// Counts the next function of the list into `stats`; its measures also go
// to its namespace.
void GatherFunction(const NodeData& record, FunctionStats& stats,
                    RunTotals& G);
// After the last function: the namespace sums are complete.
void EndFunctionGathering(RunTotals& G);

#endif  // KLV_REPORTS_FUNCTION_STATS_H_
