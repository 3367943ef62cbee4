// Tab expansion for the -Dt conversion.
#ifndef KLV_ANALYSIS_DETAB_H_
#define KLV_ANALYSIS_DETAB_H_

#include <string>
#include <string_view>

// Appends `src` to `out` with each TAB outside a string literal replaced by
// `tab_width` blanks, adding 1 to *tab_count for each. A '"' toggles
// *in_string unless a backslash that is not itself escaped precedes it;
// *in_string carries from line to line.
void Detab_line(std::string_view src, std::string& out, int tab_width,
                int* in_string, int* tab_count);

#endif  // KLV_ANALYSIS_DETAB_H_
