// Sums of the measures of a set of functions, as the project statistics
// and the estimation analysis form them from the function list.
#ifndef KLV_REPORTS_FUNCTION_SUMS_H_
#define KLV_REPORTS_FUNCTION_SUMS_H_

#include <cstdint>

#include "lists/node_data.h"

// 64 bits wide, so that the sums over a very large run cannot overflow.
struct FunctionSums {
  int64_t count = 0;
  int64_t lines = 0;
  int64_t loc = 0;
  int64_t eloc = 0;
  int64_t lloc = 0;
  int64_t comments = 0;
  int64_t blanks = 0;
  int64_t cyclo = 0;
  int64_t params = 0;
  int64_t returns = 0;
  double ratio = 0.0;  // the sum of the functions' comment ratios
};

// Counts one function record into the sums.
void AddFunctionSums(FunctionSums& s, const NodeData& record);

#endif  // KLV_REPORTS_FUNCTION_SUMS_H_
