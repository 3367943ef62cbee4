#include "recognise/run_names.h"

#include <memory>
#include <unordered_map>
#include <utility>

#include "lists/add_node.h"
#include "lists/name_hash.h"

namespace {

NodeData* FindIn(const std::unordered_map<std::string, NodeData*>& index,
                 const std::string& name) {
  const auto it = index.find(name);
  return it == index.end() ? nullptr : it->second;
}

// Moves the records of a class or interface list to the run's list, in
// list order, and carries their index entries over.
void MoveRecords(Llist<NodeData>& from,
                 std::unordered_map<std::string, NodeData*>& from_index,
                 Llist<NodeData>& to,
                 std::unordered_map<std::string, NodeData*>& to_index) {
  std::unordered_map<const NodeData*, NodeData*> moved;
  for (NodeData& record : from) {
    NodeData* added =
        LlistAdd(to, std::make_unique<NodeData>(std::move(record)));
    if (added != nullptr) moved.emplace(&record, added);
  }
  for (const auto& [name, record] : from_index) {
    const auto it = moved.find(record);
    if (it != moved.end()) to_index.emplace(name, it->second);
  }
  from_index.clear();
}

}  // namespace

bool IsMacroName(std::string_view name, Globals& G) {
  if (G.macro_list.Contains(name)) return true;
  ApartLog& apart = G.apart;
  if (!apart.active) return false;
  const uint64_t hash = HashName64(name);
  apart.macro_names.Add(hash);
  return apart.macros_before != nullptr &&
         apart.macros_before->DefinedBefore(name, hash, apart.file_index);
}

bool IsNamespaceName(const std::string& name, Globals& G) {
  if (G.namespace_names.count(name) != 0) return true;
  ApartLog& apart = G.apart;
  if (!apart.active) return false;
  const bool answer =
      apart.namespaces_before != nullptr &&
      apart.namespaces_before->DefinedBefore(name, apart.file_index);
  apart.namespace_names.emplace_back(name, answer);
  return answer;
}

NodeData* FindClassRecord(const std::string& name, Globals& G) {
  NodeData* found = FindIn(G.class_index, name);
  if (found == nullptr && G.apart.active) G.apart.class_names.push_back(name);
  return found;
}

NodeData* FindInterfaceRecord(const std::string& stored, Globals& G) {
  NodeData* found = FindIn(G.interface_index, stored);
  if (found == nullptr && G.apart.active) {
    G.apart.interface_names.push_back(stored);
  }
  return found;
}

bool ApartAnswersHold(const ApartLog& apart,
                      const std::vector<uint64_t>& scan_misses,
                      const RunTotals& G) {
  for (const uint64_t hash : scan_misses) {
    if (apart.macro_names.MayContain(hash)) return false;
  }
  for (const auto& [name, answer] : apart.namespace_names) {
    if ((G.namespace_names.count(name) != 0) != answer) return false;
  }
  for (const std::string& name : apart.class_names) {
    if (G.class_index.count(name) != 0) return false;
  }
  for (const std::string& name : apart.interface_names) {
    if (G.interface_index.count(name) != 0) return false;
  }
  return true;
}

void MergeApartRecords(RunTotals& W, Globals& G) {
  for (NodeData& record : W.function_list) {
    AddListNode(G.sort_key, std::move(record), G.function_list);
  }
  MoveRecords(W.class_list, W.class_index, G.class_list, G.class_index);
  MoveRecords(W.interface_list, W.interface_index, G.interface_list,
              G.interface_index);
  for (NodeData& record : W.namespace_list) {
    G.namespace_names.insert(record.name);
    AddListNode(1, std::move(record), G.namespace_list);
  }
  if (W.nested_seen) G.nested_seen = 1;
}
