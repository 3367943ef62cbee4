#include "base/output.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/globals.h"

namespace {

// A stream kept in memory, read back whole.
class MemoryStream {
 public:
  MemoryStream() : stream_(open_memstream(&buffer_, &size_)) {}
  ~MemoryStream() {
    FlushOutput();
    fclose(stream_);
    free(buffer_);
  }
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;

  FILE* get() const { return stream_; }
  // What reached the stream itself, without handing over pending text.
  std::string Arrived() {
    fflush(stream_);
    return std::string(buffer_, size_);
  }

 private:
  char* buffer_ = nullptr;
  size_t size_ = 0;
  FILE* stream_;
};

TEST(OutputTest, TextWaitsUntilHandedOver) {
  Globals G;
  MemoryStream memory;
  G.output = memory.get();
  Out(G, "%s %d\n", "first", 1);
  OutText(G, "second\n");
  EXPECT_EQ(memory.Arrived(), "");
  FlushOutput();
  EXPECT_EQ(memory.Arrived(), "first 1\nsecond\n");
  FlushOutput();  // nothing waiting: nothing written twice
  EXPECT_EQ(memory.Arrived(), "first 1\nsecond\n");
}

TEST(OutputTest, SwitchingStreamsHandsTheEarlierTextToItsOwnStream) {
  Globals G;
  MemoryStream before;
  MemoryStream after;
  G.output = before.get();
  Out(G, "for the first stream\n");
  G.output = after.get();
  Out(G, "for the second stream\n");
  EXPECT_EQ(before.Arrived(), "for the first stream\n");
  FlushOutput();
  EXPECT_EQ(after.Arrived(), "for the second stream\n");
  EXPECT_EQ(before.Arrived(), "for the first stream\n");
}

TEST(OutputTest, LongReportsArriveWholeAndInOrder) {
  Globals G;
  MemoryStream memory;
  G.output = memory.get();
  std::string expected;
  const std::string block(70000, 'b');  // longer than one hand-over
  for (int i = 0; i < 5000; ++i) {
    Out(G, "line %5d of the report\n", i);
    expected += "line " +
                std::string(i < 10     ? 4
                            : i < 100  ? 3
                            : i < 1000 ? 2
                                       : 1,
                            ' ') +
                std::to_string(i) + " of the report\n";
    if (i == 2500) {
      OutText(G, block);
      expected += block;
    }
  }
  FlushOutput();
  EXPECT_EQ(memory.Arrived(), expected);
}

// Text kept apart fills blocks; every way of writing must reach the block
// chain whole and in order, also across block ends and in pieces longer
// than a block, and the blocks must serve the next text unchanged.
TEST(OutputTest, TextKeptApartArrivesWholeAndInOrder) {
  Globals G;
  MemoryStream memory;
  G.output = memory.get();
  std::string expected;
  for (int round = 0; round < 3; ++round) {
    HeldText held;
    {
      ApartOutput apart(G.output);
      for (int i = 0; i < 20000; ++i) {
        const std::string line = "r" + std::to_string(round) + " line " +
                                 std::to_string(i) + "\n";
        if (i % 3 == 0) {
          Out(G, "r%d line %d\n", round, i);
        } else if (i % 3 == 1) {
          OutText(G, line);
        } else {
          OutPieces(G, {"r" + std::to_string(round), " line ",
                        std::to_string(i) + "\n"});
        }
        expected += line;
        if (i == 7000) {
          const std::string wide(3000, 'w');  // longer than a line's room
          Out(G, "%s\n", wide.c_str());
          expected += wide + "\n";
        }
        if (i == 9000) {
          const std::string block(200000, 'b');  // longer than a block
          OutText(G, block);
          expected += block;
        }
      }
      held = apart.Take();
    }
    EXPECT_GT(held.blocks.size(), 2u);
    EXPECT_EQ(memory.Arrived(), expected.substr(0, memory.Arrived().size()));
    OutHeldText(G, held);
    EXPECT_TRUE(held.blocks.empty());
  }
  FlushOutput();
  EXPECT_EQ(memory.Arrived(), expected);
}

// Most files write a short report: it is held in a room of its own size,
// after the text of the file before it, and arrives in order.
TEST(OutputTest, ShortTextsKeptApartHoldOnlyWhatTheyWrote) {
  Globals G;
  MemoryStream memory;
  G.output = memory.get();
  std::string expected;
  std::vector<HeldText> texts;
  for (int file = 0; file < 40; ++file) {
    ApartOutput apart(G.output);
    Out(G, "file %d\n", file);
    if (file % 10 == 9) OutText(G, std::string(50000, 'x'));  // one long
    expected += "file " + std::to_string(file) + "\n";
    if (file % 10 == 9) expected += std::string(50000, 'x');
    texts.push_back(apart.Take());
    const HeldText& held = texts.back();
    ASSERT_EQ(held.blocks.size(), 1u);
    EXPECT_EQ(held.blocks[0].text().size(), held.Bytes());
    if (file % 10 != 9) {
      EXPECT_LT(held.blocks[0].room.capacity(), 64u);
    }
  }
  for (HeldText& held : texts) OutHeldText(G, held);
  FlushOutput();
  EXPECT_EQ(memory.Arrived(), expected);
}

}  // namespace

namespace {

TEST(OutputTest, AFailedHandOverIsReportedOnce) {
  FILE* full = fopen("/dev/full", "w");
  if (full == nullptr) GTEST_SKIP() << "no /dev/full";
  setvbuf(full, nullptr, _IONBF, 0);
  Globals G;
  G.output = full;
  TakeOutputError();
  Out(G, "a report nobody will read\n");
  FlushOutput();
  EXPECT_EQ(TakeOutputError(), ENOSPC);
  EXPECT_EQ(TakeOutputError(), 0);  // taken: the next run starts clean
  G.output = stdout;
  fclose(full);
}

}  // namespace
