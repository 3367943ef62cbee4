// Seams where function, class and namespace recognition plug into the line
// parser and the driver. The line parser calls each handler for a code
// character outside comments and literals, with the raw line and the index
// of the character; a handler may advance the index past text it consumed.
#ifndef KLV_RECOGNISE_SCOPE_H_
#define KLV_RECOGNISE_SCOPE_H_

#include "base/globals.h"

// Per-line preparation for constructs that span lines (a class name or
// base list going on, a function's first parameter).
void ScopeLineStart(const char* line, int line_number, Globals& G);

void ScopeOpenParen(const char* line, int& i, Globals& G);
void ScopeCloseParen(const char* line, int& i, FileWork& G);
void ScopeOpenBrace(const char* line, int& i, Globals& G);
void ScopeCloseBrace(const char* line, int& i, Globals& G);
// A ';', before the line parser clears the flags of the statement.
void ScopeDeclarationEnd(const char* line, int& i, Globals& G);
void ScopeSemicolon(const char* line, int& i, FileWork& G);
// An '=' that assigns (not part of a comparison or an operator's name).
void ScopeAssignment(const char* line, int& i, FileState& P);
void ScopeComma(const char* line, int& i, FileState& P);
void ScopeColon(const char* line, int& i, FileState& P);
void ScopeTilde(const char* line, int& i, FileState& P);

// Prints the header of the last known function (end of file with its body
// still open).
void EmitFunction(Globals& G);
// The begin (`begin` 1) or end (0) line of the open namespace or package,
// written with -o or -C outside totals-only mode.
void EmitNamespace(Globals& G, int begin);

#endif  // KLV_RECOGNISE_SCOPE_H_
