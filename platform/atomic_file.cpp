#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>

namespace quenda {

namespace {

constexpr std::size_t kBufferSize = 1 << 20;

// The file that is really replaced: the end of a chain of symbolic links, so the link stays.
std::string ResolveTarget(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved)) return resolved;
  // A dangling link: create the file it names.
  std::string target = path;
  for (int hops = 0; hops < 40; ++hops) {
    char buf[PATH_MAX];
    const ssize_t n = readlink(target.c_str(), buf, sizeof buf - 1);
    if (n < 0) break;
    std::string next(buf, n);
    if (next[0] != '/') {
      const auto slash = target.rfind('/');
      next = (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + next;
    }
    target = next;
  }
  return target;
}

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

int WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return 0;
}

}  // namespace

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

void AtomicFileWriter::Discard() {
  if (m_fd >= 0) {
    ::close(m_fd);
    m_fd = -1;
  }
  if (!m_temp.empty()) {
    ::unlink(m_temp.c_str());
    m_temp.clear();
  }
}

Status AtomicFileWriter::Open(const std::string& path) {
  Discard();
  m_path = path;
  m_error = Status::Ok();
  m_used = 0;
  if (path.empty()) return m_error = ErrnoStatus(FailureKind::OpenFailed, path, ENOENT);
  if (!m_buffer) m_buffer = std::make_unique<char[]>(kBufferSize);
  m_capacity = kBufferSize;

  // A device, a pipe or a socket (/dev/stdout, a FIFO) has nothing to replace: write to it
  // directly. Renaming over it would put a plain file where the device node was.
  struct stat given;
  if (::stat(path.c_str(), &given) == 0 && !S_ISREG(given.st_mode) && !S_ISDIR(given.st_mode)) {
    m_fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (m_fd < 0) return m_error = ErrnoStatus(FailureKind::OpenFailed, path, errno);
    return m_error;
  }
  m_target = ResolveTarget(path);

  struct stat existing;
  const bool exists = ::stat(m_target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) {
    return m_error = ErrnoStatus(FailureKind::OpenFailed, path, EISDIR);
  }
  // A file the user may not write is not replaced behind their back.
  if (exists && ::access(m_target.c_str(), W_OK) != 0) {
    return m_error = ErrnoStatus(FailureKind::OpenFailed, path, errno);
  }

  const std::string prefix = DirectoryOf(m_target) + "/." + BaseNameOf(m_target) + ".";
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string candidate = prefix + std::to_string(random() % 1000000) + ".tmp";
    // 0666 less the umask, as a newly created file would get.
    m_fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (m_fd >= 0) {
      m_temp = candidate;
      break;
    }
    if (errno != EEXIST) return m_error = ErrnoStatus(FailureKind::OpenFailed, path, errno);
  }
  if (m_fd < 0) return m_error = ErrnoStatus(FailureKind::OpenFailed, path, EEXIST);
  if (exists) {
    // Keep the replaced file's mode and, where allowed, its owner.
    (void)::fchmod(m_fd, existing.st_mode & 07777);
    (void)::fchown(m_fd, existing.st_uid, existing.st_gid);
  }
  return m_error;
}

const Status& AtomicFileWriter::Flush() {
  if (m_error.ok() && m_used > 0) {
    if (const int err = WriteAll(m_fd, m_buffer.get(), m_used)) {
      m_error = ErrnoStatus(FailureKind::WriteFailed, m_path, err);
    }
  }
  m_used = 0;  // after a failure, bytes are dropped: the temporary file is discarded anyway
  return m_error;
}

char* AtomicFileWriter::Reserve(std::size_t n) {
  if (m_used + n > m_capacity) {
    Flush();
    if (n > m_capacity) {
      auto bigger = std::make_unique<char[]>(n);
      m_buffer = std::move(bigger);
      m_capacity = n;
    }
  }
  return m_buffer.get() + m_used;
}

const Status& AtomicFileWriter::Write(std::string_view bytes) {
  if (!m_error.ok()) return m_error;
  if (m_fd < 0) return m_error = ErrnoStatus(FailureKind::WriteFailed, m_path, EBADF);
  if (bytes.size() < m_capacity - m_used) {  // the common case: room in the buffer
    std::memcpy(m_buffer.get() + m_used, bytes.data(), bytes.size());
    m_used += bytes.size();
    return m_error;
  }
  if (bytes.size() >= m_capacity) {
    // Large pieces go straight out.
    if (Flush().ok()) {
      if (const int err = WriteAll(m_fd, bytes.data(), bytes.size())) {
        m_error = ErrnoStatus(FailureKind::WriteFailed, m_path, err);
      }
    }
    return m_error;
  }
  std::memcpy(Reserve(bytes.size()), bytes.data(), bytes.size());
  m_used += bytes.size();
  return m_error;
}

Status AtomicFileWriter::Commit() {
  if (m_fd < 0 && m_error.ok()) m_error = ErrnoStatus(FailureKind::WriteFailed, m_path, EBADF);
  Flush();
  const bool replacing = !m_temp.empty();
  if (m_error.ok() && replacing && ::fdatasync(m_fd) != 0) {
    m_error = ErrnoStatus(FailureKind::WriteFailed, m_path, errno);
  }
  if (m_fd >= 0 && ::close(m_fd) != 0 && m_error.ok()) {
    m_error = ErrnoStatus(FailureKind::WriteFailed, m_path, errno);
  }
  m_fd = -1;
  if (m_error.ok() && replacing && ::rename(m_temp.c_str(), m_target.c_str()) != 0) {
    m_error = ErrnoStatus(FailureKind::WriteFailed, m_path, errno);
  }
  if (m_error.ok()) m_temp.clear();  // it is the target now
  Discard();
  return m_error;
}

}  // namespace quenda
