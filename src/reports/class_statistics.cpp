#include <algorithm>
#include <cstdint>
#include <string>

#include "reports/namespace_sums.h"
#include "reports/class_reports.h"
#include "reports/metric_lines.h"
#include "base/output.h"
#include "reports/stat_rows.h"
#include "base/saturate.h"

namespace {

// The largest or smallest value of each measure over the records.
struct Extremes {
  ClassFigures<int64_t> f;
  int64_t blanks = 0;
  int64_t methods = 0;  // declared methods of one record
  int64_t inter = 0;    // parameters + returns of one record
};

// Sums over the records that are not nested (a parent's measures already
// hold its nested classes'), extremes over every record.
struct ClassStats {
  int64_t count = 0;
  int64_t nested = 0;  // records nested in another class
  ClassFigures<int64_t> sum;
  int64_t blanks = 0;
  int64_t member_functions = 0;
  Extremes max;
  Extremes min;

  // "Total Methods": the member functions found or the methods declared,
  // whichever is larger.
  int64_t TotalMethods() const {
    return std::max(member_functions, sum.Methods());
  }
};

// The first value sets both extremes; a minimum below 0 becomes 0.
template <class T>
void Track(T value, T& min, T& max, bool first) {
  if (first || value < min) min = value;
  if (first || value > max) max = value;
  if (min < 0) min = 0;
}

void TrackAll(const NodeData& r, const ClassFigures<int64_t>& f, bool first,
              Extremes& lo, Extremes& hi) {
  Track<int64_t>(f.lines, lo.f.lines, hi.f.lines, first);
  Track<int64_t>(f.loc, lo.f.loc, hi.f.loc, first);
  Track<int64_t>(f.eloc, lo.f.eloc, hi.f.eloc, first);
  Track<int64_t>(f.lloc, lo.f.lloc, hi.f.lloc, first);
  Track<int64_t>(f.comments, lo.f.comments, hi.f.comments, first);
  Track<int64_t>(f.cyclo, lo.f.cyclo, hi.f.cyclo, first);
  Track<int64_t>(r.blanks, lo.blanks, hi.blanks, first);
  Track<int64_t>(f.params, lo.f.params, hi.f.params, first);
  Track<int64_t>(f.returns, lo.f.returns, hi.f.returns, first);
  Track<int64_t>(f.Methods(), lo.methods, hi.methods, first);
  Track<int64_t>(f.params + f.returns, lo.inter, hi.inter, first);
  Track<int64_t>(f.public_methods, lo.f.public_methods, hi.f.public_methods,
                 first);
  Track<int64_t>(f.protected_methods, lo.f.protected_methods,
                 hi.f.protected_methods, first);
  Track<int64_t>(f.private_methods, lo.f.private_methods,
                 hi.f.private_methods, first);
  Track<int64_t>(f.public_attributes, lo.f.public_attributes,
                 hi.f.public_attributes, first);
  Track<int64_t>(f.protected_attributes, lo.f.protected_attributes,
                 hi.f.protected_attributes, first);
  Track<int64_t>(f.private_attributes, lo.f.private_attributes,
                 hi.f.private_attributes, first);
  Track<double>(f.ratio, lo.f.ratio, hi.f.ratio, first);
}

void AddSums(const NodeData& r, const ClassFigures<int64_t>& f,
             ClassStats& s) {
  ClassFigures<int64_t>& t = s.sum;
  t.loc += f.loc;
  t.eloc += f.eloc;
  t.lloc += f.lloc;
  t.comments += f.comments;
  t.ratio += f.ratio;
  t.lines += f.lines;
  t.params += f.params;
  t.returns += f.returns;
  t.cyclo += f.cyclo;
  t.public_methods += f.public_methods;
  t.protected_methods += f.protected_methods;
  t.private_methods += f.private_methods;
  t.public_attributes += f.public_attributes;
  t.protected_attributes += f.protected_attributes;
  t.private_attributes += f.private_attributes;
  s.blanks += r.blanks;
  s.member_functions += static_cast<int64_t>(r.ratio);
}

// What the namespace or package of a record collects from it.
ClassSums NamespaceSums(const NodeData& r) {
  ClassSums c;
  c.loc = r.loc;
  c.lloc = r.lloc;
  c.eloc = r.eloc;
  c.comments = r.comments;
  c.blanks = r.blanks;
  c.lines = r.lines;
  c.cyclo = r.cyclo;
  c.params = r.params;
  c.returns = r.returns;
  c.member_functions = static_cast<int>(r.ratio);
  c.public_methods = r.public_methods;
  c.protected_methods = r.protected_methods;
  c.private_methods = r.private_methods;
  c.public_attributes = r.public_attributes;
  c.protected_attributes = r.protected_attributes;
  c.private_attributes = r.private_attributes;
  c.nested = r.nested > 0 ? 1 : 0;
  return c;
}

// One pass over the list in its present order; each record also goes to
// its namespace or package.
ClassStats Gather(Llist<NodeData>& list, RunTotals& G) {
  ClassStats s;
  for (const NodeData& r : list) {
    ++s.count;
    const bool nested = r.nested > 0;
    if (nested) ++s.nested;
    Add_Class2namespace(r.name, NamespaceSums(r), G);
    const ClassFigures<int64_t> f = FiguresOf(r);
    TrackAll(r, f, s.count == 1, s.min, s.max);
    if (!nested) AddSums(r, f, s);
  }
  // The namespace sums changed in place.
  LlistOrderChanged(G.namespace_list);
  return s;
}

ClassFigures<double> Averages(const ClassStats& s) {
  const double n = static_cast<double>(s.count);
  auto avg = [n](double sum) {
    return static_cast<double>(AvgD(sum, n));
  };
  const ClassFigures<int64_t>& t = s.sum;
  ClassFigures<double> a;
  a.loc = avg(t.loc);
  a.eloc = avg(t.eloc);
  a.lloc = avg(t.lloc);
  a.comments = avg(t.comments);
  a.ratio = avg(t.ratio);
  a.lines = avg(t.lines);
  a.params = avg(t.params);
  a.returns = avg(t.returns);
  a.cyclo = avg(t.cyclo);
  a.public_methods = avg(t.public_methods);
  a.protected_methods = avg(t.protected_methods);
  a.private_methods = avg(t.private_methods);
  a.public_attributes = avg(t.public_attributes);
  a.protected_attributes = avg(t.protected_attributes);
  a.private_attributes = avg(t.private_attributes);
  return a;
}

// The Total row counts the declared methods, not "Total Methods".
void CsvStatistics(ReportSink& G, const ClassStats& s) {
  CSVSummaryClassLine(G, "Total", s.sum);
  CSVSummaryClassAvgLine(G, "Average", Averages(s));
  CSVSummaryClassLine(G, "Maximum", s.max.f);
  CSVSummaryClassLine(G, "Minimum", s.min.f);
}

// The totals line and the sums of the records that are not nested.
void TotalsBlock(Globals& G, const ClassStats& s, const char* kind_text) {
  const char* shape =
      s.nested > 0
          ? (G.html_flag ? "  <B>Total</B>: <B>All Parent %s</B>\n"
                         : "  Total: All Parent %s\n")
          : (G.html_flag ? "  <B>Total</B>: <B>All %s</B>\n"
                         : "  Total: All %s\n");
  Out(G, shape, kind_text);
  const ClassFigures<int64_t>& t = s.sum;
  SumMeasureLines(t, G, G);
}

// The rows of the maxima or of the minima; `kind` is "Max" or "Min".
void ExtremeRows(Globals& G, const char* kind, const Extremes& e) {
  auto label = [kind](const char* rest) {
    return std::string("  ") + kind + rest;
  };
  StatLeft(G, G, label(" Physical Lines ....: ").c_str(), e.f.lines);
  StatRight(G, G, label(" Methods ...........: ").c_str(), e.methods);
  StatLeft(G, G, label(" Public Methods ....: ").c_str(), e.f.public_methods);
  StatRight(G, G, label(" Public Attributes .: ").c_str(),
            e.f.public_attributes);
  StatLeft(G, G, label(" Protected Methods .: ").c_str(),
           e.f.protected_methods);
  StatRight(G, G, label(" Protected Attrib. .: ").c_str(),
            e.f.protected_attributes);
  StatLeft(G, G, label(" Private Methods ...: ").c_str(), e.f.private_methods);
  StatRight(G, G, label(" Private Attributes : ").c_str(),
            e.f.private_attributes);
  StatLeft(G, G, label(" LOC ...............: ").c_str(), e.f.loc);
  StatRight(G, G, label(" eLOC ..............: ").c_str(), e.f.eloc);
  StatLeft(G, G, label(" lLOC ..............: ").c_str(), e.f.lloc);
  StatRight(G, G, label(" Cyclomatic Comp. ..: ").c_str(), e.f.cyclo);
  StatLeft(G, G, label(" Interface Comp. ...: ").c_str(), e.inter);
  StatRight(G, G, label(" Parameters ........: ").c_str(), e.f.params);
  StatLeft(G, G, label(" Return Points .....: ").c_str(), e.f.returns);
  StatRight(G, G, label(" Comment Lines .....: ").c_str(), e.f.comments);
}

void AverageRows(ReportSink& out, const RunSettings& G, const ClassStats& s) {
  const ClassFigures<double> a = Averages(s);
  const double methods =
      static_cast<double>(AvgD(static_cast<double>(s.TotalMethods()),
                               static_cast<double>(s.count)));
  StatLeftAvg(out, G, "  Avg Physical Lines ....: ", a.lines);
  StatRightAvg(out, G, "  Avg Methods ...........: ", methods);
  StatLeftAvg(out, G, "  Avg Public Methods ....: ", a.public_methods);
  StatRightAvg(out, G, "  Avg Public Attributes .: ", a.public_attributes);
  StatLeftAvg(out, G, "  Avg Protected Methods .: ", a.protected_methods);
  StatRightAvg(out, G, "  Avg Protected Attrib. .: ", a.protected_attributes);
  StatLeftAvg(out, G, "  Avg Private Methods ...: ", a.private_methods);
  StatRightAvg(out, G, "  Avg Private Attributes : ", a.private_attributes);
  StatLeftAvg(out, G, "  Avg LOC ...............: ", a.loc);
  StatRightAvg(out, G, "  Avg eLOC ..............: ", a.eloc);
  StatLeftAvg(out, G, "  Avg lLOC ..............: ", a.lloc);
  StatRightAvg(out, G, "  Avg Cyclomatic Comp. ..: ", a.cyclo);
  StatLeftAvg(out, G, "  Avg Interface Comp. ...: ", a.params + a.returns);
  StatRightAvg(out, G, "  Avg Parameters ........: ", a.params);
  StatLeftAvg(out, G, "  Avg Return Points .....: ", a.returns);
  StatRightAvg(out, G, "  Avg Comment Lines .....: ", a.comments);
}

void TextStatistics(Globals& G, const ClassStats& s, bool interfaces) {
  const ClassFigures<int64_t>& t = s.sum;
  const char* count_label = interfaces ? "  Total Interfaces ......: "
                                       : "  Total Classes/Structs .: ";
  if (s.nested > 0) {
    StatSingle(G, G, count_label, s.count);
    StatLeft(G, G,
             interfaces ? "  Total Nested Interfaces: "
                        : "  Total Nested Classes ..: ",
             s.nested);
  } else {
    StatLeft(G, G, count_label, s.count);
  }
  TotalMemberRows(G, G, s.TotalMethods(), t, s.blanks);
  StatSeparator(G);
  if (s.count >= 1) AverageRows(G, G, s);
  StatSeparator(G);
  ExtremeRows(G, "Max", s.max);
  StatSeparator(G);
  ExtremeRows(G, "Min", s.min);
}

}  // namespace

void TShowClassInterSummary(Llist<NodeData>& list, const char* kind_text,
                            Globals& G) {
  if (list.empty()) return;
  const ClassStats s = Gather(list, G);
  if (G.csv_mode) {
    CsvStatistics(G, s);
    return;
  }
  const bool classes = kind_text[0] == 'C';
  TotalsBlock(G, s, kind_text);
  SectionBanner(G, G,
                classes ? "~~ Project Class/Struct Analysis ~~"
                        : "~~ Project Interface Analysis ~~");
  OutText(G, "\n");
  TextStatistics(G, s, !classes);
}
