// Running work on several threads: the parallel run's analysis and the
// formatting of long report listings.
#ifndef KLV_BASE_THREADS_H_
#define KLV_BASE_THREADS_H_

#include <chrono>
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

// Checks `done` again and again for up to `limit`, without giving up the
// core; true once it holds. For waits that end sooner than a sleeping
// thread could be woken.
template <class Done>
bool SpinUntil(Done done, std::chrono::microseconds limit =
                              std::chrono::microseconds(200)) {
  const auto until = std::chrono::steady_clock::now() + limit;
  for (;;) {
    for (int i = 0; i < 64; ++i) {
      if (done()) return true;
#if defined(__x86_64__) || defined(__i386__)
      __builtin_ia32_pause();
#endif
    }
    if (std::chrono::steady_clock::now() >= until) return done();
  }
}

#endif  // KLV_BASE_THREADS_H_
