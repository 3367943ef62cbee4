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
    auto rec = std::make_unique<NodeData>(std::move(record));
    return LlistAdd(list, std::move(rec), NodeOrderForKey(key)) != nullptr
               ? 1
               : 0;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}
