// Making a record and adding it to its list in one step.
#ifndef KLV_LISTS_ADD_NODE_H_
#define KLV_LISTS_ADD_NODE_H_

#include <memory>
#include <string_view>

#include "lists/llist.h"
#include "lists/name_data.h"
#include "lists/node_data.h"

// Adds a name record (copies of `name` and `extra`, `value`): by name when
// `sorted` is 1, else at the tail. Returns 1, or 0 when memory runs out
// (nothing is then added; callers report it with OutMemoryError).
int AddNameNode(std::string_view name, std::string_view extra, int value,
                Llist<NameData>& list, int sorted);

// Adds a metric record in the order of sort key `key` (1 to 6); any other
// key appends. Returns 1, or 0 when memory runs out (nothing is then added).
int AddListNode(int key, NodeData record, Llist<NodeData>& list);
// The same for a record already made.
int AddListNode(int key, std::unique_ptr<NodeData> record,
                Llist<NodeData>& list);

#endif  // KLV_LISTS_ADD_NODE_H_
