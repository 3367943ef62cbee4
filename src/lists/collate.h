// How names are ordered in sorted lists. The order is the C library's
// collation in the locale the program runs in; the program never selects a
// locale, so that is the "C" locale, where collation is byte order
// (characters compared as unsigned). Byte order is what is implemented
// here, so lists keep that order even if some part of the program selects
// another locale for other reasons.
#ifndef KLV_LISTS_COLLATE_H_
#define KLV_LISTS_COLLATE_H_

#include <cstdint>
#include <string_view>

// Negative, zero or positive as `a` sorts before, with or after `b`.
inline int CollateNames(std::string_view a, std::string_view b) {
  return a.compare(b);
}

// The first eight bytes of a name as a number, zero-padded: when the
// prefixes of two names differ, the names collate the same way.
inline uint64_t NamePrefix(std::string_view name) {
  uint64_t prefix = 0;
  for (size_t i = 0; i < 8; ++i) {
    prefix <<= 8;
    if (i < name.size()) prefix |= static_cast<unsigned char>(name[i]);
  }
  return prefix;
}

#endif  // KLV_LISTS_COLLATE_H_
