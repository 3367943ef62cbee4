// The namespace and package report: every namespace or package of the run
// with the summed measures of its classes and functions, then the
// statistics over them, in text, HTML and CSV. The class and function
// statistics must have run first: they fill the sums.
#ifndef KLV_REPORTS_NAMESPACE_REPORTS_H_
#define KLV_REPORTS_NAMESPACE_REPORTS_H_

#include "base/globals.h"
#include "lists/node_data.h"

// "Project Namespace/Package Metrics", re-sorted by the -k key, followed by
// the statistics. Nothing without namespaces or packages.
void ShowProjectNamespaceSummary(Globals& G);
// One namespace or package; a record whose name does not begin with a
// letter, '_' or '~' is left out.
void NamespaceDataShow(const NodeData& record, Globals& G);
// The statistics ("Project Namespace/Package Analysis").
void TShowNamespaceSummary(Globals& G);
// "  Total Classses " (sic), "  Total Functions " and "  Avg Func/Class ".
void ClassFuncLine(int classes, int functions, ReportSink& out,
                   const RunSettings& G);

// A namespace record's function count: the functions attributed to it, or
// its classes' declared methods when they are more.
int NamespaceFunctions(const NodeData& record);

#endif  // KLV_REPORTS_NAMESPACE_REPORTS_H_
