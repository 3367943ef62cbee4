// Keyword recognition: known words (keywords and a few library function
// names) found directly in the line text, and the control-statement record
// behind notice 22.
#ifndef KLV_ANALYSIS_KEYWORDS_H_
#define KLV_ANALYSIS_KEYWORDS_H_

#include <array>
#include <cstdint>

#include "base/control_record.h"
#include "base/globals.h"

// Called for a code character that may start a word at index i. A word
// counts when the character before it and the character after it come from
// the sets of its first letter and of the word; its counters, flags and
// notices then follow.
void RecogniseWord(const char* line, int& i, int line_number, Globals& G);

// For each first letter, bit k set when a known word of that letter can
// match at the start of a run of k name characters (bit 31: 31 or more).
extern const std::array<uint32_t, 256> kWordLengths;

// False when no known word can begin a run of `length` name characters
// that starts with `first`: RecogniseWord would pass over it.
inline bool MayBeWord(unsigned char first, int length) {
  return ((kWordLengths[first] >> (length < 31 ? length : 31)) & 1) != 0;
}

// Called for every code character before its own handling: when a control
// statement's body was expected on an earlier line without a brace, the
// rest of this line must hold a '{'.
void CheckControlScope(const char* line, int i, int line_number, Globals& G);

// The steps at ')' (after the parenthesis depth went down) and at '{'.
void KeywordCloseParen(const char* line, int i, int line_number, FileWork& G);
void KeywordOpenBrace(FileWork& G);

// Records a control statement of `kind` (1 do, 2 else, 3 for, 4 if,
// 5 while) seen on `line_number`.
void RecordControl(int kind, int line_number, FileState& P);

#endif  // KLV_ANALYSIS_KEYWORDS_H_
