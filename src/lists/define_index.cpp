#include "lists/define_index.h"

size_t DefineIndex::Find(std::string_view name, uint64_t hash) const {
  const size_t mask = slots_.size() - 1;
  const auto tag = static_cast<uint32_t>(hash);
  for (size_t at = hash & mask;; at = (at + 1) & mask) {
    const uint64_t slot = slots_[at];
    if (slot == 0) return at;
    if (static_cast<uint32_t>(slot >> 32) == tag) {
      const Entry& entry = entries_[static_cast<uint32_t>(slot) - 1];
      if (std::string_view(text_).substr(entry.start, entry.length) == name) {
        return at;
      }
    }
  }
}

void DefineIndex::Rebuild(size_t size) {
  slots_.assign(size, 0);
  // Four filter bits per slot, so at least eight per name: two of them
  // set per name keeps false hits to a few in a hundred.
  filter_.assign(size / 16, 0);
  const size_t mask = size - 1;
  for (size_t k = 0; k < entries_.size(); ++k) {
    const uint64_t hash = entries_[k].hash;
    size_t at = hash & mask;
    while (slots_[at] != 0) at = (at + 1) & mask;
    slots_[at] = (hash << 32) | (k + 1);
    filter_[FilterWord(hash)] |= FilterMask(hash);
  }
}

void DefineIndex::Reserve(size_t names, size_t bytes) {
  entries_.reserve(names);
  text_.reserve(bytes);
  size_t size = 1024;
  while (size < names * 2) size *= 2;
  if (size > slots_.size()) Rebuild(size);
}

void DefineIndex::Add(std::string_view name, size_t first, bool replace) {
  // Kept at most half full, so that a miss ends after a probe or two.
  if ((entries_.size() + 1) * 2 > slots_.size()) {
    Rebuild(slots_.empty() ? 1024 : slots_.size() * 2);
  }
  const uint64_t hash = HashName64(name);
  const size_t at = Find(name, hash);
  if (slots_[at] != 0) {
    if (replace) entries_[static_cast<uint32_t>(slots_[at]) - 1].first = first;
    return;
  }
  entries_.push_back(Entry{hash, text_.size(), name.size(), first});
  text_.append(name);
  slots_[at] = (hash << 32) | entries_.size();
  filter_[FilterWord(hash)] |= FilterMask(hash);
}

void DefineIndex::AddKnown(std::string_view name) { Add(name, 0, true); }

void DefineIndex::AddDefined(std::string_view name, size_t file) {
  Add(name, file + 1, false);
}

bool DefineIndex::DefinedBefore(std::string_view name, uint64_t hash,
                                size_t file) const {
  if (slots_.empty()) return false;
  const uint64_t bits = FilterMask(hash);
  if ((filter_[FilterWord(hash)] & bits) != bits) return false;
  const uint64_t slot = slots_[Find(name, hash)];
  return slot != 0 && entries_[static_cast<uint32_t>(slot) - 1].first <= file;
}
