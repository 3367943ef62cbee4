// A set of names that one thread adds to while others ask about it: the
// interface names a parallel run has merged so far, which the threads
// analysing later files consult.
#ifndef KLV_LISTS_SHARED_NAMES_H_
#define KLV_LISTS_SHARED_NAMES_H_

#include <mutex>
#include <string>
#include <string_view>
#include <unordered_set>

class SharedNames {
 public:
  void Add(std::string_view name) {
    std::lock_guard<std::mutex> lock(mutex_);
    names_.emplace(name);
  }
  bool Contains(const std::string& name) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return names_.count(name) != 0;
  }

 private:
  mutable std::mutex mutex_;
  std::unordered_set<std::string> names_;
};

#endif  // KLV_LISTS_SHARED_NAMES_H_
