#include "base/record_measures.h"

void AddMeasures(NodeData& r, int loc, int lloc, int eloc, int comments,
                 int blanks, int lines, int cyclo, int params, int returns) {
  Bump(r.loc, loc);
  Bump(r.eloc, eloc);
  Bump(r.lloc, lloc);
  Bump(r.comments, comments);
  Bump(r.blanks, blanks);
  Bump(r.lines, lines);
  Bump(r.cyclo, cyclo);
  Bump(r.params, params);
  Bump(r.returns, returns);
}
