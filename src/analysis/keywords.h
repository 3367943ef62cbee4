// Keyword recognition: known words (keywords and a few library function
// names) found directly in the line text, and the control-statement record
// behind notice 22.
#ifndef KLV_ANALYSIS_KEYWORDS_H_
#define KLV_ANALYSIS_KEYWORDS_H_

#include "base/control_record.h"
#include "base/globals.h"

// Called for a code character that may start a word at index i. A word
// counts when the character before it and the character after it come from
// the sets of its first letter and of the word; its counters, flags and
// notices then follow.
void RecogniseWord(const char* line, int& i, int line_number, Globals& G);

// False when no known word can begin a run of `length` name characters
// that starts with `first`: RecogniseWord would pass over it.
bool MayBeWord(unsigned char first, int length);

// Called for every code character before its own handling: when a control
// statement's body was expected on an earlier line without a brace, the
// rest of this line must hold a '{'.
void CheckControlScope(const char* line, int i, int line_number, Globals& G);

// The steps at ')' (after the parenthesis depth went down) and at '{'.
void KeywordCloseParen(const char* line, int i, int line_number, Globals& G);
void KeywordOpenBrace(Globals& G);

// Records a control statement of `kind` (1 do, 2 else, 3 for, 4 if,
// 5 while) seen on `line_number`.
void RecordControl(int kind, int line_number, Globals& G);

#endif  // KLV_ANALYSIS_KEYWORDS_H_
