#include "reports/function_sums.h"

#include "reports/metric_lines.h"

void AddFunctionSums(FunctionSums& s, const NodeData& r) {
  ++s.count;
  s.lines += r.lines;
  s.loc += r.loc;
  s.eloc += r.eloc;
  s.lloc += r.lloc;
  s.comments += r.comments;
  s.blanks += r.blanks;
  s.cyclo += r.cyclo;
  s.params += r.params;
  s.returns += r.returns;
  s.ratio += CommentRatio(r.comments, r.eloc);
}
