// The extraction filters of -Es, -Ec and -C: turn the text of a literal
// string or of a line's comments into the text printed for it.
#ifndef KLV_ANALYSIS_EXTRACT_H_
#define KLV_ANALYSIS_EXTRACT_H_

#include <string>

#include "base/globals.h"

// The readable core of a literal or comment: trailing characters that are
// not letters or digits and trailing "\n" escapes are removed, then leading
// ones, a leading "\n" escape and blanks. HTML-escaped with -H.
std::string ExtractString(const char* text, Globals& G);
// A comment with its markers, without trailing line ends, blanks and TABs.
// HTML-escaped with -H.
std::string ExtractComment(const char* text, Globals& G);

#endif  // KLV_ANALYSIS_EXTRACT_H_
