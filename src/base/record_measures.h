// Adding a unit's measures to the record that collects them.
#ifndef KLV_RECOGNISE_RECORD_MEASURES_H_
#define KLV_RECOGNISE_RECORD_MEASURES_H_

#include "base/globals.h"

// Adds the line measures, complexity, parameters and return points of a
// function or class to a class or namespace record; each counter stops at
// the largest 32-bit value.
void AddMeasures(NodeData& r, int loc, int lloc, int eloc, int comments,
                 int blanks, int lines, int cyclo, int params, int returns);

#endif  // KLV_RECOGNISE_RECORD_MEASURES_H_
