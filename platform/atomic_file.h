// Writes a file so that it is replaced whole or not at all: the bytes go to a temporary file
// beside the target, which is flushed and then renamed over it. A target that is a symbolic
// link stays a link (the file it points to is replaced); a replaced file keeps its mode.
// A device or pipe (/dev/stdout, a FIFO) is written directly, as there is nothing to replace.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace quenda {

class AtomicFileWriter {
 public:
  AtomicFileWriter() = default;
  ~AtomicFileWriter();  // discards the temporary file unless Commit() succeeded
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // OpenFailed when the target cannot be written (a missing directory, no permission, a
  // read-only file, a directory in its place).
  Status Open(const std::string& path);
  // Buffered; the first failure sticks and is returned again by later calls and by Commit().
  const Status& Write(std::string_view bytes);
  Status Commit();
  bool failed() const { return !m_error.ok(); }

  // The buffer, for callers that format straight into it: Reserve(n) returns room for n bytes,
  // Advance(n) takes what was put there.
  char* Reserve(std::size_t n);
  void Advance(std::size_t n) { m_used += n; }

 private:
  const Status& Flush();
  void Discard();

  std::string m_path;    // as given, for messages
  std::string m_target;  // the file that is replaced (the link's target for a link)
  std::string m_temp;
  int m_fd = -1;
  std::unique_ptr<char[]> m_buffer;
  std::size_t m_capacity = 0;
  std::size_t m_used = 0;
  Status m_error;
};

}  // namespace quenda
