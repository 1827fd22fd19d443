#include "doc/file_names.h"

namespace quenda {

namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::optional<std::string> GetFileExtension(std::string_view path, CodePage cp) {
  std::size_t filePart = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (cp == CodePage::Cp932 && IsLeadByte(static_cast<unsigned char>(path[i]))) {
      ++i;  // its second byte may be 0x5C and is no separator
    } else if (path[i] == '\\' || path[i] == '/') {
      filePart = i + 1;
    }
  }
  const std::string_view name = path.substr(filePart);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || name.front() == '.') return std::nullopt;
  std::string extension(name.substr(dot + 1));
  for (std::size_t i = 0; i < extension.size(); ++i) {
    if (cp == CodePage::Cp932 && IsLeadByte(static_cast<unsigned char>(extension[i]))) {
      ++i;  // a second byte is not a letter to upper-case
    } else {
      extension[i] = UpperAscii(extension[i]);
    }
  }
  return extension;
}

bool IsTsvPath(std::string_view path) {
  constexpr std::string_view kTsv = ".TSV";
  if (path.size() < kTsv.size()) return false;
  const std::string_view end = path.substr(path.size() - kTsv.size());
  for (std::size_t i = 0; i < kTsv.size(); ++i) {
    if (UpperAscii(end[i]) != kTsv[i]) return false;
  }
  return true;
}

bool IsCsvSavePath(std::string_view path) {
  const auto extension = GetFileExtension(path);
  return extension && extension->find("CSV") != std::string::npos;
}

}  // namespace quenda
