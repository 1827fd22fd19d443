// Cutting text to a byte limit without leaving half a UTF-8 character at the end.
#pragma once

#include <cstddef>
#include <string_view>

namespace quenda {

// Length of the longest prefix of at most `max_bytes` bytes that does not end inside a UTF-8
// character: "a\xC3\xA9" (a, e-acute) with 2 => 1. Text that is not UTF-8 is cut at most three
// bytes short of the limit.
constexpr std::size_t Utf8PrefixLength(std::string_view text, std::size_t max_bytes) {
  if (text.size() <= max_bytes) return text.size();
  std::size_t n = max_bytes;
  // text[n] is the first byte left out; a continuation byte there means a character is cut.
  while (n > 0 && max_bytes - n < 3 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  return n;
}

}  // namespace quenda
