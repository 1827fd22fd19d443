// The most recently used files, newest first, at most four. They are kept in the profile as
// "File1" to "File4" of section "Recent File List" and written back whenever they change.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace quenda {

class Profile;

class RecentFileList {
 public:
  static constexpr int kMaxFiles = 4;

  // Reads the list; nothing is written until it changes.
  explicit RecentFileList(Profile& profile);

  const std::vector<std::string>& files() const { return m_files; }

  // Puts `path` first, dropping an earlier entry of it and the oldest beyond four.
  void Add(const std::string& path);
  void Remove(const std::string& path);

 private:
  void Write() const;

  Profile& m_profile;
  std::vector<std::string> m_files;
};

// `path` shortened to `maxChars` characters by replacing leading folders with "...", keeping
// at least the file name.
// "/home/user/projects/data/sample-file.csv", 30 => "/.../data/sample-file.csv"
QString AbbreviatePath(const QString& path, int maxChars);

// The menu text of entry `index` (from 0): "&1 /data/sales.csv", ampersands doubled.
QString RecentFileMenuText(int index, const std::string& path);

}  // namespace quenda
