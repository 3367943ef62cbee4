#include "recognise/run_names.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <utility>

#include "lists/add_node.h"
#include "lists/compare.h"
#include "lists/name_hash.h"

namespace {

NodeData* FindIn(const std::unordered_map<std::string, NodeData*>& index,
                 const std::string& name) {
  const auto it = index.find(name);
  return it == index.end() ? nullptr : it->second;
}

// Moves the records of a class or interface list to the end of the run's
// list, in list order, and carries their index entries over: the records
// stay where they are, so the entries still point at them.
void MoveRecords(Llist<NodeData>& from,
                 std::unordered_map<std::string, NodeData*>& from_index,
                 Llist<NodeData>& to,
                 std::unordered_map<std::string, NodeData*>& to_index) {
  LlistConcat(to, from);
  for (const auto& [name, record] : from_index) to_index.emplace(name, record);
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

namespace {

// Logs a record lookup of a file analysed apart that its own records did
// not answer; stops the analysis when the run already has the record.
void LogRecordMiss(const std::string& name, std::vector<std::string>& log,
                   const ApartLog& apart) {
  if (apart.merged_records != nullptr && apart.merged_records->Contains(name)) {
    throw ApartAnswerWrong{};
  }
  log.push_back(name);
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

NodeData* FindClassRecord(const std::string& name, Globals& G) {
  NodeData* found = FindIn(G.class_index, name);
  ApartLog& apart = G.apart;
  if (found != nullptr || !apart.active) return found;
  // The file took the name out of the index after copying its record:
  // the run, too, would no longer find it.
  if (Contains(apart.unlisted, name)) return nullptr;
  if (apart.run_classes != nullptr) {
    std::unique_ptr<NodeData> copy;
    NodeData* run_record = apart.run_classes->Copy(name, copy);
    if (run_record != nullptr) {
      NodeData* worked_on = copy.get();
      NodeData before = *copy;
      apart.borrowed.push_back(
          {name, run_record, std::move(before), std::move(copy)});
      G.class_index.emplace(name, worked_on);
      return worked_on;
    }
  }
  apart.class_names.push_back(name);
  return nullptr;
}

void NoteClassUnlisted(const std::string& name, const NodeData* record,
                       ApartLog& apart) {
  if (!apart.active) return;
  for (const ApartLog::BorrowedRecord& borrowed : apart.borrowed) {
    if (borrowed.copy.get() == record && borrowed.name == name) {
      apart.unlisted.push_back(name);
      return;
    }
  }
}

NodeData* FindInterfaceRecord(const std::string& stored, Globals& G) {
  NodeData* found = FindIn(G.interface_index, stored);
  if (found == nullptr && G.apart.active) {
    LogRecordMiss(stored, G.apart.interface_names, G.apart);
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
  // Each copied record must still be listed as it was copied, and be the
  // record of one name only: the file then saw what the run would show it.
  for (size_t k = 0; k < apart.borrowed.size(); ++k) {
    const ApartLog::BorrowedRecord& borrowed = apart.borrowed[k];
    if (FindIn(G.class_index, borrowed.name) != borrowed.run_record ||
        !(*borrowed.run_record == borrowed.before)) {
      return false;
    }
    for (size_t j = 0; j < k; ++j) {
      if (apart.borrowed[j].run_record == borrowed.run_record) return false;
    }
  }
  for (const std::string& name : apart.interface_names) {
    if (G.interface_index.count(name) != 0) return false;
  }
  return true;
}

void MergeApartRecords(RunTotals& W, ApartLog& log, Globals& G) {
  if (NodeOrderForKey(G.sort_key) == nullptr) {
    // Appended, as the file's own list was: its records go on as they are.
    LlistConcat(G.function_list, W.function_list);
  } else {
    for (std::unique_ptr<NodeData>& record : LlistTakeAll(W.function_list)) {
      AddListNode(G.sort_key, std::move(record), G.function_list);
    }
  }
  // The copies take their records' places, and the names the file took
  // out of its index leave the run's.
  std::unordered_map<const NodeData*, NodeData*> copied;
  for (ApartLog::BorrowedRecord& borrowed : log.borrowed) {
    copied.emplace(borrowed.copy.get(), borrowed.run_record);
    *borrowed.run_record = *borrowed.copy;
  }
  for (const std::string& name : log.unlisted) G.class_index.erase(name);
  for (auto& [name, record] : W.class_index) {
    const auto original = copied.find(record);
    if (original != copied.end()) record = original->second;
  }
  MoveRecords(W.class_list, W.class_index, G.class_list, G.class_index);
  MoveRecords(W.interface_list, W.interface_index, G.interface_list,
              G.interface_index);
  for (std::unique_ptr<NodeData>& record : LlistTakeAll(W.namespace_list)) {
    G.namespace_names.insert(record->name);
    AddListNode(1, std::move(record), G.namespace_list);
  }
  if (W.nested_seen) G.nested_seen = 1;
}
