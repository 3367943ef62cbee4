#include "lists/resort.h"

#include "lists/compare.h"

void LlistResort_NodeData(Llist<NodeData>& list, int key) {
  LlistResort(list, NodeOrderForKey(key));
}

void LlistResort_NameData(Llist<NameData>& list, int key) {
  LlistResort(list, NameOrderForKey(key));
}
