#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>

#include "lists/resort.h"
#include "reports/sort_method.h"
#include "reports/namespace_sums.h"
#include "reports/class_reports.h"
#include "reports/csv_field.h"
#include "reports/framing.h"
#include "reports/metric_lines.h"
#include "reports/namespace_reports.h"
#include "reports/namespace_rows.h"
#include "base/output.h"

namespace {

bool IsNameStart(char c) {
  return isalpha(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '~';
}

}  // namespace

int NamespaceFunctions(const NodeData& record) {
  const int64_t methods = int64_t{record.public_methods} +
                          record.protected_methods + record.private_methods;
  return static_cast<int>(
      std::min<int64_t>(INT32_MAX, std::max<int64_t>(
                                       static_cast<int64_t>(record.ratio),
                                       methods)));
}

void ClassFuncLine(int classes, int functions, ReportSink& out,
                   const RunSettings& G) {
  const bool h = G.html_flag;
  const double avg = classes > 0 ? static_cast<double>(functions) / classes
                                 : 0.0;
  Out(out, "%s%-10d%s%-6d%s%6.2f\n",
      h ? "  <B>Total Classses</B> " : "  Total Classses ", classes,
      h ? "  <B>Total Functions</B> " : "  Total Functions ", functions,
      h ? "  <B>Avg Func/Class</B> " : "  Avg Func/Class ", avg);
}

void ShowProjectNamespaceSummary(Globals& G) {
  Llist<NodeData>& list = G.namespace_list;
  if (list.empty()) return;
  // Functions reach their namespaces through the function statistics; a
  // run without them attributes the functions here.
  AddFunctionsToNamespaces(G);
  if (G.sort_key > 0) LlistResort_NodeData(list, G.sort_key);
  if (G.csv_mode) {
    Out(G, "\nProject Namespace/Package Metrics\n");
    ShowSortMethod(G);
    Out(G, "Count,%d\n", list.count());
    Out(G,
        "Type,Name,LOC,eLOC,lLOC,Comments,Comments/eLOC,Lines,Parameters,"
        "Returns,Interface Complexity,Cyclomatic Complexity,Functional "
        "Complexity,Classes,Functions,Public Methods,Protected Methods,"
        "Private Methods,Attributes,Public Attributes,Protected Attributes,"
        "Private Attributes\n");
  } else {
    SectionBanner(G, G, "~~ Project Namespace/Package Metrics ~~");
    ShowSortMethod(G);
    Out(G, "\n");
  }
  if (!G.totals_no_listing) {
    for (const NodeData& record : list) NamespaceDataShow(record, G);
  }
  TShowNamespaceSummary(G);
}

void NamespaceDataShow(const NodeData& record, Globals& G) {
  if (record.name.empty() || !IsNameStart(record.name[0])) return;
  const NamespaceRow row = RowOf(record);
  if (G.csv_mode) {
    CsvNamespaceRow(G, CsvField(record.name), row);
    return;
  }
  const std::string name = AdjNameLength(record.name, 45, 29, G);
  if (G.html_flag) {
    Out(G, "  <B>Namespace/Package</B>: <FONT COLOR=%s><B>%s</B></FONT>\n",
        G.html_notice_color.c_str(), HTML_template(name).c_str());
  } else {
    Out(G, "  Namespace/Package: %s\n", name.c_str());
  }
  ClassFuncLine(record.nested, row.functions, G, G);
  DataLine(record.public_attributes, record.protected_attributes,
           record.private_attributes, G, G);
  MethodLine(record.public_methods, record.protected_methods,
             record.private_methods, G, G);
  ComplexLine(record.params, record.returns, record.cyclo, G, G);
  LOCLine(record.loc, record.eloc, record.lloc, record.comments, record.lines,
          G, G);
  Out(G, "\n");
}
