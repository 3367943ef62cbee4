// Function recognition and function metrics. The line parser calls the
// handlers of recognise/scope.h at every scope character; behind them a
// '(' outside any function body may name a function being defined (a
// candidate), its parameters and return points are counted up to its
// opening brace, and at the matching closing brace the function is
// measured, checked against the function-level notices, listed and
// reported.
#ifndef KLV_RECOGNISE_FUNCTIONS_H_
#define KLV_RECOGNISE_FUNCTIONS_H_

#include <string>

#include "base/globals.h"

// ---- Names.

// Decides whether the text before the '(' at `paren_pos` of `line` names a
// function being defined; if so `func_name` holds the name and the
// candidate is open. Returns `paren_pos`, the position of a later '(' when
// the first one opened a function-pointer declarator, or the index after
// the '(' when the line's only '(' is followed by '*'.
int GetFunction(const char* line, int paren_pos, Globals& G);
// 1 when `func_name` is acceptable as a function name; trailing blanks and
// line ends are removed from it first. `operator_name` tells that the name
// was built from an "operator" on the line.
int ValFunctionName(Globals& G, bool operator_name);
// 1 when `name` is one of the type and control words that look like a
// function name before a '(' ("int", "if", "while" ...).
int is_systype(const std::string& name, Globals& G);
// 1 when `name` is a macro name (macro file or #define).
int is_macro(const std::string& name, Globals& G);

// Java interfaces are listed as "Interface-" + name.
void SetInterface(std::string& name);
// The text after the first '-' of a name holding "Interface-"; empty
// otherwise.
std::string GetInterface(const std::string& name);

// ---- Recognition, driven by the line parser's scope characters.

// Start of a line: a parameter list whose '(' ended the previous line
// gets its first parameter from this line's first token.
void FunctionLineStart(const char* line, FileState& P);
// At a '(' (already counted in local_paren), a ')' (already taken off),
// a ',', a single ':', an assigning '=', a ';', a '{' and a '}' (already
// taken off local_brace).
void FunctionOpenParen(const char* line, int i, Globals& G);
void FunctionCloseParen(FileWork& G);
void FunctionComma(const char* line, int i, FileState& P);
void FunctionColon(FileState& P);
void FunctionAssignment(FileState& P);
void FunctionSemicolon(const char* line, int i, FileWork& G);
void FunctionOpenBrace(const char* line, int i, Globals& G);
// Returns false when the rest of the line is to be abandoned (the function
// record could not be stored).
bool FunctionCloseBrace(Globals& G);

// Forgets what was seen after the candidate's parameter list closed: a
// new candidate starts, or the old one ends.
void ClearPrototypeState(FileState& P);
// Forgets the candidate and everything gathered for it.
void DropCandidate(FileState& P);

// The candidate's body opens at a '{' of `line`: its measures start.
void BeginFunctionBody(const char* line, Globals& G);
// The body's closing brace: measures, notices, the function record and
// the function's report lines; the candidate is then closed. Returns false
// when the record could not be stored.
bool EndFunctionBody(Globals& G);

// ---- Measures and reports.

// 1 + if + while + ?: + goto + case + || + && (+ for when configured).
int GetCycloComplexity(const Globals& G);
// The function measures are wanted (-f, -c, -e, -A, -C).
bool FunctionMetricsWanted(const RunSettings& G);

// The header lines of a function: at its body's start with -n
// (FunctionBegin), at its end with -n (FunctionEnd), or once otherwise
// (EmitFunction, declared in recognise/scope.h).
void FunctionBegin(Globals& G);
void FunctionEnd(Globals& G);
// The closing lines of the function being closed: its CSV row, or its
// complexity and LOC lines and the end marker. Parameters, return points,
// complexity and blank lines are read from the candidate's state.
void ShowFunction(int loc, int eloc, int lloc, int comments, int lines,
                  Globals& G);

#endif  // KLV_RECOGNISE_FUNCTIONS_H_
