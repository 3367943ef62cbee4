// The control-statement record of the file state: set and checked by the
// keyword analysis, forgotten by it and by the function recogniser.
#ifndef KLV_BASE_CONTROL_RECORD_H_
#define KLV_BASE_CONTROL_RECORD_H_

#include "base/globals.h"

// Forgets the recorded control statement.
inline void ClearControl(FileWork& G) {
  FileState& P = G.parse;
  P.control_kind = 0;
  P.control_paren = 0;
  P.control_body_line = 0;
}

#endif  // KLV_BASE_CONTROL_RECORD_H_
