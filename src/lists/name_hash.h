// A fast 64-bit hash of a name, read eight bytes at a time: the key of the
// tables a parallel run consults for every word of every file.
#ifndef KLV_LISTS_NAME_HASH_H_
#define KLV_LISTS_NAME_HASH_H_

#include <cstdint>
#include <cstring>
#include <string_view>

inline uint64_t HashName64(std::string_view name) {
  uint64_t hash = 0x9E3779B97F4A7C15ull ^ name.size();
  size_t at = 0;
  for (; at + 8 <= name.size(); at += 8) {
    uint64_t word;
    memcpy(&word, name.data() + at, 8);
    hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 32;
  }
  uint64_t tail = 0;
  memcpy(&tail, name.data() + at, name.size() - at);
  hash = (hash ^ tail) * 0xC4CEB9FE1A85EC53ull;
  return hash ^ (hash >> 29);
}

#endif  // KLV_LISTS_NAME_HASH_H_
