#include "doc/loader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include "doc/csv_line.h"
#include "doc/file_names.h"

namespace quenda {

namespace {

constexpr std::size_t kReadPiece = std::size_t(8) << 20;
// Below this a second thread costs more than it saves.
constexpr std::size_t kParallelFrom = std::size_t(4) << 20;

// A run of whole lines of the block, parsed by one thread into its own slice of the views.
struct Span {
  char* begin;
  char* end;
  std::size_t firstLine = 0;
  std::size_t lineCount = 0;
  bool utf8 = true;
};

std::size_t CountLines(const char* begin, const char* end) {
  std::size_t lines = 0;
  for (const char* p = begin; p < end; ++lines) {
    const auto* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    p = lf ? lf + 1 : end;
  }
  return lines;
}

// Cuts the span at LF (dropping a CR before it), converts CSV lines in place and stores views.
void ParseSpan(Span& span, bool csv, std::string_view* out) {
  span.utf8 = IsValidUtf8({span.begin, static_cast<std::size_t>(span.end - span.begin)});
  char* p = span.begin;
  while (p < span.end) {
    auto* lf = static_cast<char*>(std::memchr(p, '\n', static_cast<std::size_t>(span.end - p)));
    char* contentEnd = lf ? lf : span.end;
    if (lf && contentEnd > p && contentEnd[-1] == '\r') --contentEnd;
    const auto size = static_cast<std::size_t>(contentEnd - p);
    if (csv) ConvertCsvLine(p, size);
    *out++ = std::string_view(p, size);
    p = lf ? lf + 1 : span.end;
  }
}

// Splits the block at the line end nearest its middle, so each half holds whole lines.
std::vector<Span> SplitIntoSpans(char* block, std::size_t size) {
  char* end = block + size;
  if (size < kParallelFrom) return {Span{block, end}};
  auto* mid = static_cast<char*>(std::memchr(block + size / 2, '\n', size - size / 2));
  if (!mid || mid + 1 == end) return {Span{block, end}};
  return {Span{block, mid + 1}, Span{mid + 1, end}};
}

template <typename Work>
void ForEachSpan(std::vector<Span>& spans, Work work) {
  if (spans.size() == 1) {
    work(spans[0]);
    return;
  }
  std::thread helper([&] { work(spans[1]); });
  work(spans[0]);
  helper.join();
}

}  // namespace

LoadedFile ParseLines(ByteBlock block, std::size_t size, LoadFormat format,
                      Progress* progress) {
  std::vector<Span> spans = SplitIntoSpans(block.get(), size);
  ForEachSpan(spans, [](Span& s) { s.lineCount = CountLines(s.begin, s.end); });
  std::size_t total = 0;
  for (Span& s : spans) {
    s.firstLine = total;
    total += s.lineCount;
  }
  std::vector<std::string_view> lines(total);
  const bool csv = format == LoadFormat::Csv;
  ForEachSpan(spans, [&](Span& s) { ParseSpan(s, csv, lines.data() + s.firstLine); });
  Report(progress, size, size);

  LoadedFile loaded;
  const bool utf8 = std::all_of(spans.begin(), spans.end(), [](const Span& s) { return s.utf8; });
  loaded.codePage = utf8 ? CodePage::Utf8 : CodePage::Cp932;
  loaded.lines = CExStringList::Adopt(std::move(block), size, std::move(lines));
  return loaded;
}

namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return m_fd; }

 private:
  int m_fd;
};

}  // namespace

Status ReadLinesFile(const std::string& path, LoadedFile& out, Progress* progress) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return ErrnoStatus(FailureKind::OpenFailed, path, errno);
  struct stat st;
  if (::fstat(fd.get(), &st) != 0) return ErrnoStatus(FailureKind::OpenFailed, path, errno);
  if (S_ISDIR(st.st_mode)) return ErrnoStatus(FailureKind::OpenFailed, path, EISDIR);
  (void)::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);

  // One block the size of the file; grown only if the file grows while it is read (or is a
  // pipe, whose size is not known).
  std::size_t capacity = S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) : 0;
  ByteBlock block = AllocateByteBlock(capacity);
  std::size_t size = 0;
  for (;;) {
    if (IsCancelled(progress)) return Status::Cancelled();
    // When the block is full, a small read tells the end of the file from a file that grew.
    char probe[4096];
    const bool full = size == capacity;
    char* into = full ? probe : block.get() + size;
    const ssize_t n = ::read(fd.get(), into, full ? sizeof probe : std::min(kReadPiece, capacity - size));
    if (n < 0) {
      if (errno == EINTR) continue;
      return ErrnoStatus(FailureKind::ReadFailed, path, errno);
    }
    if (n == 0) break;
    if (full) {
      capacity = std::max<std::size_t>(capacity * 2, kReadPiece);
      ByteBlock bigger = AllocateByteBlock(capacity);
      std::memcpy(bigger.get(), block.get(), size);
      std::memcpy(bigger.get() + size, probe, static_cast<std::size_t>(n));
      block = std::move(bigger);
    }
    size += static_cast<std::size_t>(n);
    Report(progress, size, std::max(size, static_cast<std::size_t>(st.st_size)));
  }
  out = ParseLines(std::move(block), size, IsTsvPath(path) ? LoadFormat::Tsv : LoadFormat::Csv,
                   progress);
  return Status::Ok();
}

}  // namespace quenda
