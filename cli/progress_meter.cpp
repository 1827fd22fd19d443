#include "cli/progress_meter.h"

namespace quenda::cli {

namespace {

constexpr auto kQuietFor = std::chrono::milliseconds(500);
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);

}  // namespace

ProgressMeter::ProgressMeter(const Progress& progress, std::FILE* out, bool enabled)
    : m_progress(progress), m_out(out) {
  if (enabled) m_thread = std::thread([this] { Loop(); });
}

ProgressMeter::~ProgressMeter() {
  if (!m_thread.joinable()) return;
  {
    std::lock_guard lock(m_mutex);
    m_stop = true;
  }
  m_wake.notify_one();
  m_thread.join();
}

void ProgressMeter::Loop() {
  std::unique_lock lock(m_mutex);
  if (m_wake.wait_for(lock, kQuietFor, [this] { return m_stop; })) return;
  do {
    const int perMille = m_progress.PerMille();
    std::fprintf(m_out, "\r%s %d%%\033[K", m_phase.load(), perMille / 10);
    std::fflush(m_out);
  } while (!m_wake.wait_for(lock, kRedrawEvery, [this] { return m_stop; }));
  std::fputs("\r\033[K", m_out);
  std::fflush(m_out);
}

}  // namespace quenda::cli
