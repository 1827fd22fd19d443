#include "platform/code_page.h"

#include <gtest/gtest.h>

namespace quenda {
namespace {

// "表" in CP932 is 0x95 0x5C: its second byte is a backslash. "ア" (full-width katakana) is
// 0x83 0x41: its second byte is 'A'.
constexpr std::string_view kHyo = "\x95\x5C";
constexpr std::string_view kKatakanaA = "\x83\x41";

TEST(DetectCodePage, Utf8OnlyWhenAllOfTheTextIsValid) {
  struct Case {
    std::string_view bytes;
    CodePage expected;
  } cases[] = {
      {"", CodePage::Utf8},
      {"plain ascii,1,2", CodePage::Utf8},
      {"\xEF\xBB\xBFwith bom", CodePage::Utf8},
      {"\xE6\x9D\xB1\xE4\xBA\xAC", CodePage::Utf8},  // 東京
      {kHyo, CodePage::Cp932},
      {"\x93\x8C\x8B\x9E", CodePage::Cp932},          // 東京 in CP932
      {"ok\xE6\x9D", CodePage::Cp932},                // cut short
      {"\xC0\xAF", CodePage::Cp932},                  // overlong
      {"\xED\xA0\x80", CodePage::Cp932},              // surrogate
      {"\xF4\x90\x80\x80", CodePage::Cp932},          // above U+10FFFF
      {std::string_view("a\0b", 3), CodePage::Utf8},  // NUL is data
  };
  for (const Case& c : cases) EXPECT_EQ(DetectCodePage(c.bytes), c.expected) << c.bytes;
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

TEST(EncodeFromUtf8, RoundTripsThroughCp932) {
  EXPECT_EQ(EncodeFromUtf8("表<ア>", CodePage::Cp932), std::string(kHyo) + "<" + std::string(kKatakanaA) + ">");
  EXPECT_EQ(EncodeFromUtf8("a😀b", CodePage::Cp932), "a?b");
  EXPECT_EQ(EncodeFromUtf8("東京", CodePage::Utf8), "東京");
}

}  // namespace
}  // namespace quenda
