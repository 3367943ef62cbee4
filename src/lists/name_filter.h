// The names one file asked about, kept as two bits each of a small bit set
// (a Bloom filter over HashName64): it answers "surely not asked" or "maybe
// asked", which is all the merge step of a parallel run needs to decide
// whether a file must be analysed again.
#ifndef KLV_LISTS_NAME_FILTER_H_
#define KLV_LISTS_NAME_FILTER_H_

#include <cstddef>
#include <cstdint>
#include <vector>

class NameFilter {
 public:
  void Add(uint64_t hash) {
    if (bits_.empty()) bits_.resize(kBits / 64);
    bits_[Word(hash)] |= Bit(hash);
    bits_[Word(hash >> 32)] |= Bit(hash >> 32);
  }
  bool MayContain(uint64_t hash) const {
    return !bits_.empty() && (bits_[Word(hash)] & Bit(hash)) != 0 &&
           (bits_[Word(hash >> 32)] & Bit(hash >> 32)) != 0;
  }

 private:
  static constexpr unsigned kBits = 1u << 15;
  static size_t Word(uint64_t hash) { return (hash % kBits) / 64; }
  static uint64_t Bit(uint64_t hash) { return uint64_t{1} << (hash % 64); }

  std::vector<uint64_t> bits_;  // none until the first name
};

#endif  // KLV_LISTS_NAME_FILTER_H_
