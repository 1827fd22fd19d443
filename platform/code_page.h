// Code pages of document text: detection, the CP932 lead-byte test, the case-insensitive
// comparison used for sorting, and decoding for display. Bytes are never changed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quenda {

enum class CodePage { Utf8, Cp932 };

// "UTF-8" or "CP932".
const char* CodePageName(CodePage cp);

// First byte of a double-byte CP932 character: 0x81-0x9F or 0xE0-0xFC.
constexpr bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The byte-order mark that may open a UTF-8 file; it stays in the bytes but is not shown.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// A file is UTF-8 when all of it is valid UTF-8 (a byte-order mark included), else CP932.
bool IsValidUtf8(std::string_view bytes);

// The character at text[i] and its length in bytes; a byte that does not start a valid
// sequence is one character of its own, U+FFFD, as display shows it.
char32_t Utf8CharAt(std::string_view text, std::size_t i, std::size_t& length);


// Byte-wise comparison with ASCII letters folded to lower case. In CP932 the second byte of a
// double-byte character is compared as it stands (it may be 'A'-'Z'). Negative, 0 or positive.
// "ABC" vs "abd" => negative; in CP932 "\x82\x41" vs "\x82\x61" => negative (not folded).
int _mbstricmp(std::string_view a, std::string_view b, CodePage cp);

// Text as UTF-8 for display; invalid sequences become U+FFFD. A UTF-8 byte-order mark is kept
// (the caller decides whether to show it).
std::string DecodeToUtf8(std::string_view bytes, CodePage cp);

}  // namespace quenda
