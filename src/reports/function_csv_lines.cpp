#include "reports/function_reports.h"
#include "base/output.h"

void CSVSummaryFunctionHeader(ReportSink& G) {
  Out(G,
      "Type,Name,LOC,eLOC,lLOC,Comments,Comments/eLOC,Lines,Parameters,"
      "Returns,Interface Complexity,Cyclomatic Complexity,Functional "
      "Complexity\n");
}

void CSVSummaryFunctionLine(ReportSink& G, const std::string& name, int64_t loc,
                            int64_t eloc, int64_t lloc, int64_t comments,
                            double ratio, int64_t lines, int64_t params,
                            int64_t returns, int64_t cyclo) {
  using ll = long long;
  Out(G, "f(),%s,%lld,%lld,%lld,%lld,%.2f,%lld,%lld,%lld,%lld,%lld,%lld\n",
      name.c_str(), ll{loc}, ll{eloc}, ll{lloc}, ll{comments}, ratio,
      ll{lines}, ll{params}, ll{returns}, ll{params + returns}, ll{cyclo},
      ll{cyclo + params + returns});
}

void CSVSummaryFunctionAvgLine(ReportSink& G, const std::string& name,
                               double loc, double eloc, double lloc,
                               double comments, double ratio, double lines,
                               double params, double returns, double cyclo) {
  Out(G,
      "f(),%s,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f\n",
      name.c_str(), loc, eloc, lloc, comments, ratio, lines, params, returns,
      params + returns, cyclo, cyclo + params + returns);
}
