// The names each file of a run defines (#define names, namespace and
// package names), found by a quick scan before a parallel run analyses the
// files: for each name, the first file that defines it. A file analysed
// apart asks it whether a name was defined before its own turn, for nearly
// every word it reads, and most words are no such name; so a small bit set
// that stays in the cache answers most of them, and an open table of
// 8-byte slots the rest.
#ifndef KLV_LISTS_DEFINE_INDEX_H_
#define KLV_LISTS_DEFINE_INDEX_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lists/name_hash.h"

class DefineIndex {
 public:
  // Makes room for `names` names of `bytes` bytes in all.
  void Reserve(size_t names, size_t bytes);
  // A name known before the first file (the macro file's names).
  void AddKnown(std::string_view name);
  // A name defined by file `file` (counted from 0); an earlier definition
  // stands. Files must be added in order.
  void AddDefined(std::string_view name, size_t file);
  // True when `name` is known, or defined by a file before `file`. `hash`
  // is HashName64(name).
  bool DefinedBefore(std::string_view name, uint64_t hash, size_t file) const;
  bool DefinedBefore(std::string_view name, size_t file) const {
    return DefinedBefore(name, HashName64(name), file);
  }

 private:
  struct Entry {
    uint64_t hash;
    size_t start;   // the name in text_
    size_t length;
    size_t first;   // the first file defining it, plus one; 0 when known
  };

  // The slot holding `name`, or the free slot where it belongs.
  size_t Find(std::string_view name, uint64_t hash) const;
  void Add(std::string_view name, size_t first, bool replace);
  // Makes the table `size` slots (a power of two) and fills it again.
  void Rebuild(size_t size);
  // The filter bit of `hash` (its second half chooses it): word and mask.
  size_t FilterWord(uint64_t hash) const {
    return (hash >> 32) & (filter_.size() - 1);
  }
  static uint64_t FilterMask(uint64_t hash) {
    return (uint64_t{1} << ((hash >> 26) & 63)) |
           (uint64_t{1} << ((hash >> 20) & 63));
  }

  std::string text_;
  std::vector<Entry> entries_;
  // The low half of the name's hash in the high 32 bits, its entry index
  // plus one in the low 32 bits; 0 is a free slot.
  std::vector<uint64_t> slots_;
  std::vector<uint64_t> filter_;  // two bits per name, in one word
};

#endif  // KLV_LISTS_DEFINE_INDEX_H_
