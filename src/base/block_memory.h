// Memory for the blocks of report text a parallel run keeps back. A run
// keeps megabytes of such text in flight (a large file's whole report waits
// for its merge), and fetching it from the system page by page costs more
// than filling it: blocks are carved from 2 MiB slabs that the system may
// back with huge pages, a fault each instead of five hundred.
#ifndef KLV_BASE_BLOCK_MEMORY_H_
#define KLV_BASE_BLOCK_MEMORY_H_

#include <cstddef>
#include <new>
#include <string>

// Allocations of more than half a block and at most a block come from the
// slabs; all others from the heap. Slab memory is reused, never handed
// back: a run keeps at most what it once had in flight.
inline constexpr size_t kBlockMemory = 69696;

void* TakeBlockMemory(size_t bytes);
void GiveBlockMemory(void* memory, size_t bytes);

// How many blocks the slabs have handed out and not yet had back.
size_t BlockMemoryInUse();

template <class T>
struct BlockAllocator {
  using value_type = T;
  BlockAllocator() = default;
  template <class U>
  BlockAllocator(const BlockAllocator<U>&) {}
  T* allocate(size_t n) {
    return static_cast<T*>(TakeBlockMemory(n * sizeof(T)));
  }
  void deallocate(T* p, size_t n) { GiveBlockMemory(p, n * sizeof(T)); }
  template <class U>
  bool operator==(const BlockAllocator<U>&) const {
    return true;
  }
};

// Report text held in block memory.
using BlockText =
    std::basic_string<char, std::char_traits<char>, BlockAllocator<char>>;

#endif  // KLV_BASE_BLOCK_MEMORY_H_
