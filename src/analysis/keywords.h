// Seams where keyword recognition plugs into the line parser.
#ifndef KLV_ANALYSIS_KEYWORDS_H_
#define KLV_ANALYSIS_KEYWORDS_H_

#include "driver/globals.h"

// Called for a code character that may start a word ('_' or a letter that
// begins a known word) at index i. May advance i to the last character of a
// recognised word.
void RecogniseWord(const char* line, int& i, int line_number, Globals& G);

// Called for every code character before its own handling: the check that a
// control statement's body begins with a brace.
void CheckControlScope(const char* line, int i, int line_number, Globals& G);

// The control-record step at ')' and the brace-opening step at '{'.
void KeywordCloseParen(const char* line, int i, Globals& G);
void KeywordOpenBrace(Globals& G);

#endif  // KLV_ANALYSIS_KEYWORDS_H_
