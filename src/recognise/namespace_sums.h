// Attributing functions to the namespace they belong to, at report time:
// the namespace records of G.namespace_list carry the summed measures of
// their functions (and classes), which the namespace report shows.
#ifndef KLV_RECOGNISE_NAMESPACE_SUMS_H_
#define KLV_RECOGNISE_NAMESPACE_SUMS_H_

#include <string>

#include "driver/globals.h"

// Adds one function's measures to its namespace record. Only a name with
// exactly one scope operator ("A::f", not "A::B::g" or "f") belongs to a
// namespace: the one named by the text before the "::", when the list has
// it. The record gets the line measures, complexity, parameters and return
// points added, and 1 added to its function count (its `ratio` slot).
// This changes sort fields of the records in place: a caller that adds
// many functions tells the list once afterwards (LlistOrderChanged).
void Add_Func2namespace(const std::string& name, int loc, int lloc, int eloc,
                        int comments, int blanks, int lines, int cyclo,
                        int params, int returns, Globals& G);

#endif  // KLV_RECOGNISE_NAMESPACE_SUMS_H_
