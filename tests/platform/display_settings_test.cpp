#include "platform/display_settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/profile.h"
#include "tests/common/temp_dir.h"

namespace quenda {
namespace {

using test_files::ReadBytes;
using test_files::TempDir;

// The fourteen numbers in stored order, then the face: the whole result in one comparison.
std::string Describe(const LOGFONT& f, std::int32_t color) {
  std::string out;
  for (const std::int32_t n :
       {f.lfHeight, f.lfWidth, f.lfEscapement, f.lfOrientation, f.lfWeight, int(f.lfItalic),
        int(f.lfUnderline), int(f.lfStrikeOut), int(f.lfCharSet), int(f.lfOutPrecision),
        int(f.lfClipPrecision), int(f.lfQuality), int(f.lfPitchAndFamily), color}) {
    out += std::to_string(n) + ' ';
  }
  // The whole face field, so that bytes after the terminator show up too.
  out += '"' + std::string(f.lfFaceName, sizeof f.lfFaceName) + '"';
  return out;
}

std::string Face(const std::string& name) {
  std::string field = name;
  field.resize(sizeof LOGFONT{}.lfFaceName, '\0');
  return '"' + field + '"';
}

class DisplaySettingsTest : public ::testing::Test {
 protected:
  // The font as GetProfileFont reads it from section "Font", prefix "Disp".
  std::string ReadFont() {
    LOGFONT font;
    font.lfFaceName[31] = 'J';  // junk that the read must clear
    std::int32_t color = 12345;
    EXPECT_EQ(CFontSetting().GetProfileFont(m_profile, "Font", "Disp", font, color), 1);
    return Describe(font, color);
  }

  TempDir m_dir;
  Profile m_profile{m_dir.File("quenda.ini")};
};

TEST_F(DisplaySettingsTest, WithoutAProfileTheFontIsTheDefault) {
  EXPECT_EQ(ReadFont(), "-13 0 0 0 400 0 0 0 128 1 2 1 1 0 " + Face("FixedSys"));
}

TEST_F(DisplaySettingsTest, FontStringsAreReadLeniently) {
  struct Case {
    const char* name;
    const char* stored;
    std::string want;  // without the face
  };
  const Case cases[] = {
      {"every field", "-24 7 -900 3600 700 1 1 1 0 3 2 4 49 255",
       "-24 7 -900 3600 700 1 1 1 0 3 2 4 49 255 "},
      {"byte fields keep their low 8 bits", "-13 0 0 0 400 257 -1 0 384 1 2 1 1 0",
       "-13 0 0 0 400 1 255 0 128 1 2 1 1 0 "},
      {"numbers after the fourteenth are ignored", "-13 0 0 0 400 0 0 0 128 1 2 1 1 16777215 9 8",
       "-13 0 0 0 400 0 0 0 128 1 2 1 1 16777215 "},
      {"other blanks between numbers", "\t-20  0 0 0\t700 0 0 0 128 1 2 1 1 7",
       "-20 0 0 0 700 0 0 0 128 1 2 1 1 7 "},
      {"fewer numbers: the rest keep the defaults", "-20 3 0 0 700",
       "-20 3 0 0 700 0 0 0 128 1 2 1 1 0 "},
      {"reading stops at the first non-number", "-20 3 x 7 100",
       "-20 3 0 0 400 0 0 0 128 1 2 1 1 0 "},
      {"a number followed by letters ends the numbers", "12abc 5",
       "12 0 0 0 400 0 0 0 128 1 2 1 1 0 "},
      {"an empty string gives the defaults", "", "-13 0 0 0 400 0 0 0 128 1 2 1 1 0 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(m_profile.WriteProfileString("Font", "DispFont", c.stored));
    EXPECT_EQ(ReadFont(), c.want + Face("FixedSys"));
  }
}

TEST_F(DisplaySettingsTest, WrittenFontReadsBackTheSame) {
  LOGFONT font;
  font.lfHeight = -24;
  font.lfWidth = 7;
  font.lfEscapement = -900;
  font.lfOrientation = 3600;
  font.lfWeight = 700;
  font.lfItalic = 1;
  font.lfUnderline = 255;
  font.lfStrikeOut = 1;
  font.lfCharSet = 200;
  font.lfOutPrecision = 3;
  font.lfClipPrecision = 2;
  font.lfQuality = 4;
  font.lfPitchAndFamily = 49;
  const std::string face(31, 'M');  // the longest face the record holds
  std::memcpy(font.lfFaceName, face.data(), face.size());
  const std::int32_t color = -2;

  EXPECT_EQ(CFontSetting().WriteProfileFont(m_profile, "Font", "Disp", font, color), 1);
  // Byte fields are stored as unsigned numbers.
  EXPECT_EQ(ReadBytes(m_profile.path()),
            "[Font]\nDispFont=-24 7 -900 3600 700 1 255 1 200 3 2 4 49 -2\nDispFontFace=" + face +
                "\n");
  EXPECT_EQ(ReadFont(), Describe(font, color));
}

TEST_F(DisplaySettingsTest, LongFaceNamesAreCutToWholeCharacters) {
  struct Case {
    const char* name;
    std::string stored;
    std::string want;
  };
  const std::string a = "\xE3\x81\x82";  // a 3-byte character
  std::string tenAs;
  for (int i = 0; i < 10; ++i) tenAs += a;
  const Case cases[] = {
      {"ASCII cut to 31 bytes", std::string(40, 'F'), std::string(31, 'F')},
      {"a character across the limit is left out", tenAs + a, tenAs},  // 33 bytes => 30
      {"a character ending at the limit is kept", "x" + tenAs + a, "x" + tenAs},  // 34 => 31
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(m_profile.WriteProfileString("Font", "DispFontFace", c.stored));
    EXPECT_EQ(ReadFont(), "-13 0 0 0 400 0 0 0 128 1 2 1 1 0 " + Face(c.want));
  }
}

TEST_F(DisplaySettingsTest, ColoursAreDecimalIntegers) {
  const CColorSetting colors;
  COLORREF color = 1;
  // Missing entries give the defaults the view uses.
  EXPECT_EQ(colors.GetProfileColor(m_profile, "Color", "BkColor", color, 255, 255, 255), 1);
  EXPECT_EQ(color, 16777215u);
  colors.GetProfileColor(m_profile, "Color", "TxtColor", color, RGB(0, 0, 0));
  EXPECT_EQ(color, 0u);
  colors.GetProfileColor(m_profile, "Color", "LineColor", color, 1, 2, 3);
  EXPECT_EQ(color, 1u + 256u * 2u + 65536u * 3u);

  // Red in the low byte: 255 + 256 * 128 = 33023.
  EXPECT_EQ(colors.WriteProfileColor(m_profile, "Color", "BkColor", RGB(255, 128, 0)), 1);
  EXPECT_EQ(ReadBytes(m_profile.path()), "[Color]\nBkColor=33023\n");
  colors.GetProfileColor(m_profile, "Color", "BkColor", color, 255, 255, 255);
  EXPECT_EQ(color, RGB(255, 128, 0));

  // A hand-edited entry is read as a profile integer.
  ASSERT_TRUE(m_profile.WriteProfileString("Color", "TxtColor", " 255 red"));
  colors.GetProfileColor(m_profile, "Color", "TxtColor", color, RGB(0, 0, 0));
  EXPECT_EQ(color, RGB(255, 0, 0));
}

}  // namespace
}  // namespace quenda
