#include "reports/class_reports.h"
#include "reports/csv_field.h"
#include "reports/metric_lines.h"
#include "base/output.h"

ClassFigures<int64_t> FiguresOf(const NodeData& r) {
  ClassFigures<int64_t> f;
  f.loc = r.loc;
  f.eloc = r.eloc;
  f.lloc = r.lloc;
  f.comments = r.comments;
  f.ratio = CommentRatio(r.comments, r.eloc);
  f.lines = r.lines;
  f.params = r.params;
  f.returns = r.returns;
  f.cyclo = r.cyclo;
  f.public_methods = r.public_methods;
  f.protected_methods = r.protected_methods;
  f.private_methods = r.private_methods;
  f.public_attributes = r.public_attributes;
  f.protected_attributes = r.protected_attributes;
  f.private_attributes = r.private_attributes;
  return f;
}

void CSVSummaryClassHeader(ReportSink& G) {
  Out(G,
      "Type,Name,LOC,eLOC,lLOC,Comments,Comments/eLOC,Lines,Parameters,"
      "Returns,Interface Complexity,Cyclomatic Complexity,Functional "
      "Complexity,Methods,Public Methods,Protected Methods,Private Methods,"
      "Attributes,Public Attributes,Protected Attributes,Private "
      "Attributes\n");
}

// The name column is quoted only when the name holds a comma or a quote
// (a template specialisation's argument list), so the columns stay whole.
void CSVSummaryClassLine(ReportSink& G, const std::string& name,
                         const ClassFigures<int64_t>& f) {
  using ll = long long;
  Out(G,
      "Class,%s,%lld,%lld,%lld,%lld,%.2f,%lld,%lld,%lld,%lld,%lld,%lld,%lld,"
      "%lld,%lld,%lld,%lld,%lld,%lld,%lld\n",
      CsvField(name).c_str(), ll{f.loc}, ll{f.eloc}, ll{f.lloc},
      ll{f.comments}, f.ratio, ll{f.lines}, ll{f.params}, ll{f.returns},
      ll{f.params + f.returns}, ll{f.cyclo}, ll{f.params + f.returns + f.cyclo},
      ll{f.Methods()}, ll{f.public_methods}, ll{f.protected_methods},
      ll{f.private_methods}, ll{f.Attributes()}, ll{f.public_attributes},
      ll{f.protected_attributes}, ll{f.private_attributes});
}

void CSVSummaryClassAvgLine(ReportSink& G, const std::string& name,
                            const ClassFigures<double>& f) {
  Out(G,
      "Class,%s,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,"
      "%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f\n",
      CsvField(name).c_str(), f.loc, f.eloc, f.lloc, f.comments, f.ratio,
      f.lines, f.params, f.returns, f.params + f.returns, f.cyclo,
      f.params + f.returns + f.cyclo, f.Methods(), f.public_methods,
      f.protected_methods, f.private_methods, f.Attributes(),
      f.public_attributes,
      f.protected_attributes, f.private_attributes);
}
