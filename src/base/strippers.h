// Strippers and trims that reduce a declaration line to the parts the
// recognisers keep: class base lists, template headers, names. All work on
// one line of text; the in-place ones change their argument.
#ifndef KLV_BASE_STRIPPERS_H_
#define KLV_BASE_STRIPPERS_H_

#include <string>

// Removes every /* ... */ comment; an unclosed one cuts the text.
void StripCComment(std::string& s);
// Cuts the text at its first //.
void StripCPPComment(std::string& s);
// Splits at any character of `delims` and joins the non-empty pieces with
// one blank; text without any piece is left unchanged.
void StripChars(std::string& s, const char* delims);
// Splits at blanks, TABs, CR and LF and keeps the pieces that do not occur
// inside `words`, joined with one blank; when the first piece is dropped
// the result begins with a blank.
void StripStrings(std::string& s, const char* words);
// Drops a Java "implements" clause, keeping an "extends" one.
void StripImplements(std::string& s);
// Removes blanks and TABs and the words "class" and "typename" before a
// blank, keeping "operator" followed by one blank:
// "template <class T, typename U>" becomes "template<T,U>".
void FormatTemplateLine(std::string& s);
// `s` without TABs, LFs, CRs and '{', with a blank after every ','; at most
// 4,093 characters.
std::string Strip_nrt(const char* s);

// Removes leading blanks and TABs.
void Lefttrim(std::string& s);
// Points past leading blanks and TABs.
const char* Ltrim(const char* s);
// Removes trailing blanks, TABs, LFs and CRs, but never the first character.
void Rtrim(std::string& s);

#endif  // KLV_BASE_STRIPPERS_H_
