// Literal forms the line scan must know to find where a literal ends: C++
// raw string literals, Java text blocks and digit separators. Each test
// looks at one line around a quote the scan has reached in code.
#ifndef KLV_ANALYSIS_LITERAL_FORMS_H_
#define KLV_ANALYSIS_LITERAL_FORMS_H_

#include <string>

// How the open string literal ends.
enum StringKind : int {
  kPlainString = 0,  // at the next unescaped '"'
  kRawString = 1,    // at ')' + delimiter + '"'; backslashes are text
  kTextBlock = 2,    // at the next unescaped '"""'
};

// The '"' at `quote` opens a raw string literal: it follows one of the
// prefixes R, LR, uR, UR, u8R (standing as a token of its own), and a
// delimiter of at most 16 characters (no blank, parenthesis or backslash)
// leads to a '(' on the same line. Fills `delimiter` and `open_paren` (the
// index of that '(') when it does.
bool OpensRawString(const char* line, int quote, std::string& delimiter,
                    int& open_paren);

// The '"' at `quote` closes the raw string whose `delimiter` is given:
// ')' + delimiter stands right before it, after index `open_paren` (the
// literal's '(' when it opened on this line, else -1).
bool ClosesRawString(const char* line, int quote, const std::string& delimiter,
                     int open_paren);

// The '"' at `quote` is the first of three that open a Java text block:
// nothing but blanks and TABs follow them on the line.
bool OpensTextBlock(const char* line, int quote);

// The '\'' at index i separates digits of a numeric literal (1'000'000,
// 0xFF'FF, 0b1010'0101): the token before it starts with a digit (or a
// '.' and a digit) and a letter or digit follows it.
bool IsDigitSeparator(const char* line, int i);

#endif  // KLV_ANALYSIS_LITERAL_FORMS_H_
