// The sixteen-at-a-time character tests against the one-at-a-time classes
// they stand in for.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

#include "base/char_classes.h"

namespace {

bool IsName(unsigned char c) {
  const uint8_t k = kCharClasses.code[c];
  return k == kCodeWord || k == kCodeKeyword;
}

// Every byte value at every one of the sixteen places, among name
// characters: only that place may be marked, and only when the byte is no
// name character.
TEST(Bytes16, NotNameMarksExactlyTheBytesOutsideNames) {
  for (int place = 0; place < 16; ++place) {
    for (int value = 0; value < 256; ++value) {
      std::string bytes = "zA_09mQxzA_09mQx";
      bytes[place] = static_cast<char>(value);
      const uint32_t want =
          IsName(static_cast<unsigned char>(value)) ? 0 : uint32_t{1} << place;
      EXPECT_EQ(bytes16::NotName(bytes.data()), want)
          << "byte " << value << " at " << place;
    }
  }
}

TEST(Bytes16, EqualEitherMarksBothCharactersAndNothingElse) {
  for (int value = 0; value < 256; ++value) {
    std::string bytes(16, static_cast<char>(value));
    bytes[3] = '\n';
    bytes[15] = '\0';
    uint32_t want = (uint32_t{1} << 3) | (uint32_t{1} << 15);
    if (value == '\n' || value == 0) want = 0xffffu;
    EXPECT_EQ(bytes16::EqualEither(bytes.data(), '\n', '\0'), want)
        << "byte " << value;
  }
}

}  // namespace
