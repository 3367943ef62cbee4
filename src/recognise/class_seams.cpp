#include "recognise/class_seams.h"

void ClassHeaderCancel(Globals& G) {
  FileState& P = G.parse;
  P.class_header_pending = 0;
  P.struct_pending = 0;
  P.interface_pending = 0;
  P.class_name.clear();
}

// Class definitions are not recognised yet: no class counts methods or
// receives function measures.
void ClassMethod(const char*, Globals&) {}

void Add_Func2Class(int, int, int, int, int, int, int, int, int, Globals&) {}
