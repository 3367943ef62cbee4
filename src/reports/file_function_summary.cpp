#include <cstdint>

#include "reports/function_reports.h"
#include "base/output.h"
#include "reports/stat_rows.h"

void ShowFileFunctionSummary(Globals& G) {
  const FileState& P = G.parse;
  const int32_t count = G.metrics.function_count;
  const int64_t params = P.file_params;
  const int64_t returns = P.file_returns;
  const int64_t cyclo = P.file_cyclomatic;
  // The left item of a row: the value in ten columns right after the label.
  auto left = [&G](const char* label, int64_t value) {
    Out(G, "%s%10lld", BoldLabel(label, G).c_str(),
        static_cast<long long>(value));
  };

  HyphenRule(G);
  Out(G, "\n");
  CenterTitle(G, G, "~~ File Functional Summary ~~");
  Out(G, "\n");
  left("  File Function Count ...: ", count);
  StatRight(G, G, "  Total LOC Lines LOC ...: ", P.file_func_loc);
  left("  Total eLOC Lines ......: ", P.file_func_eloc);
  StatRight(G, G, "  Total lLOC Lines ......: ", P.file_func_lloc);
  left("  Total Function Params .: ", params);
  StatRight(G, G, "  Total Function Return .: ", returns);
  left("  Total Cyclo Complexity : ", cyclo);
  StatRight(G, G, "  Total Function Complex.: ", cyclo + returns + params);
  StatSeparator(G);
  left("  Max Function LOC ......: ", P.file_max_loc);
  StatRightAvg(G, G,
               "  Average Function LOC ..: ", AvgD(P.file_func_loc, count));
  left("  Max Function eLOC .....: ", P.file_max_eloc);
  StatRightAvg(G, G,
               "  Average Function eLOC .: ", AvgD(P.file_func_eloc, count));
  left("  Max Function lLOC .....: ", P.file_max_lloc);
  StatRightAvg(G, G,
               "  Average Function lLOC .: ", AvgD(P.file_func_lloc, count));
  if (!G.complexity_flag) return;

  StatSeparator(G);
  left("  Max Function Parameters: ", P.file_max_params);
  StatRightAvg(G, G, "  Avg Function Parameters: ", AvgD(params, count));
  left("  Max Function Returns ..: ", P.file_max_returns);
  StatRightAvg(G, G, "  Avg Function Returns ..: ", AvgD(returns, count));
  // The sum of the two separate maxima, not the largest of one function.
  left("  Max Interface Complex. : ",
       int64_t{P.file_max_params} + P.file_max_returns);
  StatRightAvg(G, G,
               "  Avg Interface Complex. : ", AvgD(params + returns, count));
  left("  Max Cyclomatic Complex.: ", P.file_max_cyclomatic);
  StatRightAvg(G, G, "  Avg Cyclomatic Complex.: ", AvgD(cyclo, count));
  left("  Max Total Complexity ..: ", P.file_max_total);
  StatRightAvg(G, G, "  Avg Total Complexity ..: ",
               AvgD(cyclo + returns + params, count));
}
