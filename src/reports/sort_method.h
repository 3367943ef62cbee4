// The line that names the order of a sorted report.
#ifndef KLV_REPORTS_SORT_METHOD_H_
#define KLV_REPORTS_SORT_METHOD_H_

#include "base/globals.h"

// The title of sort key `key`: "Sorted By Name" and so on, "No Sort Method"
// for 0 and any key outside 1..6.
const char* SortMethodTitle(int key);

// Writes the title of G.sort_key: centred; at the left margin in automated
// (CSV) mode; in HTML bold in the header colour, centred by the plain title.
void ShowSortMethod(Globals& G);

#endif  // KLV_REPORTS_SORT_METHOD_H_
