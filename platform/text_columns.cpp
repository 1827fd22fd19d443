#include "platform/text_columns.h"

namespace quenda {

int CodePointColumns(char32_t c) {
  // East Asian Wide and Fullwidth blocks.
  struct Range {
    char32_t first, last;
  };
  static constexpr Range kWide[] = {
      {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x2E80, 0x303E},
      {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},
      {0xA960, 0xA97F},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE10, 0xFE19},
      {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F},
      {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
  };
  for (const Range& r : kWide) {
    if (c < r.first) return 1;
    if (c <= r.last) return 2;
  }
  return 1;
}

std::size_t ClipCellBytes(std::string_view text, int columns, CodePage cp) {
  if (columns <= 0) return 0;
  const auto limit = static_cast<std::size_t>(columns);
  if (cp == CodePage::Cp932) {
    std::size_t count = text.size() < limit ? text.size() : limit;
    for (std::size_t i = 0; i < count;) {
      if (IsLeadByte(static_cast<unsigned char>(text[i]))) {
        if (i + 1 == count) return count - 1;  // the character would be cut in half
        i += 2;
      } else {
        ++i;
      }
    }
    return count;
  }
  std::size_t used = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t length = 0;
    const int width = CodePointColumns(Utf8CharAt(text, i, length));
    if (used + width > limit) break;
    used += width;
    i += length;
  }
  return i;
}

}  // namespace quenda
