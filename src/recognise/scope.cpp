#include "recognise/scope.h"

#include <cstring>

#include "recognise/classes.h"
#include "recognise/functions.h"
#include "recognise/java_records.h"
#include "recognise/static_block.h"

// Function and class recognition and static initialiser blocks are wired
// in here; the namespace lines are not part of the analysis yet.

void ScopeLineStart(const char* line, int, Globals& G) {
  ClassLineStart(line, G);
  FunctionLineStart(line, G.parse);
}

void ScopeOpenParen(const char* line, int& i, Globals& G) {
  // The parentheses of 'struct alignas(8) Foo' name no function.
  if (ClassDecorationParen(i, G)) return;
  // The components of 'record Point(int x, int y)' are no parameters.
  if (RecordOpenParen(line, i, G.parse)) return;
  ClassOpenParen(line, i, G.parse);
  FunctionOpenParen(line, i, G);
}

void ScopeCloseParen(const char*, int& i, FileWork& G) {
  if (ClassDecorationParen(i, G)) return;
  if (RecordCloseParen(G.parse)) return;
  FunctionCloseParen(G);
  ClassCloseParen(G.parse);
}

void ScopeOpenBrace(const char* line, int& i, Globals& G) {
  RecordBeforeBrace(line, i, G.parse);
  FunctionOpenBrace(line, i, G);
  ClassOpenBrace(line, i, G);
}

void ScopeCloseBrace(const char* line, int& i, Globals& G) {
  // A function record that could not be stored abandons the line.
  const bool stored = FunctionCloseBrace(G);
  ClassCloseBrace(line, i, G);
  StaticBlockCloseBrace(G);
  if (!stored) i = static_cast<int>(strlen(line));
}

void ScopeDeclarationEnd(const char* line, int& i, Globals& G) {
  ClassDeclarationEnd(line, i, G);
}

void ScopeSemicolon(const char* line, int& i, FileWork& G) {
  FunctionSemicolon(line, i, G);
}

void ScopeAssignment(const char*, int&, FileState& P) {
  FunctionAssignment(P);
  ClassAssignment(P);
}

void ScopeComma(const char* line, int& i, FileState& P) {
  if (RecordComma(P)) return;
  FunctionComma(line, i, P);
  ClassComma(P);
}

void ScopeColon(const char* line, int& i, FileState& P) {
  FunctionColon(P);
  ClassColon(line, i, P);
}

void ScopeTilde(const char*, int&, FileState& P) { ClassTilde(P); }
