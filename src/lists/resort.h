// Re-sorting a list by a sort key, as the reports do before listing.
#ifndef KLV_LISTS_RESORT_H_
#define KLV_LISTS_RESORT_H_

#include "lists/llist.h"
#include "lists/name_data.h"
#include "lists/node_data.h"

// Puts the list in the order it would have if its records were added anew,
// head to tail, with sort key `key`: by name (1) ascending with equal names
// in the reverse of their present order; by LOC, eLOC, lLOC, cyclomatic
// complexity or state (2 to 6) descending with ties in their present order.
// Key 0 and unknown keys keep the present order. Reads the records' current
// values.
void LlistResort_NodeData(Llist<NodeData>& list, int key);
// The same for name lists, which know only the name key (1).
void LlistResort_NameData(Llist<NameData>& list, int key);

#endif  // KLV_LISTS_RESORT_H_
