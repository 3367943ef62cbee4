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
  FunctionLineStart(line, G);
}

void ScopeOpenParen(const char* line, int& i, Globals& G) {
  // The parentheses of 'struct alignas(8) Foo' name no function.
  if (ClassDecorationParen(i, G)) return;
  // The components of 'record Point(int x, int y)' are no parameters.
  if (RecordOpenParen(line, i, G)) return;
  ClassOpenParen(line, i, G);
  FunctionOpenParen(line, i, G);
}

void ScopeCloseParen(const char*, int& i, Globals& G) {
  if (ClassDecorationParen(i, G)) return;
  if (RecordCloseParen(G)) return;
  FunctionCloseParen(G);
  ClassCloseParen(G);
}

void ScopeOpenBrace(const char* line, int& i, Globals& G) {
  RecordBeforeBrace(line, i, G);
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

void ScopeSemicolon(const char* line, int& i, Globals& G) {
  FunctionSemicolon(line, i, G);
}

void ScopeAssignment(const char*, int&, Globals& G) {
  FunctionAssignment(G);
  ClassAssignment(G);
}

void ScopeComma(const char* line, int& i, Globals& G) {
  if (RecordComma(G)) return;
  FunctionComma(line, i, G);
  ClassComma(G);
}

void ScopeColon(const char* line, int& i, Globals& G) {
  FunctionColon(G);
  ClassColon(line, i, G);
}

void ScopeTilde(const char*, int&, Globals& G) { ClassTilde(G); }
