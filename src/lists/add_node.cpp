#include "lists/add_node.h"

#include <memory>
#include <new>
#include <string>
#include <utility>

#include "lists/compare.h"

int AddNameNode(std::string_view name, std::string_view extra, int value,
                Llist<NameData>& list, int sorted) {
  try {
    auto rec = std::make_unique<NameData>(
        NameData{std::string(name), std::string(extra), value, 0});
    const ListOrder<NameData>* order = sorted == 1 ? &kByName_NameType : nullptr;
    return LlistAdd(list, std::move(rec), order) != nullptr ? 1 : 0;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

int AddListNode(int key, NodeData record, Llist<NodeData>& list) {
  try {
    return AddListNode(key, std::make_unique<NodeData>(std::move(record)),
                       list);
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

int AddListNode(int key, std::unique_ptr<NodeData> record,
                Llist<NodeData>& list) {
  try {
    return LlistAdd(list, std::move(record), NodeOrderForKey(key)) != nullptr
               ? 1
               : 0;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}
