// Character classes of the line scan: which characters need handling of
// their own in each lexical state, and which only run along.
#ifndef KLV_BASE_CHAR_CLASSES_H_
#define KLV_BASE_CHAR_CLASSES_H_

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Classes of a character in code (outside comments and literals).
enum CodeClass : uint8_t {
  kCodeSpecial,  // quotes, '/', '*', control characters, bytes >= 128
  kCodeBlank,    // ' '
  kCodeTab,      // TAB
  kCodeWord,     // letters, digits
  kCodeKeyword,  // '_' and the letters that begin a known word
  kCodePunct,    // any other visible character
};

// Inside a comment or literal: a character that needs handling of its own,
// a blank, a TAB, a control character or byte of 128 and above (no visible
// character, yet the last of the line), or a visible character that changes
// nothing.
enum QuietClass : uint8_t {
  kQuietStop,
  kQuietBlank,
  kQuietTab,
  kQuietOther,
  kQuietVisible,
};

struct CharClasses {
  std::array<uint8_t, 256> code{};
  std::array<uint8_t, 256> comment{};  // stops at '*'
  std::array<uint8_t, 256> string{};   // stops at '"', '*'
  std::array<uint8_t, 256> chars{};    // stops at '\'', '*'
};

constexpr CharClasses MakeCharClasses() {
  CharClasses t;
  for (int c = 1; c < 256; ++c) {
    if (c < 32 || c >= 128) {
      t.comment[c] = t.string[c] = t.chars[c] = kQuietOther;
    }
  }
  t.comment['\n'] = t.string['\n'] = t.chars['\n'] = kQuietStop;
  t.comment['\r'] = t.string['\r'] = t.chars['\r'] = kQuietStop;
  for (int c = 33; c < 128; ++c) {
    const bool word = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                      (c >= '0' && c <= '9') || c == '_';
    const bool special = c == '"' || c == '\'' || c == '/' || c == '*';
    const bool keyword = c == '_' || (c >= 'a' && c <= 'w' && c != 'h' &&
                                      c != 'j' && c != 'k' && c != 'l' &&
                                      c != 'q');
    t.code[c] = keyword   ? kCodeKeyword
                : word    ? kCodeWord
                : special ? kCodeSpecial
                          : kCodePunct;
    t.comment[c] = c == '*' ? kQuietStop : kQuietVisible;
    t.string[c] = c == '"' || c == '*' ? kQuietStop : kQuietVisible;
    t.chars[c] = c == '\'' || c == '*' ? kQuietStop : kQuietVisible;
  }
  t.code[' '] = kCodeBlank;
  t.comment[' '] = t.string[' '] = t.chars[' '] = kQuietBlank;
  t.code['\t'] = kCodeTab;
  t.comment['\t'] = t.string['\t'] = t.chars['\t'] = kQuietTab;
  return t;
}

inline constexpr CharClasses kCharClasses = MakeCharClasses();

// Eight characters at a time: each byte's test lands in its high bit.
namespace bytes8 {

inline constexpr uint64_t kOnes = 0x0101010101010101u;
inline constexpr uint64_t kHigh = 0x8080808080808080u;
inline constexpr uint64_t kLow7 = 0x7f7f7f7f7f7f7f7fu;

// The eight bytes at p, the first in the lowest byte.
inline uint64_t Load(const char* p) {
  uint64_t v;
  std::memcpy(&v, p, sizeof v);
  if constexpr (std::endian::native == std::endian::big) {
    v = __builtin_bswap64(v);
  }
  return v;
}

// The bytes of x equal to c.
inline uint64_t Equal(uint64_t x, unsigned char c) {
  const uint64_t v = x ^ (kOnes * c);
  return ~(((v & kLow7) + kLow7) | v | kLow7);
}

// How many bytes are marked in `marks` (without a popcount instruction,
// which the baseline target lacks).
inline int Count(uint64_t marks) {
  return static_cast<int>(((marks >> 7) * kOnes) >> 56);
}

// The index of the first byte marked in `marks` (not 0).
inline int First(uint64_t marks) { return std::countr_zero(marks) / 8; }

}  // namespace bytes8

// Sixteen characters at a time: bit k of a result is the test of byte k.
// Each function reads the sixteen bytes at p, which must all be readable.
namespace bytes16 {

#if defined(__SSE2__)

// The bytes equal to a or to b.
inline uint32_t EqualEither(const char* p, char a, char b) {
  const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i hit = _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(a)),
                                   _mm_cmpeq_epi8(x, _mm_set1_epi8(b)));
  return static_cast<uint32_t>(_mm_movemask_epi8(hit));
}

// The bytes that are no letter, digit or '_' (bytes of 128 and above are
// negative to the signed compares, so no letter).
inline uint32_t NotName(const char* p) {
  const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i folded = _mm_or_si128(x, _mm_set1_epi8(0x20));
  const __m128i letter =
      _mm_and_si128(_mm_cmpgt_epi8(folded, _mm_set1_epi8('a' - 1)),
                    _mm_cmplt_epi8(folded, _mm_set1_epi8('z' + 1)));
  const __m128i digit =
      _mm_and_si128(_mm_cmpgt_epi8(x, _mm_set1_epi8('0' - 1)),
                    _mm_cmplt_epi8(x, _mm_set1_epi8('9' + 1)));
  const __m128i name = _mm_or_si128(
      _mm_or_si128(letter, digit), _mm_cmpeq_epi8(x, _mm_set1_epi8('_')));
  return ~static_cast<uint32_t>(_mm_movemask_epi8(name)) & 0xffffu;
}

#else

inline uint32_t EqualEither(const char* p, char a, char b) {
  uint32_t marks = 0;
  for (int k = 0; k < 16; ++k) {
    if (p[k] == a || p[k] == b) marks |= uint32_t{1} << k;
  }
  return marks;
}

inline uint32_t NotName(const char* p) {
  uint32_t marks = 0;
  for (int k = 0; k < 16; ++k) {
    const uint8_t c = kCharClasses.code[static_cast<unsigned char>(p[k])];
    if (c != kCodeWord && c != kCodeKeyword) marks |= uint32_t{1} << k;
  }
  return marks;
}

#endif

}  // namespace bytes16

#endif  // KLV_BASE_CHAR_CLASSES_H_
