#include "analysis/keywords.h"

// Keyword recognition is not part of the analysis yet: words and control
// statements leave the counters untouched.

void RecogniseWord(const char*, int&, int, Globals&) {}
void CheckControlScope(const char*, int, int, Globals&) {}
void KeywordCloseParen(const char*, int, Globals&) {}
void KeywordOpenBrace(Globals&) {}
