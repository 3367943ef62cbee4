#include "base/block_memory.h"

#include <sys/mman.h>

#include <cstdint>
#include <mutex>

namespace {

constexpr size_t kSlab = size_t{2} << 20;
constexpr size_t kPerSlab = kSlab / kBlockMemory;

bool FromSlab(size_t bytes) {
  return bytes > kBlockMemory / 2 && bytes <= kBlockMemory;
}

// The blocks given back, chained through their first bytes, and the rest
// of the newest slab.
struct Slabs {
  std::mutex mutex;
  void* free = nullptr;
  char* next = nullptr;
  size_t left = 0;  // blocks of the newest slab not yet handed out
  size_t in_use = 0;
};
Slabs slabs;

// A fresh slab aligned to its size, so that it can be one huge page.
char* NewSlab() {
  void* mapped = mmap(nullptr, 2 * kSlab, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  const uintptr_t start = reinterpret_cast<uintptr_t>(mapped);
  const uintptr_t aligned = (start + kSlab - 1) & ~(kSlab - 1);
  if (aligned > start) munmap(mapped, aligned - start);
  const uintptr_t end = start + 2 * kSlab;
  if (end > aligned + kSlab) {
    munmap(reinterpret_cast<void*>(aligned + kSlab), end - aligned - kSlab);
  }
  char* slab = reinterpret_cast<char*>(aligned);
  madvise(slab, kSlab, MADV_HUGEPAGE);  // a request; small pages do too
  return slab;
}

}  // namespace

void* TakeBlockMemory(size_t bytes) {
  if (!FromSlab(bytes)) return ::operator new(bytes);
  std::lock_guard<std::mutex> lock(slabs.mutex);
  if (slabs.free != nullptr) {
    void* block = slabs.free;
    slabs.free = *static_cast<void**>(block);
    ++slabs.in_use;
    return block;
  }
  if (slabs.left == 0) {
    slabs.next = NewSlab();
    slabs.left = kPerSlab;
  }
  char* block = slabs.next;
  slabs.next += kBlockMemory;
  --slabs.left;
  ++slabs.in_use;
  return block;
}

void GiveBlockMemory(void* memory, size_t bytes) {
  if (!FromSlab(bytes)) {
    ::operator delete(memory);
    return;
  }
  std::lock_guard<std::mutex> lock(slabs.mutex);
  *static_cast<void**>(memory) = slabs.free;
  slabs.free = memory;
  --slabs.in_use;
}

size_t BlockMemoryInUse() {
  std::lock_guard<std::mutex> lock(slabs.mutex);
  return slabs.in_use;
}
