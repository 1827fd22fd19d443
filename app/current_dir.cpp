#include "app/current_dir.h"

#include <system_error>

namespace quenda {

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const auto full = std::filesystem::absolute(path, error);
  return error ? path : full.string();
}

ScopedCurrentDir::ScopedCurrentDir(const std::string& dir) {
  if (dir.empty()) return;
  std::error_code error;
  m_previous = std::filesystem::current_path(error);
  if (error) {
    m_previous.clear();
    return;
  }
  std::filesystem::current_path(dir, error);  // a failure keeps the current directory
}

ScopedCurrentDir::~ScopedCurrentDir() {
  if (m_previous.empty()) return;
  std::error_code error;
  std::filesystem::current_path(m_previous, error);
}

}  // namespace quenda
