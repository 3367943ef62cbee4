#include "recognise/scope.h"

#include <cstring>

#include "recognise/functions.h"
#include "recognise/static_block.h"

// Function recognition and static initialiser blocks are wired in here;
// class and namespace recognition are not part of the analysis yet.

void ScopeLineStart(const char* line, int, Globals& G) {
  FunctionLineStart(line, G);
}

void ScopeOpenParen(const char* line, int& i, Globals& G) {
  FunctionOpenParen(line, i, G);
}

void ScopeCloseParen(const char*, int&, Globals& G) { FunctionCloseParen(G); }

void ScopeOpenBrace(const char* line, int& i, Globals& G) {
  FunctionOpenBrace(line, i, G);
}

void ScopeCloseBrace(const char* line, int& i, Globals& G) {
  // A function record that could not be stored abandons the line.
  if (!FunctionCloseBrace(G)) i = static_cast<int>(strlen(line));
  StaticBlockCloseBrace(G);
}

void ScopeSemicolon(const char* line, int& i, Globals& G) {
  FunctionSemicolon(line, i, G);
}

void ScopeAssignment(const char*, int&, Globals& G) { FunctionAssignment(G); }

void ScopeComma(const char* line, int& i, Globals& G) {
  FunctionComma(line, i, G);
}

void ScopeColon(const char*, int&, Globals& G) { FunctionColon(G); }
void ScopeTilde(const char*, int&, Globals&) {}
