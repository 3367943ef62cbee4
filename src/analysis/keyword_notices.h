// Keyword-time notices that need the parser's control record or the open
// namespace: the scope notice raised for the recorded control statement,
// and the nested-namespace notice. The other keyword notices are in
// notices/notices.h.
#ifndef KLV_ANALYSIS_KEYWORD_NOTICES_H_
#define KLV_ANALYSIS_KEYWORD_NOTICES_H_

#include <string>

#include "base/globals.h"
#include "notices/notices.h"

// Notice 22 for the recorded control statement (at its keyword's line) when
// a function body is open; the control record is cleared either way.
void EmitScopeError(Globals& G);

// The unnumbered notice for a namespace declared inside an open namespace.
void EmitNestedNamespace(int line, const std::string& nested, Globals& G);

#endif  // KLV_ANALYSIS_KEYWORD_NOTICES_H_
