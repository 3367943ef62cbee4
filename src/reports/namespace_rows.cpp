#include "reports/namespace_rows.h"

#include "reports/metric_lines.h"
#include "reports/namespace_reports.h"
#include "base/output.h"

NamespaceRow RowOf(const NodeData& r) {
  NamespaceRow row;
  row.loc = r.loc;
  row.eloc = r.eloc;
  row.lloc = r.lloc;
  row.comments = r.comments;
  row.lines = r.lines;
  row.blanks = r.blanks;
  row.params = r.params;
  row.returns = r.returns;
  row.cyclo = r.cyclo;
  row.classes = r.nested;
  row.functions = NamespaceFunctions(r);
  row.public_methods = r.public_methods;
  row.protected_methods = r.protected_methods;
  row.private_methods = r.private_methods;
  row.public_attributes = r.public_attributes;
  row.protected_attributes = r.protected_attributes;
  row.private_attributes = r.private_attributes;
  row.ratio = CommentRatio(r.comments, r.eloc);
  return row;
}

void CsvNamespaceRow(ReportSink& G, const std::string& name,
                     const NamespaceRow& r) {
  using ll = long long;
  Out(G,
      "Namespace/Package,%s,%lld,%lld,%lld,%lld,%.2f,%lld,%lld,%lld,%lld,"
      "%lld,%lld,%lld,%lld,%lld,%lld,%lld,%lld,%lld,%lld,%lld\n",
      name.c_str(), ll{r.loc}, ll{r.eloc}, ll{r.lloc}, ll{r.comments}, r.ratio,
      ll{r.lines}, ll{r.params}, ll{r.returns}, ll{r.params + r.returns},
      ll{r.cyclo}, ll{r.params + r.returns + r.cyclo}, ll{r.classes},
      ll{r.functions}, ll{r.public_methods}, ll{r.protected_methods},
      ll{r.private_methods},
      ll{r.public_attributes + r.protected_attributes + r.private_attributes},
      ll{r.public_attributes}, ll{r.protected_attributes},
      ll{r.private_attributes});
}

void CsvNamespaceAvgRow(ReportSink& G, const std::string& name,
                        const NamespaceRow& s, int count) {
  auto avg = [count](double v) {
    return static_cast<double>(AvgD(v, static_cast<double>(count)));
  };
  const double params = avg(s.params);
  const double returns = avg(s.returns);
  const double cyclo = avg(s.cyclo);
  const double pub_a = avg(s.public_attributes);
  const double prot_a = avg(s.protected_attributes);
  const double priv_a = avg(s.private_attributes);
  Out(G,
      "Namespace/Package,%s,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,"
      "%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f\n",
      name.c_str(), avg(s.loc), avg(s.eloc), avg(s.lloc), avg(s.comments),
      avg(s.ratio), avg(s.lines), params, returns, params + returns, cyclo,
      params + returns + cyclo, avg(s.classes), avg(s.functions),
      avg(s.public_methods), avg(s.protected_methods), avg(s.private_methods),
      pub_a + prot_a + priv_a, pub_a, prot_a, priv_a);
}
