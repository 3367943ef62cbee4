#include "base/format.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <random>
#include <string>

namespace {

std::string Ours(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string Ours(const char* fmt, ...) {
  std::string out = "<";  // written after what the buffer already holds
  size_t end = out.size();
  va_list args;
  va_start(args, fmt);
  EXPECT_TRUE(FormatInto(out, end, fmt, args));
  va_end(args);
  out.resize(end);
  return out;
}

std::string Library(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string Library(const char* fmt, ...) {
  char buf[4096];
  va_list args;
  va_start(args, fmt);
  const int n = vsnprintf(buf, sizeof buf, fmt, args);
  va_end(args);
  return "<" + std::string(buf, n < 0 ? 0 : static_cast<size_t>(n));
}

// Both formatters on the same format and arguments, compared.
#define EXPECT_AS_PRINTF(...) EXPECT_EQ(Ours(__VA_ARGS__), Library(__VA_ARGS__))

TEST(FormatTest, IntegersMatchPrintfForEveryWidthAndFlag) {
  const int values[] = {0, 7, -7, 42, -42, 123456, -123456, INT_MAX, INT_MIN};
  for (int v : values) {
    EXPECT_AS_PRINTF("%d", v);
    EXPECT_AS_PRINTF("[%6d]", v);
    EXPECT_AS_PRINTF("[%-7d]", v);
    EXPECT_AS_PRINTF("[%02d]", v);
    EXPECT_AS_PRINTF("[%010d]", v);
    const char* both_flags = "[%-010d]";  // '0' is ignored beside '-'
    EXPECT_AS_PRINTF(both_flags, v);
    EXPECT_AS_PRINTF("[%.2d]", v);
    EXPECT_AS_PRINTF("[%.0d]", v);
    EXPECT_AS_PRINTF("[% d]", v);
    EXPECT_AS_PRINTF("[%+5d]", v);
    EXPECT_AS_PRINTF("[%*d]", 9, v);
    EXPECT_AS_PRINTF("[%*d]", -9, v);
    EXPECT_AS_PRINTF("[%i]", v);
    EXPECT_AS_PRINTF("[%hd] [%hhd]", v, v);
    EXPECT_AS_PRINTF("[%u] [%x] [%#o]", static_cast<unsigned>(v),
                     static_cast<unsigned>(v), static_cast<unsigned>(v));
  }
  const char* bare_left =
      "[%-d|%-1d|%99d|%-120d|%1d]";  // widths of 0 to 3 digits
  EXPECT_AS_PRINTF(bare_left, -5, 6, -7, 8, -9);
  EXPECT_AS_PRINTF("%lld %10lld %-7lld %*lld", LLONG_MIN, LLONG_MAX, -1ll, 12,
                   99ll);
  EXPECT_AS_PRINTF("%ld %5ld %02ld %zu %zd", LONG_MIN, 3l, 4l, size_t{9},
                   ssize_t{-9});
}

TEST(FormatTest, TextsAndCharactersMatchPrintf) {
  EXPECT_AS_PRINTF("[%s]", "plain");
  EXPECT_AS_PRINTF("[%-31s|%40s]", "left", "right");
  EXPECT_AS_PRINTF("[%.3s|%.*s|%.0s]", "abcdef", 2, "xyz", "gone");
  EXPECT_AS_PRINTF("[%*s|%-*s]", 6, "ab", 6, "cd");
  EXPECT_AS_PRINTF("[%3s]", "longer than the width");
  // Formats the compiler would flag, read through a variable.
  const char* blank_flag = "[% s]";
  EXPECT_AS_PRINTF(blank_flag, "blank flag");
  const char* null_text = "[%s]";
  const char* volatile none = nullptr;
  EXPECT_AS_PRINTF(null_text, none);
  EXPECT_AS_PRINTF("[%c|%3c|%-3c]", 'a', 'b', 'c');
  EXPECT_AS_PRINTF("100%% of %s%%", "it");
}

TEST(FormatTest, FloatingPointMatchesPrintf) {
  const double values[] = {0.0, 0.005, 1.0 / 3, -2.5, 99.995, 1e10, -0.0};
  for (double v : values) {
    EXPECT_AS_PRINTF("%.2f %.1f %6.2f %-6.2f %5.1f %7.0f %12.3f %-.2f %.0f", v,
                     v, v, v, v, v, v, v, v);
    EXPECT_AS_PRINTF("%e %g %a", v, v, v);
  }
  EXPECT_AS_PRINTF("%Lf", 1.25L);
}

TEST(FormatTest, MixedFormatsKeepArgumentOrder) {
  EXPECT_AS_PRINTF("  %-36s%7d %7.1f%% %s %c %10lld\n", "label", 12, 45.25,
                   "tail", 'x', 1234567890123ll);
  EXPECT_AS_PRINTF("%s", "");
  EXPECT_AS_PRINTF("no conversion at all");
  EXPECT_AS_PRINTF("%p", static_cast<void*>(nullptr));
}

TEST(FormatTest, ErrnoTextIsTheOneBeforeFormatting) {
  errno = ENOENT;
  const std::string ours = Ours("[%m]");
  errno = ENOENT;
  EXPECT_EQ(ours, Library("[%m]"));
}

TEST(FormatTest, LongOutputIsNotCut) {
  const std::string big(5000, 'q');
  EXPECT_EQ(Ours("%s|%d", big.c_str(), 1), "<" + big + "|1");
  EXPECT_EQ(Ours("%6000.1f", 1.5).size(), 6001u);
}

TEST(FormatTest, RandomIntegerFormatsMatchPrintf) {
  std::mt19937 rng(20261207);
  const char* flag_sets[] = {"", "-", "0", "-0", " ", "+", "#"};
  for (int i = 0; i < 2000; ++i) {
    std::string format = "[%";
    format += flag_sets[rng() % 7];
    if (rng() % 2) format += std::to_string(rng() % 15);
    if (rng() % 3 == 0) format += "." + std::to_string(rng() % 6);
    format += (rng() % 2) ? "d]" : "lld]";
    const long long v = static_cast<long long>(rng()) - (1ll << 31);
    std::string ours, library;
    if (format.find("lld") != std::string::npos) {
      ours = Ours(format.c_str(), v);
      library = Library(format.c_str(), v);
    } else {
      ours = Ours(format.c_str(), static_cast<int>(v));
      library = Library(format.c_str(), static_cast<int>(v));
    }
    EXPECT_EQ(ours, library) << format;
  }
}

}  // namespace

namespace {

TEST(FormatTest, RandomFixedPointFormatsMatchPrintfIncludingTies) {
  std::mt19937_64 rng(7);
  const char* flag_sets[] = {"", "-", "0", "-0"};
  for (int i = 0; i < 3000; ++i) {
    double v;
    switch (i % 4) {
      case 0:
        v = static_cast<double>(static_cast<int>(rng() % 4001) - 2000) / 8;
        break;  // exact binary halves, quarters, eighths: rounding ties
      case 1:
        v = static_cast<double>(rng() % 1000000) / 1000;
        break;
      case 2:
        v = std::ldexp(static_cast<double>(rng() % (1u << 30)),
                       static_cast<int>(rng() % 80) - 60);
        break;
      default:
        v = -static_cast<double>(rng() % 100000) / 7;
    }
    std::string format = "[%";
    format += flag_sets[rng() % 4];
    if (rng() % 2) format += std::to_string(rng() % 14);
    if (rng() % 5) format += "." + std::to_string(rng() % 7);
    format += "f]";
    EXPECT_EQ(Ours(format.c_str(), v), Library(format.c_str(), v)) << format;
  }
  EXPECT_AS_PRINTF("%f %.2f %5.1f", 1.0 / 0.0, -1.0 / 0.0, std::nan(""));
}

}  // namespace
