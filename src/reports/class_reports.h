// The class and interface reports: the attribute and method lines shared by
// the per-class blocks, the namespace report and the project sections; the
// project class/struct and interface lists with their statistics; and the
// CSV class rows.
#ifndef KLV_REPORTS_CLASS_REPORTS_H_
#define KLV_REPORTS_CLASS_REPORTS_H_

#include <cstdint>
#include <string>

#include "base/globals.h"
#include "base/saturate.h"
#include "lists/llist.h"
#include "lists/node_data.h"
#include "reports/metric_lines.h"

// "  Attributes " then the public, protected and private counts and their
// total.
void DataLine(int pub, int prot, int priv, ReportSink& out,
              const RunSettings& G);
// "  Methods    " then the public, protected and private counts and their
// total.
void MethodLine(int pub, int prot, int priv, ReportSink& out,
                const RunSettings& G);

// The attribute, method, complexity and LOC lines of a sum over records,
// each figure held at the 32-bit limits.
template <class Sum>
void SumMeasureLines(const Sum& t, ReportSink& out, const RunSettings& G) {
  DataLine(Saturate32(t.public_attributes), Saturate32(t.protected_attributes),
           Saturate32(t.private_attributes), out, G);
  MethodLine(Saturate32(t.public_methods), Saturate32(t.protected_methods),
             Saturate32(t.private_methods), out, G);
  ComplexLine(Saturate32(t.params), Saturate32(t.returns), Saturate32(t.cyclo),
              out, G);
  LOCLine(Saturate32(t.loc), Saturate32(t.eloc), Saturate32(t.lloc),
          Saturate32(t.comments), Saturate32(t.lines), out, G);
}

// The project class/struct list ("Project Class/Struct Metrics"),
// re-sorted by the -k key, followed by its statistics. Nothing without
// classes.
void ShowProjectClassSummary(Globals& G);
// The project interface list ("Project Interface Metrics") and its
// statistics. Nothing without interfaces.
void ShowProjectInterSummary(Globals& G);
// One class or struct of the project list; a record whose name does not
// begin with a letter, '_' or '~' is left out.
void ClassDataShow(const NodeData& record, ReportSink& out,
                   const RunSettings& G);
// One interface of the project list, shown by the name after
// "Interface-"; a record whose stored name lacks that prefix is left out.
void InterDataShow(const NodeData& record, ReportSink& out,
                   const RunSettings& G);
// The statistics over one list: `kind_text` is "Classes/Structs" or
// "Interfaces" (its first letter picks the titles). Walking the list also
// hands each record's measures to its namespace or package.
void TShowClassInterSummary(Llist<NodeData>& list, const char* kind_text,
                            Globals& G);

// The measures of one row of the CSV class table. The interface and total
// complexity, methods and attributes columns are formed from these parts.
template <class T>
struct ClassFigures {
  T loc{}, eloc{}, lloc{}, comments{};
  double ratio = 0.0;  // comment lines per eLOC line
  T lines{}, params{}, returns{}, cyclo{};
  T public_methods{}, protected_methods{}, private_methods{};
  T public_attributes{}, protected_attributes{}, private_attributes{};

  T Methods() const {
    return public_methods + protected_methods + private_methods;
  }
  T Attributes() const {
    return public_attributes + protected_attributes + private_attributes;
  }
};

// The figures of one class record.
ClassFigures<int64_t> FiguresOf(const NodeData& record);

// The CSV lines of the project class and interface sections.
void CSVSummaryClassHeader(ReportSink& G);
void CSVSummaryClassLine(ReportSink& G, const std::string& name,
                         const ClassFigures<int64_t>& f);
void CSVSummaryClassAvgLine(ReportSink& G, const std::string& name,
                            const ClassFigures<double>& f);

#endif  // KLV_REPORTS_CLASS_REPORTS_H_
