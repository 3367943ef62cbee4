#include "lists/define_index.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

constexpr size_t kFirstSize = 1024;
constexpr size_t kTextBlock = 1 << 16;

}  // namespace

DefineIndex::Table::Table(size_t size)
    : mask(size - 1),
      slots(std::make_unique<std::atomic<uint64_t>[]>(size)),
      // Four filter bits per slot, so at least eight per name: two of them
      // set per name keeps false hits to a few in a hundred.
      filter(std::make_unique<std::atomic<uint64_t>[]>(size / 16)),
      filter_mask(size / 16 - 1) {}

DefineIndex::DefineIndex()
    : entry_blocks_(std::make_unique<std::unique_ptr<Entry[]>[]>(kEntryBlocks)) {
  tables_.push_back(std::make_unique<Table>(kFirstSize));
  table_.store(tables_.back().get(), std::memory_order_release);
}

DefineIndex::~DefineIndex() = default;

uint64_t DefineIndex::Find(const Table& table, std::string_view name,
                           uint64_t hash) const {
  const auto tag = static_cast<uint32_t>(hash);
  for (size_t at = hash & table.mask;; at = (at + 1) & table.mask) {
    // Acquire: a slot published since the reader's file began names an
    // entry written before it. The value seen is the answer: a slot found
    // free may be filled at any moment with another name.
    const uint64_t slot = table.slots[at].load(std::memory_order_acquire);
    if (slot == 0) return 0;
    if (static_cast<uint32_t>(slot >> 32) == tag) {
      const Entry& entry = EntryAt(static_cast<uint32_t>(slot) - 1);
      if (std::string_view(entry.name, entry.length) == name) return slot;
    }
  }
}

void DefineIndex::Place(Table& table, uint32_t number) {
  const uint64_t hash = EntryAt(number).hash;
  size_t at = hash & table.mask;
  while (table.slots[at].load(std::memory_order_relaxed) != 0) {
    at = (at + 1) & table.mask;
  }
  std::atomic<uint64_t>& word = table.filter[FilterWord(table, hash)];
  word.store(word.load(std::memory_order_relaxed) | FilterMask(hash),
             std::memory_order_relaxed);
  table.slots[at].store((hash << 32) | (uint64_t{number} + 1),
                        std::memory_order_release);
}

const char* DefineIndex::KeepName(std::string_view name) {
  if (name.size() > text_room_) {
    const size_t size = std::max(kTextBlock, name.size());
    text_blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
    text_free_ = text_blocks_.back().get();
    text_room_ = size;
  }
  char* kept = text_free_;
  if (!name.empty()) memcpy(kept, name.data(), name.size());
  text_free_ += name.size();
  text_room_ -= name.size();
  return kept;
}

void DefineIndex::Add(std::string_view name, size_t first, bool replace) {
  Table& current = *tables_.back();
  const uint64_t hash = HashName64(name);
  const uint64_t slot = Find(current, name, hash);
  if (slot != 0) {
    if (replace) EntryAt(static_cast<uint32_t>(slot) - 1).first = first;
    return;
  }
  if (entry_count_ >= (kEntryBlocks << kEntryBlockBits) - 1) {
    throw std::length_error("too many names defined");
  }
  const auto number = static_cast<uint32_t>(entry_count_);
  const size_t block = number >> kEntryBlockBits;
  if (entry_blocks_[block] == nullptr) {
    entry_blocks_[block] =
        std::make_unique_for_overwrite<Entry[]>(size_t{1} << kEntryBlockBits);
  }
  EntryAt(number) = Entry{hash, KeepName(name), name.size(), first};
  ++entry_count_;
  // Kept at most half full, so that a miss ends after a probe or two; a
  // grown table is filled before it is published.
  if (entry_count_ * 2 > current.mask + 1) {
    auto grown = std::make_unique<Table>((current.mask + 1) * 2);
    for (size_t k = 0; k < entry_count_; ++k) {
      Place(*grown, static_cast<uint32_t>(k));
    }
    tables_.push_back(std::move(grown));
    table_.store(tables_.back().get(), std::memory_order_release);
    return;
  }
  Place(current, number);
}

void DefineIndex::AddKnown(std::string_view name) { Add(name, 0, true); }

void DefineIndex::AddDefined(std::string_view name, size_t file) {
  Add(name, file + 1, false);
}

bool DefineIndex::DefinedBefore(std::string_view name, uint64_t hash,
                                size_t file) const {
  const Table& table = *table_.load(std::memory_order_acquire);
  const uint64_t bits = FilterMask(hash);
  if ((table.filter[FilterWord(table, hash)].load(std::memory_order_relaxed) &
       bits) != bits) {
    return false;
  }
  const uint64_t slot = Find(table, name, hash);
  return slot != 0 && EntryAt(static_cast<uint32_t>(slot) - 1).first <= file;
}
