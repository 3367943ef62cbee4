// The character and token scanner: small routines over one source line
// that the line parser, keyword recognition and the recognisers share.
// Lines are NUL-terminated and usually still end in their LF (and CR).
#ifndef KLV_BASE_SCANNER_H_
#define KLV_BASE_SCANNER_H_

#include <string>
#include <string_view>

inline bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }
// The terminator, a line feed or a carriage return.
inline bool IsLineEnd(char c) { return c == '\0' || c == '\n' || c == '\r'; }

// A letter, digit or '_': a character inside a name.
inline bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9') || c == '_';
}

// Index of the first character at or after `pos` that is not a blank or TAB.
inline int SkipBlanks(const char* line, int pos) {
  while (IsBlankOrTab(line[pos])) ++pos;
  return pos;
}

// A quote at index i is escaped when an odd number of backslashes directly
// precede it.
bool IsEscapedQuote(const char* line, int i);

// Token readers. Both skip blanks and TABs from `pos` and then one /* */
// comment (without skipping blanks after it).
//
// GetNextRawToken: the token runs up to a blank, TAB or line end. Returns
// false ("no token") at a line end, a // or an unclosed comment.
bool GetNextRawToken(const char* line, int pos, std::string& out);
// GetNextToken: the token also ends at ( ) / : ; {. Returns 1 when the
// token starts with a letter, '_' or '~', otherwise 0.
int GetNextToken(const char* line, int pos, std::string& out);
// The token GetNextToken copies, as a view into the line (empty when none).
std::string_view NextTokenView(const char* line, int pos);

// The index of the first character at or after `pos` that is not a blank,
// a TAB or inside a /* */ comment. At a comment not closed on the line it
// is the index of the LF or terminator that ends the line; at a // it is
// the index of its first '/'.
int NextCodeIndex(const char* line, int pos);

// The first character from `p` that is not a blank, a TAB or inside a
// /* */ comment. A // gives a line feed; an unclosed comment gives the LF
// or terminator that ends the line.
int NextChar(const char* p);

// Searches the rest of the line from `p` for `c` outside comments: a '/'
// followed by '/' or '*' skips to after the next "*/". Returns the index
// of `c` from `p`, or -1 when the line ends first. `crossed_comment` tells
// whether a comment was skipped on the way.
int FindCodeCharAt(const char* p, int c, bool* crossed_comment);
// 1 when `c` occurs in the rest of the line outside comments.
int FindCodeChar(const char* p, int c);

// 1 when the line holds, after leading blanks and TABs, only `c` followed
// by blanks, TABs and ';' (the line-of-just-bracket test).
int SingleChar(const char* line, int c);

// From `pos` skips blanks and TABs; when the character found is c1, c2, a
// carriage return or a line feed, adds 1 to *count (when given) and
// returns 1; otherwise 0.
int KeywordTermin(const char* line, int pos, int* count, int c1, int c2);

// A letter, '_' or '~': a character that can start a name.
int isfirstchar(int c);
// A character that may follow the word "operator".
int is_operator(int c);
// 1 when no lower-case letter occurs before the end or the first LF.
int IsUpperCase(const char* s);

#endif  // KLV_BASE_SCANNER_H_
