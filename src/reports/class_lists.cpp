#include <string>

#include "lists/resort.h"
#include "reports/sort_method.h"
#include "reports/class_reports.h"
#include "reports/framing.h"
#include "reports/metric_lines.h"
#include "reports/name_start.h"
#include "reports/record_listing.h"
#include "base/output.h"

namespace {

// What tells the class/struct section from the interface section.
struct SectionKind {
  const char* csv_title;
  const char* banner;
  const char* kind_text;
  bool nested_note;  // the note that parents include their nested classes
  void (*show)(const NodeData&, ReportSink&, const RunSettings&);
};

const SectionKind kClassSection = {
    "\nProject Class Metrics\n", "~~ Project Class/Struct Metrics ~~",
    "Classes/Structs", true, ClassDataShow};
const SectionKind kInterfaceSection = {
    "\nProject Interface Metrics\n", "~~ Project Interface Metrics ~~",
    "Interfaces", false, InterDataShow};

// One section: the heading, every record in the -k order (unless -Tl
// leaves the listing out), then the statistics.
void ShowSection(Llist<NodeData>& list, const SectionKind& kind, Globals& G) {
  if (list.empty()) return;
  if (G.sort_key > 0) LlistResort_NodeData(list, G.sort_key);
  const bool note = kind.nested_note && G.nested_seen;
  if (G.csv_mode) {
    OutText(G, kind.csv_title);
    if (note) {
      OutText(G, "Class/Struct Metrics Include Nested Class/Struct Metrics\n");
    }
    ShowSortMethod(G);
    Out(G, "Count,%d\n", list.count());
    CSVSummaryClassHeader(G);
  } else {
    SectionBanner(G, G, kind.banner);
    if (note) Center(G, "Parent LOC Metrics Include Nested LOC Metrics");
    ShowSortMethod(G);
    OutText(G, "\n");
  }
  if (!G.totals_no_listing) {
    ShowEachRecord(list, kind.show, G);
  }
  TShowClassInterSummary(list, kind.kind_text, G);
}

// "  Label: text" with the text wrapped at `width`, continuation lines
// indented by `indent`; in HTML the label bold and the text escaped, bold,
// in `color`.
void LabelledLine(const char* label, const std::string& text, int width,
                  int indent, const std::string& color, ReportSink& out,
                  const RunSettings& G) {
  const std::string wrapped = AdjNameLength(text, width, indent, G);
  if (G.html_flag) {
    Out(out, "  <B>%s</B>: <FONT COLOR=%s><B>%s</B></FONT>\n", label,
        color.c_str(), HTML_template(wrapped).c_str());
  } else {
    Out(out, "  %s: %s\n", label, wrapped.c_str());
  }
}

// The lines every listed class and interface ends with.
void MeasureLines(const NodeData& r, ReportSink& out, const RunSettings& G) {
  DataLine(r.public_attributes, r.protected_attributes, r.private_attributes,
           out, G);
  MethodLine(r.public_methods, r.protected_methods, r.private_methods, out, G);
  ComplexLine(r.params, r.returns, r.cyclo, out, G);
  LOCLine(r.loc, r.eloc, r.lloc, r.comments, r.lines, out, G);
  OutText(out, "\n");
}

}  // namespace

void ShowProjectClassSummary(Globals& G) {
  ShowSection(G.class_list, kClassSection, G);
}

void ShowProjectInterSummary(Globals& G) {
  ShowSection(G.interface_list, kInterfaceSection, G);
}

void ClassDataShow(const NodeData& r, ReportSink& out, const RunSettings& G) {
  if (!StartsLikeName(r.name)) return;
  if (G.csv_mode) {
    CSVSummaryClassLine(out, r.name, FiguresOf(r));
    return;
  }
  const bool nested = r.nested > 0;
  const bool is_struct = r.is_struct != 0;
  // The label's length sets the wrap: the name starts after "  Label: ".
  const char* label = nested ? (is_struct ? "Nested Struct" : "Nested Class")
                             : (is_struct ? "Struct" : "Class");
  const int indent = nested ? (is_struct ? 17 : 16) : (is_struct ? 10 : 9);
  LabelledLine(label, r.name, 74 - indent, indent, G.html_class_color, out, G);
  if (!r.sub_name.empty()) {
    // The template header lines up under the name of a top-level record.
    const int sub_indent = is_struct ? 10 : 9;
    const std::string header =
        AdjNameLength(r.sub_name, 74 - sub_indent, sub_indent, G);
    const std::string pad(sub_indent, ' ');
    if (G.html_flag) {
      Out(out, "%s<FONT COLOR=%s><B>%s</B></FONT>\n", pad.c_str(),
          G.html_blue_color.c_str(), HTML_template(header).c_str());
    } else {
      Out(out, "%s%s\n", pad.c_str(), header.c_str());
    }
  }
  if (!r.inheritance.empty()) {
    LabelledLine("Inheritance", r.inheritance, 59, 15, G.html_blue_color, out,
                 G);
  }
  MeasureLines(r, out, G);
}

void InterDataShow(const NodeData& r, ReportSink& out, const RunSettings& G) {
  if (r.name.find("Interface-") == std::string::npos) return;
  if (!StartsLikeName(r.name)) return;
  if (G.csv_mode) {
    CSVSummaryClassLine(out, r.name, FiguresOf(r));
    return;
  }
  const std::string shown = r.name.substr(r.name.find('-') + 1);
  if (r.nested > 0) {
    LabelledLine("Nested Interface", shown, 55, 19, G.html_class_color, out, G);
  } else {
    LabelledLine("Interface", shown, 61, 13, G.html_macro_color, out, G);
  }
  MeasureLines(r, out, G);
}
