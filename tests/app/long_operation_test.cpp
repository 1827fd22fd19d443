// Loads and saves on a worker thread: results on the window's thread, commands held off
// meanwhile, and a cancel that leaves everything as it was.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QProgressBar>
#include <QSignalSpy>
#include <atomic>
#include <thread>

#include "app/long_operation.h"
#include "tests/app/window_fixture.h"

namespace quenda {
namespace {

TEST(LongOperation, RunsTheWorkAsideAndReportsOnThisThread) {
  LongOperation operation;
  QSignalSpy running(&operation, &LongOperation::RunningChanged);
  std::thread::id workThread;
  std::thread::id doneThread;
  Status result = Status::Cancelled();
  ASSERT_TRUE(operation.Start(
      [&](Progress& progress) {
        workThread = std::this_thread::get_id();
        progress.Set(1, 2);
        return Status::Failure(FailureKind::WriteFailed, "out.csv", "No space left on device");
      },
      [&](const Status& status) {
        doneThread = std::this_thread::get_id();
        result = status;
      }));
  EXPECT_TRUE(operation.IsRunning());
  EXPECT_FALSE(operation.Start([](Progress&) { return Status::Ok(); }, nullptr));  // one at a time
  ASSERT_TRUE(QTest::qWaitFor([&] { return !operation.IsRunning(); }, 5000));

  EXPECT_NE(workThread, std::this_thread::get_id());
  EXPECT_EQ(doneThread, std::this_thread::get_id());
  EXPECT_EQ(result.kind(), FailureKind::WriteFailed);
  EXPECT_EQ(result.reason(), "No space left on device");
  ASSERT_EQ(running.count(), 2);
  EXPECT_TRUE(running[0][0].toBool());
  EXPECT_FALSE(running[1][0].toBool());
}

TEST(LongOperation, CancelStopsTheWorkAndDropsItsResult) {
  LongOperation operation;
  bool doneCalled = false;
  std::atomic<bool> sawCancel = false;
  operation.Start(
      [&](Progress& progress) {
        while (!IsCancelled(&progress)) std::this_thread::yield();
        sawCancel = true;
        return Status::Cancelled();
      },
      [&](const Status&) { doneCalled = true; });
  operation.CancelAndWait();
  EXPECT_TRUE(sawCancel);
  EXPECT_FALSE(operation.IsRunning());
  QApplication::processEvents();  // a queued result, if any, is delivered now
  EXPECT_FALSE(doneCalled);
}

// A named pipe that feeds CSV lines until the reader goes away, or until Finish(): a load
// that lasts as long as the test wants.
class EndlessFile {
 public:
  explicit EndlessFile(std::string path) : m_path(std::move(path)) {
    EXPECT_EQ(mkfifo(m_path.c_str(), 0600), 0);
    signal(SIGPIPE, SIG_IGN);
    m_writer = std::thread([this] {
      const int fd = open(m_path.c_str(), O_WRONLY);
      const std::string line = "new,line\n";
      // At least one line, however soon Finish() comes.
      do {
        if (write(fd, line.data(), line.size()) <= 0) break;
        std::this_thread::yield();
      } while (!m_finish);
      close(fd);
    });
  }
  ~EndlessFile() {
    Finish();
    m_writer.join();
  }
  const std::string& path() const { return m_path; }
  void Finish() { m_finish = true; }

 private:
  std::string m_path;
  std::atomic<bool> m_finish = false;
  std::thread m_writer;
};

class LongLoadTest : public WindowTest {
 protected:
  void SetUp() override {
    Start();
    Load(Fixture("old.csv", "old,line\n"));
  }
};

TEST_F(LongLoadTest, CommandsWaitAndTheWindowPaintsWhileALoadRuns) {
  EndlessFile file(dir.File("endless.csv"));
  frame->commands().OpenFile(file.path());
  ASSERT_TRUE(frame->operation().IsRunning());
  for (const char* name : {"actionOpen", "actionSaveAs", "actionSort", "actionPickOut"})
    EXPECT_FALSE(Action(name)->isEnabled()) << name;
  EXPECT_TRUE(Action("actionFont")->isEnabled());
  EXPECT_FALSE(frame->findChild<QProgressBar*>("progressBar")->isHidden());

  // The event loop runs: the view repaints the lines it had.
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
  frame->view().viewport()->repaint();
  EXPECT_TRUE(frame->operation().IsRunning());
  EXPECT_EQ(Lines(), std::vector<std::string>{"old\tline"});

  file.Finish();
  ASSERT_TRUE(WaitIdle());
  ASSERT_FALSE(Lines().empty());
  EXPECT_EQ(Lines().front(), "new\tline");
  EXPECT_EQ(Lines().back(), "new\tline");
  for (const char* name : {"actionOpen", "actionSaveAs", "actionSort", "actionPickOut"})
    EXPECT_TRUE(Action(name)->isEnabled()) << name;
  EXPECT_TRUE(frame->findChild<QProgressBar*>("progressBar")->isHidden());
}

TEST_F(LongLoadTest, ClosingTheWindowCancelsALoad) {
  EndlessFile file(dir.File("endless.csv"));
  frame->commands().OpenFile(file.path());
  ASSERT_TRUE(frame->operation().IsRunning());
  QTest::qWait(50);  // let the worker read for a while
  EXPECT_TRUE(frame->close());
  EXPECT_FALSE(frame->operation().IsRunning());
  QApplication::processEvents();
  EXPECT_EQ(Lines(), std::vector<std::string>{"old\tline"});
}

}  // namespace
}  // namespace quenda
