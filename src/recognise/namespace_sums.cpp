#include "recognise/namespace_sums.h"

#include "lists/compare.h"

void Add_Func2namespace(const std::string& name, int loc, int lloc, int eloc,
                        int comments, int blanks, int lines, int cyclo,
                        int params, int returns, Globals& G) {
  const size_t first = name.find(':');
  if (first == std::string::npos || first + 1 != name.rfind(':')) return;
  NodeData probe;
  probe.name = name.substr(0, first);
  NodeData* space = LlistFind(G.namespace_list, probe, kByName_NodeType);
  if (space == nullptr) return;
  Bump(space->loc, loc);
  Bump(space->eloc, eloc);
  Bump(space->lloc, lloc);
  Bump(space->comments, comments);
  Bump(space->blanks, blanks);
  Bump(space->lines, lines);
  Bump(space->cyclo, cyclo);
  Bump(space->params, params);
  Bump(space->returns, returns);
  space->ratio += 1.0f;
}

// Classes are not attributed to namespaces yet.
void Add_Class2namespace(const std::string&, const ClassSums&, Globals&) {}
