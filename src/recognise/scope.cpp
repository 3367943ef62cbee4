#include "recognise/scope.h"

// Function, class and namespace recognition are not part of the analysis
// yet: these handlers leave the line parser's counts untouched.

void ScopeLineStart(const char*, int, Globals&) {}
void ScopeOpenParen(const char*, int&, Globals&) {}
void ScopeCloseParen(const char*, int&, Globals&) {}
void ScopeOpenBrace(const char*, int&, Globals&) {}
void ScopeCloseBrace(const char*, int&, Globals&) {}
void ScopeSemicolon(const char*, int&, Globals&) {}
void ScopeComma(const char*, int&, Globals&) {}
void ScopeColon(const char*, int&, Globals&) {}
void ScopeTilde(const char*, int&, Globals&) {}
void EmitFunction(Globals&) {}
void EmitNamespace(Globals&, int) {}
