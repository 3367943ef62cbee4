// Running work on several threads: the parallel run's analysis and the
// formatting of long report listings.
#ifndef KLV_BASE_THREADS_H_
#define KLV_BASE_THREADS_H_

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

#endif  // KLV_BASE_THREADS_H_
