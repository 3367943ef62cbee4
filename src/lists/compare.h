// The comparison routines of the sort keys and the list orders built on
// them. A routine is called with the record being added and a record
// already in the list; see lists/llist.h for how a list uses the answer.
//
//   key  routine               order                           ties
//   0    none                  order of addition
//   1    CompName_NodeType,    ascending by name (CollateNames)  the new record
//        CompName_NameType                                      before equal ones
//   2    CompLoc               descending by loc                 after equal ones
//   3    CompEloc              descending by eloc                after equal ones
//   4    CompLloc              descending by lloc                after equal ones
//   5    CompCyclo             descending by cyclo               after equal ones
//   6    CompState             descending by state               after equal ones
#ifndef KLV_LISTS_COMPARE_H_
#define KLV_LISTS_COMPARE_H_

#include <string>
#include <string_view>

#include "lists/llist.h"
#include "lists/name_data.h"
#include "lists/node_data.h"

// Name routines: the collation of the new name against the listed one.
int CompName_NodeType(const NodeData& added, const NodeData& node);
int CompName_NameType(const NameData& added, const NameData& node);

// Number routines: 1 when the listed value is greater than or equal to the
// new one, -1 otherwise.
int CompLoc(const NodeData& added, const NodeData& node);
int CompEloc(const NodeData& added, const NodeData& node);
int CompLloc(const NodeData& added, const NodeData& node);
int CompCyclo(const NodeData& added, const NodeData& node);
int CompState(const NodeData& added, const NodeData& node);

// 0 when the record's name contains `key`, -1 otherwise; the inheritance
// tree uses it to find a class by part of its name.
template <class Record>
int ListCompPartName(std::string_view key, const Record& node) {
  return std::string_view(node.name).find(key) != std::string_view::npos
             ? 0
             : -1;
}

// The orders of the routines above, for LlistAdd, LlistAddUnique,
// LlistFind and LlistResort.
extern const ListOrder<NodeData> kByName_NodeType;
extern const ListOrder<NodeData> kByLoc;
extern const ListOrder<NodeData> kByEloc;
extern const ListOrder<NodeData> kByLloc;
extern const ListOrder<NodeData> kByCyclo;
extern const ListOrder<NodeData> kByState;
extern const ListOrder<NameData> kByName_NameType;

// The order of sort key `key` (1 to 6); null for 0 and any other key, which
// mean the order of addition.
const ListOrder<NodeData>* NodeOrderForKey(int key);
// Name lists know one order, the name (key 1); null for any other key.
const ListOrder<NameData>* NameOrderForKey(int key);

#endif  // KLV_LISTS_COMPARE_H_
