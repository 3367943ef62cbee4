// The run's class records as the threads analysing later files see them
// in a parallel run: a thread that finds a class name the run has a record
// for takes a copy of the record, under the lock that the main thread
// holds while it changes the run's class records or their index.
#ifndef KLV_LISTS_SHARED_RECORDS_H_
#define KLV_LISTS_SHARED_RECORDS_H_

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "lists/node_data.h"

class SharedRecords {
 public:
  explicit SharedRecords(
      const std::unordered_map<std::string, NodeData*>& index)
      : index_(index) {}

  // Held by the thread that changes the records of the index or the index
  // itself, for as long as it does.
  std::mutex& mutex() const { return mutex_; }

  // The record the index lists under `name`, and a copy of it made under
  // the lock; null, with no copy, when there is none.
  NodeData* Copy(const std::string& name,
                 std::unique_ptr<NodeData>& copy) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = index_.find(name);
    if (it == index_.end()) return nullptr;
    copy = std::make_unique<NodeData>(*it->second);
    return it->second;
  }

 private:
  mutable std::mutex mutex_;
  const std::unordered_map<std::string, NodeData*>& index_;
};

#endif  // KLV_LISTS_SHARED_RECORDS_H_
