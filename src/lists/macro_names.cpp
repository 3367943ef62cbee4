#include "lists/macro_names.h"

namespace {

// FNV-1a over the bytes of the name.
uint32_t HashName(std::string_view name) {
  uint32_t hash = 2166136261u;
  for (const char c : name) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

}  // namespace

std::string_view MacroNames::Name(size_t index) const {
  return Text(entries_[index].name);
}

size_t MacroNames::Slot(std::string_view name, uint32_t hash) const {
  const size_t mask = slots_.size() - 1;
  for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const uint64_t entry = slots_[slot];
    // The hash kept beside the name spares reading names that differ.
    if (entry == 0 || (static_cast<uint32_t>(entry >> 32) == hash &&
                       Text(static_cast<uint32_t>(entry) - 1) == name)) {
      return slot;
    }
  }
}

void MacroNames::FilterBits(uint32_t hash, size_t& word1, uint64_t& bit1,
                            size_t& word2, uint64_t& bit2) const {
  // Four filter bits per slot; the two bits come from different parts of
  // the hash (the table's slot uses its low bits).
  const size_t mask = filter_.size() * 64 - 1;  // a power of two, less 1
  const size_t first = (hash * 0x9E3779B1u) & mask;
  const size_t second = ((hash >> 16) | (hash << 16)) & mask;
  word1 = first / 64;
  bit1 = uint64_t{1} << (first % 64);
  word2 = second / 64;
  bit2 = uint64_t{1} << (second % 64);
}

void MacroNames::AddToFilter(uint32_t hash) {
  size_t word1, word2;
  uint64_t bit1, bit2;
  FilterBits(hash, word1, bit1, word2, bit2);
  filter_[word1] |= bit1;
  filter_[word2] |= bit2;
}

void MacroNames::Grow() {
  std::vector<uint64_t> old;
  old.swap(slots_);
  // Start small: a parallel run keeps one table per file; the doubling
  // keeps additions amortised constant on a tree of headers.
  slots_.assign(old.empty() ? (1u << 8) : old.size() * 2, 0);
  filter_.assign(slots_.size() / 16, 0);
  for (const uint64_t entry : old) {
    if (entry == 0) continue;
    const uint32_t hash = static_cast<uint32_t>(entry >> 32);
    const size_t mask = slots_.size() - 1;
    size_t slot = hash & mask;
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = entry;
    AddToFilter(hash);
  }
}

void MacroNames::Add(std::string_view name, int value) {
  if (starts_.empty()) starts_.push_back(0);
  // Keep the table at most half full.
  if (starts_.size() * 2 > slots_.size()) Grow();
  const uint32_t hash = HashName(name);
  const size_t slot = Slot(name, hash);
  uint32_t id = static_cast<uint32_t>(slots_[slot]);
  if (id == 0) {
    text_.append(name);
    starts_.push_back(text_.size());
    id = static_cast<uint32_t>(starts_.size() - 1);
    slots_[slot] = (uint64_t{hash} << 32) | id;
    AddToFilter(hash);
  }
  entries_.push_back(Entry{id - 1, value});
}

bool MacroNames::Contains(std::string_view name) const {
  if (slots_.empty()) return false;
  const uint32_t hash = HashName(name);
  size_t word1, word2;
  uint64_t bit1, bit2;
  FilterBits(hash, word1, bit1, word2, bit2);
  if ((filter_[word1] & bit1) == 0 || (filter_[word2] & bit2) == 0) {
    return false;
  }
  return slots_[Slot(name, hash)] != 0;
}
