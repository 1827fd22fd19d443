// Runs one document operation (load, save, sort, pick out) on a worker thread, so that the
// window keeps painting. The work reports through a Progress that the window polls; its result
// comes back on the window's thread. Cancelling sets Progress::cancel and waits for the worker,
// and the result of a cancelled operation is dropped, so the document stays as it was.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <thread>

#include "platform/progress.h"
#include "platform/status.h"

namespace quenda {

class LongOperation : public QObject {
  Q_OBJECT
 public:
  using Work = std::function<Status(Progress&)>;  // runs on the worker thread
  using Done = std::function<void(const Status&)>;  // runs on this object's thread

  explicit LongOperation(QObject* parent = nullptr);
  ~LongOperation() override;  // cancels a running operation

  // Starts `work`; false, starting nothing, while another operation runs.
  bool Start(Work work, Done done);
  bool IsRunning() const { return m_running; }
  // Stops a running operation and waits for its worker; its `done` is never called.
  void CancelAndWait();

 signals:
  void RunningChanged(bool running);
  // 0 to 1000, a few times a second while the operation runs.
  void ProgressChanged(int perMille);

 private:
  void Finish(unsigned generation, const Status& status);
  void Stop();

  std::thread m_worker;
  std::unique_ptr<Progress> m_progress;
  Done m_done;
  unsigned m_generation = 0;  // tells a late result of a cancelled run from the current one
  bool m_running = false;
  QTimer m_poll;
};

}  // namespace quenda
