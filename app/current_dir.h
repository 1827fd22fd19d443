// Makes a remembered directory current while a file dialog is shown, and puts the previous
// one back afterwards, whatever the dialog's outcome. An empty directory changes nothing, so
// the dialog starts, and the program stays, wherever the current directory already is.
#pragma once

#include <filesystem>
#include <string>

namespace quenda {

// `path` made absolute against the current directory, or as given when that fails.
std::string AbsolutePath(const std::string& path);

class ScopedCurrentDir {
 public:
  // A directory that cannot be entered leaves the current directory as it is.
  explicit ScopedCurrentDir(const std::string& dir);
  ~ScopedCurrentDir();
  ScopedCurrentDir(const ScopedCurrentDir&) = delete;
  ScopedCurrentDir& operator=(const ScopedCurrentDir&) = delete;

 private:
  std::filesystem::path m_previous;  // empty when nothing is to be restored
};

}  // namespace quenda
