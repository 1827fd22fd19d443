#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <thread>

#include "tests/common/temp_dir.h"

namespace quenda {
namespace {

using test_files::ReadBytes;
using test_files::TempDir;
using test_files::WriteBytes;

Status WriteWhole(const std::string& path, std::string_view bytes) {
  AtomicFileWriter writer;
  if (Status s = writer.Open(path); !s.ok()) return s;
  writer.Write(bytes);
  return writer.Commit();
}

std::size_t EntriesIn(const std::filesystem::path& dir) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

TEST(AtomicFileWriter, CreatesAndReplaces) {
  TempDir dir;
  const std::string path = dir.File("out.txt");
  ASSERT_TRUE(WriteWhole(path, "first").ok());
  EXPECT_EQ(ReadBytes(path), "first");
  ASSERT_TRUE(WriteWhole(path, "second, longer").ok());
  EXPECT_EQ(ReadBytes(path), "second, longer");
  EXPECT_EQ(EntriesIn(dir.path()), 1u) << "no temporary file is left behind";
}

TEST(AtomicFileWriter, WritesPiecesLargerThanItsBuffer) {
  TempDir dir;
  const std::string big(3u << 20, 'x');
  AtomicFileWriter writer;
  ASSERT_TRUE(writer.Open(dir.File("big")).ok());
  writer.Write("<");
  writer.Write(big);
  char* room = writer.Reserve(big.size());
  std::fill(room, room + big.size(), 'y');
  writer.Advance(big.size());
  writer.Write(">");
  ASSERT_TRUE(writer.Commit().ok());
  EXPECT_EQ(ReadBytes(dir.File("big")), "<" + big + std::string(big.size(), 'y') + ">");
}

TEST(AtomicFileWriter, UncommittedWriteLeavesTheOldFile) {
  TempDir dir;
  const std::string path = dir.File("keep.txt");
  WriteBytes(path, "old");
  {
    AtomicFileWriter writer;
    ASSERT_TRUE(writer.Open(path).ok());
    writer.Write("new");
  }
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(AtomicFileWriter, OpenFailuresNameTheReason) {
  TempDir dir;
  struct Case {
    std::string path;
    const char* reason;
  } cases[] = {
      {dir.File("missing/out.txt"), "No such file or directory"},
      {dir.path().string(), "Is a directory"},
      {"", "No such file or directory"},
  };
  for (const Case& c : cases) {
    AtomicFileWriter writer;
    const Status s = writer.Open(c.path);
    EXPECT_EQ(s.kind(), FailureKind::OpenFailed) << c.path;
    EXPECT_EQ(s.reason(), c.reason) << c.path;
    EXPECT_EQ(s.path(), c.path);
  }
}

TEST(AtomicFileWriter, ReplacingKeepsModeAndSymbolicLinks) {
  TempDir dir;
  const std::string real = dir.File("real.csv");
  const std::string link = dir.File("link.csv");
  WriteBytes(real, "old");
  ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
  std::filesystem::create_symlink("real.csv", link);

  ASSERT_TRUE(WriteWhole(link, "new").ok());
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(real), "new");
  struct stat st;
  ASSERT_EQ(::stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Lowers this process's file-size limit for one test, so that writes fail with EFBIG.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = m_saved;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_handler);
  }

 private:
  rlimit m_saved;
  void (*m_handler)(int);
};

TEST(AtomicFileWriter, WriteFailureIsReportedAndTheOldFileStays) {
  TempDir dir;
  const std::string path = dir.File("out.txt");
  WriteBytes(path, "old");
  Status committed;
  {
    FileSizeLimit limit(64 * 1024);
    AtomicFileWriter writer;
    ASSERT_TRUE(writer.Open(path).ok());
    // Far more than the buffer holds, in small pieces and through Reserve, after the failure.
    for (int i = 0; i < 200000; ++i) {
      writer.Write("0123456789");
      char* room = writer.Reserve(10);
      std::fill(room, room + 10, 'r');
      writer.Advance(10);
    }
    EXPECT_TRUE(writer.failed());
    committed = writer.Commit();
  }
  EXPECT_EQ(committed.kind(), FailureKind::WriteFailed);
  EXPECT_EQ(committed.reason(), "File too large");
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(AtomicFileWriter, ReadOnlyFileIsNotReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
  TempDir dir;
  const std::string path = dir.File("ro.txt");
  WriteBytes(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  AtomicFileWriter writer;
  EXPECT_EQ(writer.Open(path).kind(), FailureKind::OpenFailed);
  EXPECT_EQ(ReadBytes(path), "old");
}

}  // namespace
}  // namespace quenda

namespace quenda {
namespace {

TEST(AtomicFileWriter, DevicesAndPipesAreWrittenNotReplaced) {
  // Replacing /dev/null by rename would leave a plain file in its place.
  ASSERT_TRUE(WriteWhole("/dev/null", "discarded").ok());
  struct stat st;
  ASSERT_EQ(::stat("/dev/null", &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));

  TempDir dir;
  const std::string fifo = dir.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = ReadBytes(fifo); });
  EXPECT_TRUE(WriteWhole(fifo, "through the pipe").ok());
  reader.join();
  EXPECT_EQ(received, "through the pipe");
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

}  // namespace
}  // namespace quenda
