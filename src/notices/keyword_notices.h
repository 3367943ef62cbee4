// The quality notices raised by keyword recognition, and the notice of a
// nested namespace. Each routine applies the one emission rule.
#ifndef KLV_NOTICES_KEYWORD_NOTICES_H_
#define KLV_NOTICES_KEYWORD_NOTICES_H_

#include <string>

#include "driver/globals.h"

void EmitReallocNotice(int line, Globals& G);                // 8
void EmitGotoNotice(int line, Globals& G);                   // 9
void CPP_Symbol(int line, const char* keyword, Globals& G);  // 24
void EmitVoidStarNotice(int line, Globals& G);               // 26
void EmitUsingNamespace(int line, Globals& G);               // 32
void EmitExceptionNotice(int line, Globals& G);              // 38
void EmitContinueNotice(int line, Globals& G);               // 43
// Notice 44; nothing while a switch is open.
void EmitBreakNotice(int line, Globals& G);

// Notice 22 for the recorded control statement, at the keyword's line:
// only inside a function body and outside a function-like macro. Clears
// the control record either way.
void EmitScopeError(Globals& G);
// The control keyword of a record kind (1 do, 2 else, 3 for, 4 if,
// 5 while; " " for none).
const char* ControlKeyword(int kind);
// The one-line form of notice 22: "'if' is not bound with scope braces {}".
std::string ScopeNoticeText(const Globals& G);

// The unnumbered notice of a namespace opened inside an open one; printed
// whenever the run is not totals-only.
void EmitNestedNamespace(int line, const std::string& nested, Globals& G);

#endif  // KLV_NOTICES_KEYWORD_NOTICES_H_
