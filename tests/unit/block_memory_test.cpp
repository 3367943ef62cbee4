#include "base/block_memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

namespace {

// Blocks of several slabs, each filled whole with its own byte: no block
// may overlap another, and each given back is handed out again before any
// fresh memory.
TEST(BlockMemoryTest, BlocksNeverOverlapAndAreReused) {
  const size_t before = BlockMemoryInUse();
  std::vector<char*> blocks;
  for (int i = 0; i < 100; ++i) {  // more than three slabs' worth
    char* block = static_cast<char*>(TakeBlockMemory(kBlockMemory));
    memset(block, i, kBlockMemory);
    blocks.push_back(block);
  }
  EXPECT_EQ(BlockMemoryInUse(), before + 100);
  for (int i = 0; i < 100; ++i) {
    const char* block = blocks[static_cast<size_t>(i)];
    EXPECT_EQ(block[0], static_cast<char>(i));
    EXPECT_EQ(block[kBlockMemory - 1], static_cast<char>(i));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % 64, 0u);
  }
  std::set<char*> given(blocks.begin(), blocks.begin() + 10);
  for (char* block : given) GiveBlockMemory(block, kBlockMemory);
  for (int i = 0; i < 10; ++i) {
    char* again = static_cast<char*>(TakeBlockMemory(kBlockMemory / 2 + 1));
    EXPECT_EQ(given.count(again), 1u);
    blocks[static_cast<size_t>(i)] = again;
  }
  for (char* block : blocks) GiveBlockMemory(block, kBlockMemory);
  EXPECT_EQ(BlockMemoryInUse(), before);
}

// Small and large requests come from the heap and are given back there.
TEST(BlockMemoryTest, OtherSizesComeFromTheHeap) {
  const size_t before = BlockMemoryInUse();
  BlockText small(100, 'a');
  BlockText large(3 * kBlockMemory, 'b');
  EXPECT_EQ(BlockMemoryInUse(), before);
  BlockText block(kBlockMemory - 1, 'c');
  EXPECT_EQ(BlockMemoryInUse(), before + 1);
  block.resize(2 * kBlockMemory, 'd');  // grows out of the slab
  EXPECT_EQ(BlockMemoryInUse(), before);
  EXPECT_EQ(block[kBlockMemory - 2], 'c');
  EXPECT_EQ(block.back(), 'd');
}

}  // namespace
