#include "platform/code_page.h"

#include <gtest/gtest.h>

namespace quenda {
namespace {

// "表" in CP932 is 0x95 0x5C: its second byte is a backslash. "ア" (full-width katakana) is
// 0x83 0x41: its second byte is 'A'.
constexpr std::string_view kHyo = "\x95\x5C";
constexpr std::string_view kKatakanaA = "\x83\x41";

TEST(IsValidUtf8, AcceptsOnlyWellFormedText) {
  struct Case {
    std::string_view bytes;
    bool valid;
  } cases[] = {
      {"", true},
      {"plain ascii,1,2", true},
      {"\xEF\xBB\xBFwith bom", true},
      {"\xE6\x9D\xB1\xE4\xBA\xAC", true},  // 東京
      {kHyo, false},
      {"\x93\x8C\x8B\x9E", false},          // 東京 in CP932
      {"ok\xE6\x9D", false},                // cut short
      {"\xC0\xAF", false},                  // overlong
      {"\xED\xA0\x80", false},              // surrogate
      {"\xF4\x90\x80\x80", false},          // above U+10FFFF
      {std::string_view("a\0b", 3), true},  // NUL is data
      // Long enough for the sixteen-byte steps over ASCII, with the fault past the first step.
      {"0123456789abcdefghij\xE6\x9D\xB1 0123456789abcdef", true},
      {"0123456789abcdefghij\xE6\x9D\xB1 0123456789abcdef\x80", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(Mbstricmp, FoldsAsciiLettersOnly) {
  struct Case {
    std::string_view a, b;
    CodePage cp;
    int sign;
  } cases[] = {
      {"abc", "ABC", CodePage::Utf8, 0},
      {"abc", "abd", CodePage::Utf8, -1},
      {"ABD", "abc", CodePage::Utf8, 1},
      {"ab", "abc", CodePage::Utf8, -1},
      {"", "", CodePage::Utf8, 0},
      {"", "a", CodePage::Utf8, -1},
      {"\"b", "a", CodePage::Utf8, -1},       // a quote sorts before letters
      {"_", "a", CodePage::Utf8, -1},         // '_' (0x5F) below 'a' once folded
      {"Z", "_", CodePage::Utf8, 1},          // 'z' (0x7A) above '_'
      {"\xC3\xA9", "\xC3\x89", CodePage::Utf8, 1},  // é and É are not letters to fold
      {std::string_view("a\0b", 3), std::string_view("a\0c", 3), CodePage::Utf8, -1},
      // CP932: the second byte 'A' (0x41) of ア is not folded, so ア sorts before a
      // character whose second byte is 'a' (0x61); byte order, as stored.
      {kKatakanaA, "\x83\x61", CodePage::Cp932, -1},
      // ...while in UTF-8 the same bytes would be folded and compare equal.
      {kKatakanaA, "\x83\x61", CodePage::Utf8, 0},
      {"\x83\x41" "A", "\x83\x41" "a", CodePage::Cp932, 0},
      {kHyo, "\x95\x5D", CodePage::Cp932, -1},
  };
  for (const Case& c : cases) {
    const int r = _mbstricmp(c.a, c.b, c.cp);
    EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    const int back = _mbstricmp(c.b, c.a, c.cp);
    EXPECT_EQ((back > 0) - (back < 0), -c.sign) << c.b << " vs " << c.a;
  }
}

TEST(DecodeToUtf8, ConvertsCp932AndReplacesInvalidBytes) {
  EXPECT_EQ(DecodeToUtf8("\x93\x8C\x8B\x9E", CodePage::Cp932), "東京");
  EXPECT_EQ(DecodeToUtf8(kHyo, CodePage::Cp932), "表");
  EXPECT_EQ(DecodeToUtf8(std::string("a") + std::string(kKatakanaA), CodePage::Cp932), "aア");
  EXPECT_EQ(DecodeToUtf8("\xB1", CodePage::Cp932), "ｱ");  // half-width katakana
  EXPECT_EQ(DecodeToUtf8("a\x81", CodePage::Cp932), "a\xEF\xBF\xBD");  // lead byte at the end
  EXPECT_EQ(DecodeToUtf8("東京", CodePage::Utf8), "東京");
  EXPECT_EQ(DecodeToUtf8("a\xFF" "b", CodePage::Utf8), "a\xEF\xBF\xBD" "b");
}

}  // namespace
}  // namespace quenda
