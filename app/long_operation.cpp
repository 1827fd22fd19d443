#include "app/long_operation.h"

#include <QMetaObject>

namespace quenda {

LongOperation::LongOperation(QObject* parent) : QObject(parent) {
  m_poll.setInterval(100);
  connect(&m_poll, &QTimer::timeout, this, [this] {
    if (m_progress) emit ProgressChanged(m_progress->PerMille());
  });
}

LongOperation::~LongOperation() {
  // The owner is being destroyed too: tell it nothing more.
  blockSignals(true);
  CancelAndWait();
}

bool LongOperation::Start(Work work, Done done) {
  if (m_running) return false;
  m_progress = std::make_unique<Progress>();
  m_done = std::move(done);
  m_running = true;
  const unsigned generation = ++m_generation;
  Progress* progress = m_progress.get();
  m_worker = std::thread([this, generation, progress, work = std::move(work)] {
    const Status status = work(*progress);
    // Queued to this object: dropped by Qt if the object is gone by then.
    QMetaObject::invokeMethod(
        this, [this, generation, status] { Finish(generation, status); }, Qt::QueuedConnection);
  });
  m_poll.start();
  emit ProgressChanged(0);
  emit RunningChanged(true);
  return true;
}

void LongOperation::CancelAndWait() {
  if (!m_running) return;
  m_progress->cancel.store(true);
  ++m_generation;  // the queued result of this run no longer matches
  m_done = nullptr;
  Stop();
}

void LongOperation::Finish(unsigned generation, const Status& status) {
  if (generation != m_generation || !m_running) return;
  Done done = std::move(m_done);
  m_done = nullptr;
  Stop();
  if (done) done(status);
}

void LongOperation::Stop() {
  if (m_worker.joinable()) m_worker.join();
  m_poll.stop();
  m_progress.reset();
  m_running = false;
  emit RunningChanged(false);
}

}  // namespace quenda
