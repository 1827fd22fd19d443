// The outcome of a document operation: success, or what failed, on which file and why.
// The batch tool prints Message(); the window picks its own wording from kind().
#pragma once

#include <string>
#include <utility>

namespace quenda {

enum class FailureKind {
  None,
  OpenFailed,   // the file could not be opened or created
  ReadFailed,   // reading stopped with an error after the file was opened
  WriteFailed,  // writing, flushing or replacing the target failed
  Cancelled,    // the user (or the window closing) stopped the operation
};

class Status {
 public:
  Status() = default;
  static Status Ok() { return {}; }
  static Status Failure(FailureKind kind, std::string path, std::string reason) {
    Status s;
    s.m_kind = kind;
    s.m_path = std::move(path);
    s.m_reason = std::move(reason);
    return s;
  }
  static Status Cancelled() { return Failure(FailureKind::Cancelled, {}, "cancelled"); }

  bool ok() const { return m_kind == FailureKind::None; }
  FailureKind kind() const { return m_kind; }
  const std::string& path() const { return m_path; }
  const std::string& reason() const { return m_reason; }
  // "data.csv: No such file or directory"
  std::string Message() const { return m_path.empty() ? m_reason : m_path + ": " + m_reason; }

 private:
  FailureKind m_kind = FailureKind::None;
  std::string m_path;
  std::string m_reason;
};

// Status of a failed system call, with errno's text as the reason.
Status ErrnoStatus(FailureKind kind, const std::string& path, int err);

}  // namespace quenda
