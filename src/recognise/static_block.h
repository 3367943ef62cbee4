// Java static initialiser blocks ('static {' ... '}'): while one is open,
// no '(' is taken for the name of a function being defined, so the calls
// and 'catch (E e) {' clauses of its code are not functions.
#ifndef KLV_RECOGNISE_STATIC_BLOCK_H_
#define KLV_RECOGNISE_STATIC_BLOCK_H_

#include "base/globals.h"

// At a '}' (already counted in closebrace_count): the brace that matches
// the block's opening brace closes the block.
void StaticBlockCloseBrace(FileWork& G);

#endif  // KLV_RECOGNISE_STATIC_BLOCK_H_
