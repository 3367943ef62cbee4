#include <algorithm>
#include <string>

#include "reports/class_reports.h"
#include "reports/metric_lines.h"
#include "reports/namespace_reports.h"
#include "reports/namespace_rows.h"
#include "base/output.h"
#include "reports/stat_rows.h"
#include "base/saturate.h"

namespace {

// Sums, maxima and minima over the namespace records. The functions of
// the sums are the records' attributed functions; those of the maxima and
// minima are the records' function counts.
struct NamespaceStats {
  int count = 0;
  NamespaceRow sum;
  NamespaceRow max;
  NamespaceRow min;
  int64_t inter_max = 0, inter_min = 0;      // parameters + returns
};

int64_t Methods(const NamespaceRow& r) {
  return r.public_methods + r.protected_methods + r.private_methods;
}

// Applies `f(sum_or_extreme_field, record_field)` to every field.
template <class F>
void EachField(NamespaceRow& a, const NamespaceRow& b, F f) {
  f(a.loc, b.loc);
  f(a.eloc, b.eloc);
  f(a.lloc, b.lloc);
  f(a.comments, b.comments);
  f(a.lines, b.lines);
  f(a.blanks, b.blanks);
  f(a.params, b.params);
  f(a.returns, b.returns);
  f(a.cyclo, b.cyclo);
  f(a.classes, b.classes);
  f(a.functions, b.functions);
  f(a.public_methods, b.public_methods);
  f(a.protected_methods, b.protected_methods);
  f(a.private_methods, b.private_methods);
  f(a.public_attributes, b.public_attributes);
  f(a.protected_attributes, b.protected_attributes);
  f(a.private_attributes, b.private_attributes);
}

NamespaceStats Gather(RunTotals& G) {
  NamespaceStats s;
  int64_t attributed = 0;  // the records' functions fields, summed
  for (const NodeData& record : G.namespace_list) {
    const NamespaceRow row = RowOf(record);
    const bool first = s.count == 0;
    ++s.count;
    EachField(s.sum, row, [](int64_t& sum, int64_t v) { sum += v; });
    s.sum.ratio += row.ratio;
    attributed += static_cast<int64_t>(record.ratio);
    EachField(s.max, row, [first](int64_t& m, int64_t v) {
      if (first || v > m) m = v;
    });
    EachField(s.min, row, [first](int64_t& m, int64_t v) {
      if (first || v < m) m = v;
    });
    s.max.ratio = first ? row.ratio : std::max(s.max.ratio, row.ratio);
    s.min.ratio = first ? row.ratio : std::min(s.min.ratio, row.ratio);
    const int64_t inter = row.params + row.returns;
    s.inter_max = first ? inter : std::max(s.inter_max, inter);
    s.inter_min = first ? inter : std::min(s.inter_min, inter);
  }
  // Minima below 0 become 0.
  EachField(s.min, s.min,
            [](int64_t& m, int64_t) { m = std::max<int64_t>(m, 0); });
  s.min.ratio = std::max(s.min.ratio, 0.0);
  s.inter_min = std::max<int64_t>(s.inter_min, 0);
  // The functions total: the attributed functions, or the declared methods
  // when they are more.
  s.sum.functions = std::max(attributed, Methods(s.sum));
  return s;
}

void CsvStatistics(ReportSink& G, const NamespaceStats& s) {
  CsvNamespaceRow(G, "Total", s.sum);
  CsvNamespaceAvgRow(G, "Average", s.sum, s.count);
  CsvNamespaceRow(G, "Maximum", s.max);
  CsvNamespaceRow(G, "Minimum", s.min);
}

// The rows of the maxima or of the minima; `kind` is "Max" or "Min".
void ExtremeRows(Globals& G, const char* kind, const NamespaceRow& e,
                 int64_t inter) {
  const std::string k = kind;
  auto label = [&k](const char* rest) { return "  " + k + rest; };
  // The HTML form of the first label reads "Classes/Struct ....".
  StatLeft(G, G,
           label(G.html_flag && k == "Max" ? " Classes/Struct ....: "
                                           : " Classes/Structs ...: ")
               .c_str(),
           e.classes);
  StatRight(G, G, label(" Methods ...........: ").c_str(), e.functions);
  StatLeft(G, G, label(" Public Methods ....: ").c_str(), e.public_methods);
  StatRight(G, G, label(" Public Attributes .: ").c_str(), e.public_attributes);
  StatLeft(G, G, label(" Protected Methods .: ").c_str(), e.protected_methods);
  // The text form of the minimum's label reads "Atrib. ..".
  StatRight(G, G,
            label(!G.html_flag && k == "Min" ? " Protected Atrib. ..: "
                                             : " Protected Attrib. .: ")
                .c_str(),
            e.protected_attributes);
  StatLeft(G, G, label(" Private Methods ...: ").c_str(), e.private_methods);
  StatRight(G, G, label(" Private Attributes : ").c_str(),
            e.private_attributes);
  StatLeft(G, G, label(" LOC ...............: ").c_str(), e.loc);
  StatRight(G, G, label(" eLOC ..............: ").c_str(), e.eloc);
  StatLeft(G, G, label(" lLOC ..............: ").c_str(), e.lloc);
  StatRight(G, G, label(" Cyclomatic Comp. ..: ").c_str(), e.cyclo);
  StatLeft(G, G, label(" Interface Comp. ...: ").c_str(), inter);
  StatRight(G, G, label(" Parameters ........: ").c_str(), e.params);
  StatLeft(G, G, label(" Return Points .....: ").c_str(), e.returns);
  StatRight(G, G, label(" Comment Lines .....: ").c_str(), e.comments);
}

void TextStatistics(Globals& G, const NamespaceStats& s) {
  const NamespaceRow& t = s.sum;
  const double n = s.count;
  StatSingle(G, G, "  Total Namespace/Package: ", s.count);
  StatLeft(G, G, "  Total Classes/Structs .: ", t.classes);
  TotalMemberRows(G, G, t.functions, t, t.blanks);
  StatSeparator(G);
  if (s.count > 0) {
    auto avg = [n](int64_t v) {
      return static_cast<double>(AvgD(static_cast<double>(v), n));
    };
    StatLeftAvg(G, G, "  Avg Classes/Structs ...: ", avg(t.classes));
    StatRightAvg(G, G, "  Avg Methods ...........: ", avg(t.functions));
    StatLeftAvg(G, G, "  Avg Public Methods ....: ", avg(t.public_methods));
    StatRightAvg(G, G, "  Avg Public Attributes .: ", avg(t.public_attributes));
    StatLeftAvg(G, G, "  Avg Protected Methods .: ", avg(t.protected_methods));
    StatRightAvg(G, G,
                 "  Avg Protected Attrib. .: ", avg(t.protected_attributes));
    StatLeftAvg(G, G, "  Avg Private Methods ...: ", avg(t.private_methods));
    StatRightAvg(G, G,
                 "  Avg Private Attributes : ", avg(t.private_attributes));
    StatLeftAvg(G, G, "  Avg LOC ...............: ", avg(t.loc));
    StatRightAvg(G, G, "  Avg eLOC ..............: ", avg(t.eloc));
    StatLeftAvg(G, G, "  Avg lLOC ..............: ", avg(t.lloc));
    StatRightAvg(G, G, "  Avg Cyclomatic Comp. ..: ", avg(t.cyclo));
    StatLeftAvg(G, G, "  Avg Interface Comp. ...: ", avg(t.params + t.returns));
    StatRightAvg(G, G, "  Avg Parameters ........: ", avg(t.params));
    StatLeftAvg(G, G, "  Avg Return Points .....: ", avg(t.returns));
    StatRightAvg(G, G, "  Avg Comment Lines .....: ", avg(t.comments));
  }
  StatSeparator(G);
  ExtremeRows(G, "Max", s.max, s.inter_max);
  StatSeparator(G);
  ExtremeRows(G, "Min", s.min, s.inter_min);
}

}  // namespace

void TShowNamespaceSummary(Globals& G) {
  if (G.namespace_list.empty()) return;
  const NamespaceStats s = Gather(G);
  if (G.csv_mode) {
    CsvStatistics(G, s);
    return;
  }
  const NamespaceRow& t = s.sum;
  Out(G, G.html_flag ? "  <B>Total</B>: <B>All Namespaces/Packages</B>\n"
                     : "  Total: All Namespaces/Packages\n");
  ClassFuncLine(Saturate32(t.classes), Saturate32(t.functions), G, G);
  SumMeasureLines(t, G, G);
  SectionBanner(G, G, "~~ Project Namespace/Package Analysis ~~");
  Out(G, "\n");
  TextStatistics(G, s);
}
