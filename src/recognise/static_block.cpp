#include "recognise/static_block.h"

#include "recognise/keyword_hooks.h"

// A block opened inside an open one (a local class's initialiser) closes
// before the outer one: the outer block alone decides where both end.
void StaticBlockBegin(int brace_balance, FunctionState& P) {
  if (P.static_block_flag) return;
  P.static_block_flag = 1;
  P.static_block_balance = brace_balance;
}

void StaticBlockCloseBrace(FileWork& G) {
  FileState& P = G.parse;
  if (!P.static_block_flag) return;
  const int64_t balance = int64_t{G.metrics.openbrace_count} -
                          G.metrics.closebrace_count;
  if (balance <= P.static_block_balance) P.static_block_flag = 0;
}
