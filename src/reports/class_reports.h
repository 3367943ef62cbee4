// The class and interface reports: the attribute and method lines shared by
// the per-class blocks, the namespace report and the project sections; the
// project class/struct and interface lists with their statistics; and the
// CSV class rows.
#ifndef KLV_REPORTS_CLASS_REPORTS_H_
#define KLV_REPORTS_CLASS_REPORTS_H_

#include "driver/globals.h"

// "  Attributes " then the public, protected and private counts and their
// total.
void DataLine(int pub, int prot, int priv, Globals& G);
// "  Methods    " then the public, protected and private counts and their
// total.
void MethodLine(int pub, int prot, int priv, Globals& G);

#endif  // KLV_REPORTS_CLASS_REPORTS_H_
