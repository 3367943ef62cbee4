// The run's macro names: the names read from klv_macro.cfg and the name of
// every #define, each with the mark or the line it came with, in the order
// added, and a lookup by exact name. A tree of headers defines hundreds of
// thousands of macros, so each distinct name is stored once, in one block
// of text, and found through an open-addressing hash table.
#ifndef KLV_LISTS_MACRO_NAMES_H_
#define KLV_LISTS_MACRO_NAMES_H_

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

class MacroNames {
 public:
  // Adds `name` with `value`: the mark 1 of the macro file, or the line of
  // the #define.
  void Add(std::string_view name, int value);
  // True when `name` was added, exactly as written.
  bool Contains(std::string_view name) const;

  // The names in the order added, duplicates included.
  size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  std::string_view Name(size_t index) const;
  int Value(size_t index) const { return entries_[index].value; }

 private:
  struct Entry {
    uint32_t name;  // index into starts_
    int32_t value;
  };

  // The slot of `name` in slots_: where it is, or the empty slot where it
  // belongs.
  size_t Slot(std::string_view name, uint32_t hash) const;
  void Grow();
  // The two filter bits of a hash: word index and mask of each.
  void FilterBits(uint32_t hash, size_t& word1, uint64_t& bit1, size_t& word2,
                  uint64_t& bit2) const;
  void AddToFilter(uint32_t hash);
  std::string_view Text(uint32_t id) const {
    return std::string_view(text_).substr(starts_[id],
                                          starts_[id + 1] - starts_[id]);
  }

  std::string text_;             // every distinct name, one after the other
  std::vector<size_t> starts_;   // start of each distinct name; one past the
                                 // last name's end at the back
  // The name's hash in the high half, its distinct name index + 1 in the
  // low half; 0 is empty.
  std::vector<uint64_t> slots_;
  // Two bits per name, chosen by its hash, in a bit set small enough to
  // stay in the cache: most names looked up are no macro names, and one
  // clear bit says so without reading the table.
  std::vector<uint64_t> filter_;
  std::deque<Entry> entries_;  // grows without moving what it holds
};

#endif  // KLV_LISTS_MACRO_NAMES_H_
