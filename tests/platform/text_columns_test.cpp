#include "platform/text_columns.h"

#include <gtest/gtest.h>

namespace quenda {
namespace {

TEST(ClipCellBytes, NeverSplitsACharacter) {
  struct Case {
    std::string_view text;
    int columns;
    CodePage cp;
    std::size_t expected;
  } cases[] = {
      {"abcdefghijklmnop", 12, CodePage::Cp932, 12},
      {"abc", 12, CodePage::Cp932, 3},
      {"abc", 0, CodePage::Cp932, 0},
      {"abc", -3, CodePage::Cp932, 0},
      // CP932: 表 is 0x95 0x5C. A lead byte at the last counted byte drops one byte.
      {"ab\x95\x5C", 3, CodePage::Cp932, 2},
      {"ab\x95\x5C", 4, CodePage::Cp932, 4},
      {"a\x95\x5C" "b", 3, CodePage::Cp932, 3},
      // 0x5C as a second byte is not a lead byte: "表表" at 3 keeps the first whole.
      {"\x95\x5C\x95\x5C", 3, CodePage::Cp932, 2},
      // ア is 0x83 0x41; its second byte 'A' is not mistaken for a character of its own.
      {"\x83\x41\x83\x41\x83\x41", 5, CodePage::Cp932, 4},
      {"\xB1\xB2\xB3", 2, CodePage::Cp932, 2},  // half-width katakana: one byte each
      // UTF-8: wide characters take two columns, others one.
      {"東京都", 4, CodePage::Utf8, 6},
      {"東京都", 5, CodePage::Utf8, 6},
      {"東京都", 6, CodePage::Utf8, 9},
      {"aé東", 3, CodePage::Utf8, 3},
      {"aé東", 4, CodePage::Utf8, 6},
      {"ｱｲｳ", 2, CodePage::Utf8, 6},  // half-width katakana: one column each
      {"a\xFF" "b", 2, CodePage::Utf8, 2},
      // An overlong form is two invalid bytes, each shown as U+FFFD in one column.
      {"\xC0\xAF" "x", 2, CodePage::Utf8, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClipCellBytes(c.text, c.columns, c.cp), c.expected) << c.text << " at " << c.columns;
  }
}

TEST(CodePointColumns, WideAndFullWidthAreTwo) {
  EXPECT_EQ(CodePointColumns(U'a'), 1);
  EXPECT_EQ(CodePointColumns(U'é'), 1);
  EXPECT_EQ(CodePointColumns(U'東'), 2);
  EXPECT_EQ(CodePointColumns(U'あ'), 2);
  EXPECT_EQ(CodePointColumns(U'Ａ'), 2);  // full-width A
  EXPECT_EQ(CodePointColumns(U'ｱ'), 1);  // half-width katakana
  EXPECT_EQ(CodePointColumns(U'한'), 2);
  EXPECT_EQ(CodePointColumns(U'\u3000'), 2);  // ideographic space
}

}  // namespace
}  // namespace quenda
