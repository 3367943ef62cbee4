// The macro file klv_macro.cfg: names that decorate declarations rather
// than name functions or classes.
#ifndef KLV_RECOGNISE_MACROS_H_
#define KLV_RECOGNISE_MACROS_H_

#include "base/globals.h"

// Reads macro_file_path into the macro list (each name marked 1). A missing
// file is created with the default names, and that run starts with an
// empty list. A file that can be neither read nor created leaves the list
// empty, silently.
void LoadMacros(Globals& G);

#endif  // KLV_RECOGNISE_MACROS_H_
