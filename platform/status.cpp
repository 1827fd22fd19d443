#include "platform/status.h"

#include <cstring>

namespace quenda {

Status ErrnoStatus(FailureKind kind, const std::string& path, int err) {
  return Status::Failure(kind, path, std::strerror(err));
}

}  // namespace quenda
