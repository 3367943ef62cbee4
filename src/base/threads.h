// Running work on several threads: the parallel run's analysis and the
// formatting of long report listings.
#ifndef KLV_BASE_THREADS_H_
#define KLV_BASE_THREADS_H_

#include <atomic>
#include <cstddef>
#include <system_error>
#include <thread>
#include <vector>

// Starts up to `threads` threads running `body`; fewer when the system
// refuses more (a thread limit), none at all in the worst case.
template <class Body>
std::vector<std::thread> StartThreads(int threads, Body& body) {
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; ++t) {
    try {
      pool.emplace_back(body);
    } catch (const std::system_error&) {
      break;
    }
  }
  return pool;
}

// Runs `work(k)` for k = 0 .. count-1 on up to `threads` threads; the
// calling thread takes its share too, so the work is done even when no
// thread can be started.
template <class Work>
void ForEachOnThreads(int threads, size_t count, Work work) {
  std::atomic<size_t> next{0};
  auto body = [&] {
    for (size_t k = next++; k < count; k = next++) work(k);
  };
  std::vector<std::thread> pool = StartThreads(threads - 1, body);
  body();
  for (std::thread& thread : pool) thread.join();
}

#endif  // KLV_BASE_THREADS_H_
