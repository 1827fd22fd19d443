// Shows a long run's progress on a terminal: after half a second, "loading 42%" on stderr,
// redrawn in place and wiped at the end. Silent when stderr is not a terminal.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/progress.h"

namespace quenda::cli {

class ProgressMeter {
 public:
  ProgressMeter(const Progress& progress, bool enabled);
  ~ProgressMeter();
  ProgressMeter(const ProgressMeter&) = delete;
  ProgressMeter& operator=(const ProgressMeter&) = delete;

  // The word shown before the percentage: "loading", "sorting", "writing".
  void SetPhase(const char* phase) { m_phase.store(phase); }

 private:
  void Loop();

  const Progress& m_progress;
  std::atomic<const char*> m_phase{""};
  std::mutex m_mutex;
  std::condition_variable m_wake;
  bool m_stop = false;
  std::thread m_thread;
};

}  // namespace quenda::cli
