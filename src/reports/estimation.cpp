#include "reports/estimation.h"

#include <cstdint>

#include "reports/function_sums.h"
#include "base/output.h"

namespace {

FunctionSums Sum(const Llist<NodeData>& list) {
  FunctionSums s;
  for (const NodeData& r : list) AddFunctionSums(s, r);
  return s;
}

// A centred sub-title, in HTML bold in the purple colour.
void SubTitle(ReportSink& out, const RunSettings& G, const char* title) {
  Out(out, "\n");
  if (G.html_flag) {
    const std::string decorated = Fmt("<FONT COLOR=%s><B>%s</B></FONT>",
                                      G.html_purple_color.c_str(), title);
    Center_HTML(out, title, decorated.c_str());
  } else {
    Center(out, title);
  }
  Out(out, "\n");
}

// The labels of one factor section, in text and in HTML.
struct FactorLabels {
  const char* text[6];
  const char* html[6];
};

// Six factors of one measure: per function, per input parameter, per
// return point, per interface, cyclomatic and functional complexity. A
// divisor below 1 gives 0.00.
void FactorSection(ReportSink& out, const RunSettings& G,
                   const FactorLabels& labels, int64_t measure,
                   const FunctionSums& s) {
  const int64_t divisors[6] = {s.count,   s.params,
                               s.returns, s.params + s.returns,
                               s.cyclo,   s.cyclo + s.params + s.returns};
  for (int k = 0; k < 6; ++k) {
    const double factor =
        divisors[k] < 1
            ? 0.0
            : static_cast<double>(measure) / static_cast<double>(divisors[k]);
    Out(out, "%s: %10.2f\n", G.html_flag ? labels.html[k] : labels.text[k],
        factor);
  }
}

constexpr FactorLabels kLocLabels = {
    {"  Lines of Code, LOC, per Function ...........................",
     "  Lines of Code, LOC, per Function Input Parameter ...........",
     "  Lines of Code, LOC, per Function Return State ..............",
     "  LOC per Function Interface Complexity (Parameters + Return) ",
     "  LOC per Function Cyclomatic Complexity .....................",
     "  LOC per Function Complexity (Cyclomatic+Interface Complex.) "},
    {"  <B>Lines of Code, LOC, per Function</B> ...........................",
     "  <B>Lines of Code, LOC, per Function Input Parameter</B> ...........",
     "  <B>Lines of Code, LOC, per Function Return State</B> ..............",
     "  <B>LOC per Function Interface Complexity (Parameters + Return)</B> ",
     "  <B>LOC per Function Cyclomatic Complexity</B> .....................",
     "  <B>LOC per Function Complexity (Cyclomatic+Interface Complex.) </B>"}};

constexpr FactorLabels kElocLabels = {
    {"  Effective Lines of Code, eLOC, per Function ................",
     "  Effective Lines of Code, eLOC, per Function Input Parameter ",
     "  Effective Lines of Code, eLOC, per Function Return State ...",
     "  eLOC per Function Interface Complexity (Parameters + Return)",
     "  eLOC per Function Cyclomatic Complexity ....................",
     "  eLOC per Function Complexity (Cyclomatic+Interface Complex.)"},
    {"  <B>Effective Lines of Code, eLOC, per Function</B> ................",
     "  <B>Effective Lines of Code, eLOC, per Function Input Parameter</B> ",
     "  <B>Effective Lines of Code, eLOC, per Function Return State</B> ...",
     "  <B>eLOC per Function Interface Complexity (Parameters + Return)</B>",
     "  <B>eLOC per Function Cyclomatic Complexity</B> ....................",
     "  <B>eLOC per Function Complexity (Cyclomatic+Interface Complex.)</B>"}};

constexpr FactorLabels kLlocLabels = {
    {"  Logical Lines of Code, lLOC, per Function ..................",
     "  Logical Lines of Code, lLOC, per Function Input Parameter ..",
     "  Logical Lines of Code, lLOC, per Function Return State .....",
     "  lLOC per Function Interface Complexity (Parameters + Return)",
     "  lLOC per Function Cyclomatic Complexity ....................",
     "  lLOC per Function Complexity (Cyclomatic+Interface Complex.)"},
    {"  <B>Logical Lines of Code, lLOC, per Function</B> ..................",
     "  <B>Logical Lines of Code, lLOC, per Function Input Parameter</B> ..",
     "  <B>Logical Lines of Code, lLOC, per Function Return State</B> .....",
     "  <B>lLOC per Function Interface Complexity (Parameters + Return)</B>",
     "  <B>lLOC per Function Cyclomatic Complexity</B> ....................",
     "  <B>lLOC per Function Complexity (Cyclomatic+Interface Complex.)</B>"}};

// The totals the factors are made of: the function count, then two
// totals a line.
void FunctionalBasis(ReportSink& out, const RunSettings& G,
                     const FunctionSums& s) {
  const int h = G.html_flag ? 1 : 0;
  using ll = long long;
  Out(out, "%s%10lld\n",
      h ? "  <B>Total Function Count</B> ..: " : "  Total Function Count ..: ",
      ll{s.count});
  struct Pair {
    const char* left[2];  // text, HTML
    ll left_value;
    const char* right[2];
    ll right_value;
  };
  const Pair pairs[] = {
      {{"  Total Function LOC ....: ", "  <B>Total Function LOC</B> ....: "},
       s.loc,
       {"  Total Function eLOC ...: ", "  <B>Total Function eLOC</B> ...: "},
       s.eloc},
      {{"  Total Function lLOC ...: ", "  <B>Total Function lLOC</B> ...: "},
       s.lloc,
       {"  Total Function Comments: ", "  <B>Total Function Comments</B>: "},
       s.comments},
      {{"  Total Func. Parameters : ", "  <B>Total Func. Parameters</B> : "},
       s.params,
       {"  Total Function Returns : ", "  <B>Total Function Returns</B> : "},
       s.returns},
      {{"  Total Cylco. Complexity: ", "  <B>Total Cylco. Complexity</B>: "},
       s.cyclo,
       {"  Total Function Complex.: ", "  <B>Total Function Complex.</B>: "},
       ll{s.cyclo} + s.params + s.returns},
  };
  for (const Pair& pair : pairs) {
    Out(out, "%s%10lld%s%10lld\n", pair.left[h], pair.left_value, pair.right[h],
        pair.right_value);
  }
}

}  // namespace

void ShowEstimation(Globals& G) {
  if (G.function_list.empty()) return;
  const FunctionSums s = Sum(G.function_list);
  SectionBanner(G, G, "~~ Estimation Analysis ~~");
  SubTitle(G, G, "Functional Basis");
  FunctionalBasis(G, G, s);
  SubTitle(G, G, "LOC Estimation Factors");
  FactorSection(G, G, kLocLabels, s.loc, s);
  SubTitle(G, G, "eLOC Estimation Factors");
  FactorSection(G, G, kElocLabels, s.eloc, s);
  SubTitle(G, G, "lLOC Estimation Factors");
  FactorSection(G, G, kLlocLabels, s.lloc, s);
}
