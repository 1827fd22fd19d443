// Progress of a long operation as plain data: the worker stores, the caller polls.
// No callbacks, so the same operation serves the batch tool and the window.
#pragma once

#include <atomic>
#include <cstdint>

namespace quenda {

struct Progress {
  std::atomic<std::uint64_t> done{0};
  std::atomic<std::uint64_t> total{0};
  std::atomic<bool> cancel{false};

  void Set(std::uint64_t d, std::uint64_t t) {
    total.store(t, std::memory_order_relaxed);
    done.store(d, std::memory_order_relaxed);
  }
  // 0 to 1000; 0 while the total is unknown.
  int PerMille() const {
    const auto t = total.load(std::memory_order_relaxed);
    const auto d = done.load(std::memory_order_relaxed);
    return t == 0 ? 0 : static_cast<int>(d >= t ? 1000 : d * 1000 / t);
  }
};

// Null-safe helpers for operations whose progress is optional.
inline void Report(Progress* p, std::uint64_t done, std::uint64_t total) {
  if (p) p->Set(done, total);
}
inline bool IsCancelled(const Progress* p) {
  return p && p->cancel.load(std::memory_order_relaxed);
}

}  // namespace quenda
