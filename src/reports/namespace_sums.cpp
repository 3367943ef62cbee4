#include "reports/namespace_sums.h"

#include "lists/compare.h"
#include "base/record_measures.h"

namespace {

// At the first report-time addition, clears the measures that parsing may
// have added to the namespace records, so that each function and class is
// counted once, by the report.
void StartNamespaceSums(RunTotals& G) {
  if (G.namespace_sums_started) return;
  G.namespace_sums_started = 1;
  for (NodeData& r : G.namespace_list) {
    NodeData cleared;
    cleared.name = std::move(r.name);
    cleared.file = std::move(r.file);
    cleared.line = r.line;
    r = std::move(cleared);
  }
  LlistOrderChanged(G.namespace_list);
}

NodeData* FindNamespace(const std::string& name, RunTotals& G) {
  NodeData probe;
  probe.name = name;
  return LlistFind(G.namespace_list, probe, kByName_NodeType);
}

}  // namespace

void Add_Func2namespace(const std::string& name, int loc, int lloc, int eloc,
                        int comments, int blanks, int lines, int cyclo,
                        int params, int returns, RunTotals& G) {
  const size_t first = name.find(':');
  if (first == std::string::npos || first + 1 != name.rfind(':')) return;
  StartNamespaceSums(G);
  NodeData* space = FindNamespace(name.substr(0, first), G);
  if (space == nullptr) return;
  AddMeasures(*space, loc, lloc, eloc, comments, blanks, lines, cyclo, params,
              returns);
  space->ratio += 1.0f;
}

void Add_Class2namespace(const std::string& name, const ClassSums& sums,
                         RunTotals& G) {
  static const std::string kInterface = "Interface-";
  std::string_view rest(name);
  if (rest.substr(0, kInterface.size()) == kInterface) {
    rest.remove_prefix(kInterface.size());
  }
  StartNamespaceSums(G);
  NodeData* space = nullptr;
  // From the end: cut at each separator, a "::" taken whole.
  for (size_t i = rest.size(); i-- > 0 && space == nullptr;) {
    if (rest[i] != ':' && rest[i] != '.') continue;
    if (rest[i] == ':' && i > 0 && rest[i - 1] == ':') --i;
    space = FindNamespace(std::string(rest.substr(0, i)), G);
  }
  if (space == nullptr || space->name == "Anonymous") return;
  Bump(space->nested, 1);
  if (sums.nested != 0) return;
  AddMeasures(*space, sums.loc, sums.lloc, sums.eloc, sums.comments,
              sums.blanks, sums.lines, sums.cyclo, sums.params, sums.returns);
  space->ratio += static_cast<float>(sums.member_functions);
  Bump(space->public_methods, sums.public_methods);
  Bump(space->protected_methods, sums.protected_methods);
  Bump(space->private_methods, sums.private_methods);
  Bump(space->public_attributes, sums.public_attributes);
  Bump(space->protected_attributes, sums.protected_attributes);
  Bump(space->private_attributes, sums.private_attributes);
}

void AddFunctionsToNamespaces(RunTotals& G) {
  if (G.namespace_functions_added) return;
  G.namespace_functions_added = 1;
  StartNamespaceSums(G);
  for (const NodeData& r : G.function_list) {
    Add_Func2namespace(r.name, r.loc, r.lloc, r.eloc, r.comments, r.blanks,
                       r.lines, r.cyclo, r.params, r.returns, G);
  }
  LlistOrderChanged(G.namespace_list);
}
