// Shows a long run's progress on a terminal: after half a second, "loading 42%", redrawn in
// place and wiped at the end. The caller enables it only when stderr is a terminal.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "platform/progress.h"

namespace quenda::cli {

class ProgressMeter {
 public:
  // Writes to `out` while enabled; a disabled meter writes nothing and starts no thread.
  ProgressMeter(const Progress& progress, std::FILE* out, bool enabled);
  ~ProgressMeter();
  ProgressMeter(const ProgressMeter&) = delete;
  ProgressMeter& operator=(const ProgressMeter&) = delete;

  // The word shown before the percentage: "loading", "sorting", "writing".
  void SetPhase(const char* phase) { m_phase.store(phase); }

 private:
  void Loop();

  const Progress& m_progress;
  std::FILE* m_out;
  std::atomic<const char*> m_phase{""};
  std::mutex m_mutex;
  std::condition_variable m_wake;
  bool m_stop = false;
  std::thread m_thread;
};

}  // namespace quenda::cli
