#include "platform/ini_text.h"

#include <cstddef>

#include "platform/code_page.h"

namespace quenda {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view TrimLeft(std::string_view s) {
  const auto first = s.find_first_not_of(kBlanks);
  return first == std::string_view::npos ? std::string_view() : s.substr(first);
}

std::string_view Trim(std::string_view s) {
  s = TrimLeft(s);
  return s.substr(0, s.find_last_not_of(kBlanks) + 1);  // npos + 1 == 0 for an empty view
}

bool SameName(std::string_view a, std::string_view b) {
  return _mbstricmp(a, b, CodePage::Utf8) == 0;
}

bool HoldsLineBreak(std::string_view s) {
  return s.find_first_of("\r\n") != std::string_view::npos;
}

// One line: [begin, contentEnd) is its text, [contentEnd, end) its line end (empty for a last
// line without one).
struct Line {
  std::size_t begin;
  std::size_t contentEnd;
  std::size_t end;
};

Line LineAt(std::string_view text, std::size_t begin) {
  const auto stop = text.find_first_of("\r\n", begin);
  if (stop == std::string_view::npos) return {begin, text.size(), text.size()};
  const bool crlf = text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n';
  return {begin, stop, stop + (crlf ? 2 : 1)};
}

// What a search for one key found.
struct Location {
  bool sectionFound = false;
  std::size_t insertAt = 0;  // end of the section's last entry line, or of its header line
  bool keyFound = false;
  std::size_t valueBegin = 0;  // just after the key's '='
  std::size_t valueEnd = 0;
};

Location Locate(std::string_view text, std::string_view section, std::string_view key) {
  section = Trim(section);
  key = Trim(key);
  Location loc;
  bool inSection = false;
  std::size_t pos = text.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
  while (pos < text.size()) {
    const Line line = LineAt(text, pos);
    pos = line.end;
    const std::string_view content = text.substr(line.begin, line.contentEnd - line.begin);
    const std::string_view body = TrimLeft(content);
    if (body.starts_with('[')) {
      if (loc.sectionFound) break;  // the first section of the name has ended
      inSection = SameName(Trim(body.substr(1, body.find(']') - 1)), section);
      if (inSection) {
        loc.sectionFound = true;
        loc.insertAt = line.end;
      }
      continue;
    }
    if (!inSection || body.starts_with(';')) continue;
    const auto eq = content.find('=');
    if (eq == std::string_view::npos) continue;
    loc.insertAt = line.end;
    if (SameName(Trim(content.substr(0, eq)), key)) {
      loc.keyFound = true;
      loc.valueBegin = line.begin + eq + 1;
      loc.valueEnd = line.contentEnd;
      break;
    }
  }
  return loc;
}

// The line end that added lines use: the one that ends the text's first line.
std::string_view LineEndStyle(std::string_view text) {
  const auto stop = text.find_first_of("\r\n");
  if (stop == std::string_view::npos || text[stop] == '\n') return "\n";
  return text.substr(stop, 1 + (stop + 1 < text.size() && text[stop + 1] == '\n'));
}

}  // namespace

std::optional<std::string_view> FindIniValue(std::string_view text, std::string_view section,
                                             std::string_view key) {
  const Location loc = Locate(text, section, key);
  if (!loc.keyFound) return std::nullopt;
  std::string_view value = Trim(text.substr(loc.valueBegin, loc.valueEnd - loc.valueBegin));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

bool IsStorableIniEntry(std::string_view section, std::string_view key, std::string_view value) {
  if (HoldsLineBreak(section) || HoldsLineBreak(key) || HoldsLineBreak(value)) return false;
  section = Trim(section);
  key = Trim(key);
  return !section.empty() && section.find(']') == std::string_view::npos && !key.empty() &&
         key.find('=') == std::string_view::npos && key.front() != '[' && key.front() != ';';
}

std::optional<std::string> SetIniValue(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value) {
  if (!IsStorableIniEntry(section, key, value)) return std::nullopt;
  const Location loc = Locate(text, section, key);
  std::string out;
  if (loc.keyFound) {
    const std::string_view old = text.substr(loc.valueBegin, loc.valueEnd - loc.valueBegin);
    const std::size_t from = loc.valueBegin + (old.size() - TrimLeft(old).size());
    out.append(text.substr(0, from)).append(value).append(text.substr(loc.valueEnd));
    return out;
  }
  const std::string_view eol = LineEndStyle(text);
  const std::size_t at = loc.sectionFound ? loc.insertAt : text.size();
  out.append(text.substr(0, at));
  if (!out.empty() && out.back() != '\n' && out.back() != '\r') out.append(eol);
  if (!loc.sectionFound) out.append("[").append(Trim(section)).append("]").append(eol);
  out.append(Trim(key)).append("=").append(value).append(eol);
  out.append(text.substr(at));
  return out;
}

}  // namespace quenda
