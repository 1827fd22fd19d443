#include "app/recent_file_list.h"

#include <QStringList>
#include <algorithm>

#include "platform/profile.h"

namespace quenda {
namespace {

constexpr const char* kSection = "Recent File List";

std::string KeyOf(int index) { return "File" + std::to_string(index + 1); }

}  // namespace

RecentFileList::RecentFileList(Profile& profile) : m_profile(profile) {
  for (int i = 0; i < kMaxFiles; ++i) {
    std::string path = m_profile.GetProfileString(kSection, KeyOf(i), "");
    if (!path.empty()) m_files.push_back(std::move(path));
  }
}

void RecentFileList::Add(const std::string& path) {
  std::erase(m_files, path);
  m_files.insert(m_files.begin(), path);
  if (m_files.size() > kMaxFiles) m_files.resize(kMaxFiles);
  Write();
}

void RecentFileList::Remove(const std::string& path) {
  if (std::erase(m_files, path) > 0) Write();
}

void RecentFileList::Write() const {
  // An emptied entry is written as an empty value, which reads as no entry.
  for (int i = 0; i < kMaxFiles; ++i)
    m_profile.WriteProfileString(kSection, KeyOf(i),
                                 i < static_cast<int>(m_files.size()) ? m_files[i] : "");
}

QString AbbreviatePath(const QString& path, int maxChars) {
  if (path.size() <= maxChars) return path;
  const qsizetype slash = path.lastIndexOf(u'/');
  const QString name = path.mid(slash + 1);
  const QString root = path.startsWith(u'/') ? QStringLiteral("/") : QString();
  const QString ellipsis = QStringLiteral("...");
  QStringList folders = path.mid(root.size(), slash < 0 ? 0 : slash - root.size())
                            .split(u'/', Qt::SkipEmptyParts);
  // Drop folders from the left until the rest fits behind "root/...".
  while (!folders.isEmpty()) {
    folders.removeFirst();
    QString candidate = root + ellipsis + u'/';
    for (const QString& folder : folders) candidate += folder + u'/';
    candidate += name;
    if (candidate.size() <= maxChars) return candidate;
  }
  return name;
}

QString RecentFileMenuText(int index, const std::string& path) {
  constexpr int kMaxShownChars = 30;
  QString shown = AbbreviatePath(QString::fromStdString(path), kMaxShownChars);
  shown.replace(u'&', QStringLiteral("&&"));
  return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

}  // namespace quenda
