// The names each file of a run defines (#define names, namespace and
// package names), found by a quick scan of each file as a parallel run
// takes it up: for each name, the first file that defines it. A file
// analysed apart asks it whether a name was defined before its own turn,
// for nearly every word it reads, and most words are no such name; so a
// small bit set that stays in the cache answers most of them, and an open
// table of 8-byte slots the rest.
//
// Names are added by one thread at a time (the caller's lock orders them)
// while other threads ask: nothing once written is moved or changed. A
// table that grows is copied into a new one and the old one is kept, so a
// reader is never left with a table being rebuilt. A reader must know by
// the caller's own ordering (a release after the names of files before
// its file are added, an acquire before it asks) that those names are in.
#ifndef KLV_LISTS_DEFINE_INDEX_H_
#define KLV_LISTS_DEFINE_INDEX_H_

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "lists/name_hash.h"

class DefineIndex {
 public:
  DefineIndex();
  DefineIndex(const DefineIndex&) = delete;
  DefineIndex& operator=(const DefineIndex&) = delete;
  ~DefineIndex();

  // A name known before the first file (the macro file's names); only
  // before anyone asks.
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
    const char* name;  // in one of text_blocks_
    size_t length;
    size_t first;  // the first file defining it, plus one; 0 when known
  };
  struct Table {
    explicit Table(size_t size);
    size_t mask;
    // The low half of the name's hash in the high 32 bits, its entry
    // number plus one in the low 32 bits; 0 is a free slot.
    std::unique_ptr<std::atomic<uint64_t>[]> slots;
    // Two bits per name, in one word; `filter_mask` + 1 words.
    std::unique_ptr<std::atomic<uint64_t>[]> filter;
    size_t filter_mask;
  };
  static constexpr size_t kEntryBlockBits = 16;  // entries per block: 65,536
  static constexpr size_t kEntryBlocks = size_t{1} << 12;

  const Entry& EntryAt(uint32_t number) const {
    return entry_blocks_[number >> kEntryBlockBits]
                        [number & ((size_t{1} << kEntryBlockBits) - 1)];
  }
  Entry& EntryAt(uint32_t number) {
    return const_cast<Entry&>(std::as_const(*this).EntryAt(number));
  }
  // The slot value of `table` for `name`; 0 when it has none.
  uint64_t Find(const Table& table, std::string_view name,
                uint64_t hash) const;
  void Add(std::string_view name, size_t first, bool replace);
  // Puts entry `number` into `table`.
  void Place(Table& table, uint32_t number);
  // A copy of `name` that stays where it is for the index's life.
  const char* KeepName(std::string_view name);
  static size_t FilterWord(const Table& table, uint64_t hash) {
    return (hash >> 32) & table.filter_mask;
  }
  static uint64_t FilterMask(uint64_t hash) {
    return (uint64_t{1} << ((hash >> 26) & 63)) |
           (uint64_t{1} << ((hash >> 20) & 63));
  }

  std::atomic<const Table*> table_{nullptr};
  // Written only by the adding thread.
  std::vector<std::unique_ptr<Table>> tables_;  // the last is table_
  size_t entry_count_ = 0;
  // Blocks of entries, made before the first slot naming one of them is
  // published; a reader reaches them only through such a slot.
  std::unique_ptr<std::unique_ptr<Entry[]>[]> entry_blocks_;
  std::vector<std::unique_ptr<char[]>> text_blocks_;
  char* text_free_ = nullptr;
  size_t text_room_ = 0;
};

#endif  // KLV_LISTS_DEFINE_INDEX_H_
