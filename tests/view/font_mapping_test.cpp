#include "view/font_mapping.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <cstring>
#include <ostream>
#include <string>

namespace quenda {
namespace {

LOGFONT Lf(std::int32_t height, std::int32_t weight, std::uint8_t italic, std::uint8_t underline,
           std::uint8_t strikeOut, std::uint8_t pitch, const char* face) {
  LOGFONT lf;
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfItalic = italic;
  lf.lfUnderline = underline;
  lf.lfStrikeOut = strikeOut;
  lf.lfCharSet = 128;
  lf.lfOutPrecision = 1;
  lf.lfClipPrecision = 2;
  lf.lfQuality = 1;
  lf.lfPitchAndFamily = pitch;
  std::strncpy(lf.lfFaceName, face, sizeof lf.lfFaceName - 1);
  return lf;
}

// The stored default: "-13 0 0 0 400 0 0 0 128 1 2 1 1 0", "FixedSys".
const LOGFONT kDefault = Lf(-13, 400, 0, 0, 0, 1, "FixedSys");

TEST(FontMappingTest, TheDefaultFaceFallsBackToTheSystemFixedFont) {
  const QFont font = FontFromLogFont(kDefault);
  EXPECT_EQ(font.family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
  EXPECT_EQ(font.pixelSize(), 13);
  EXPECT_EQ(font.weight(), QFont::Normal);
  EXPECT_TRUE(font.fixedPitch());
  EXPECT_FALSE(font.italic());
  EXPECT_FALSE(font.underline());
  EXPECT_FALSE(font.strikeOut());
}

struct FontCase {
  const char* name;
  LOGFONT lf;
  QString family;
  int pixelSize;
  int weight;
  bool italic, underline, strikeOut;
};

void PrintTo(const FontCase& c, std::ostream* os) { *os << c.name; }

class FontFromLogFontTest : public testing::TestWithParam<FontCase> {};

TEST_P(FontFromLogFontTest, MapsEveryField) {
  const FontCase& c = GetParam();
  const QFont font = FontFromLogFont(c.lf);
  EXPECT_EQ(font.family(), c.family);
  EXPECT_EQ(QFontInfo(font).family(), c.family);
  EXPECT_EQ(font.pixelSize(), c.pixelSize);
  EXPECT_EQ(font.weight(), c.weight);
  EXPECT_EQ(font.italic(), c.italic);
  EXPECT_EQ(font.underline(), c.underline);
  EXPECT_EQ(font.strikeOut(), c.strikeOut);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FontFromLogFontTest,
    testing::Values(FontCase{"InstalledFace", Lf(-16, 400, 0, 0, 0, 1, "DejaVu Sans Mono"),
                             "DejaVu Sans Mono", 16, QFont::Normal, false, false, false},
                    FontCase{"BoldItalic", Lf(-20, 700, 1, 0, 0, 2, "DejaVu Sans"), "DejaVu Sans",
                             20, QFont::Bold, true, false, false},
                    FontCase{"UnderlineAndStrikeOut", Lf(-11, 400, 0, 1, 1, 1, "DejaVu Sans Mono"),
                             "DejaVu Sans Mono", 11, QFont::Normal, false, true, true},
                    FontCase{"WeightZeroIsNormal", Lf(-12, 0, 0, 0, 0, 1, "DejaVu Sans Mono"),
                             "DejaVu Sans Mono", 12, QFont::Normal, false, false, false},
                    FontCase{"LightWeight", Lf(-12, 300, 0, 0, 0, 1, "DejaVu Sans Mono"),
                             "DejaVu Sans Mono", 12, QFont::Light, false, false, false}),
    [](const testing::TestParamInfo<FontCase>& info) { return std::string(info.param.name); });

TEST(FontMappingTest, APositiveHeightIsTheWholeCell) {
  const QFont font = FontFromLogFont(Lf(24, 400, 0, 0, 0, 1, "DejaVu Sans Mono"));
  const int cell = QFontMetrics(font).height();
  EXPECT_LE(cell, 24);
  EXPECT_GE(cell, 21);
  EXPECT_LT(font.pixelSize(), 24);
}

TEST(FontMappingTest, TheFontCommandKeepsWhatQtDoesNotKnow) {
  QFont chosen("DejaVu Sans");
  chosen.setPixelSize(17);
  chosen.setWeight(QFont::Bold);
  chosen.setItalic(true);
  chosen.setStrikeOut(true);
  LOGFONT base = kDefault;
  base.lfWidth = 7;
  base.lfEscapement = 900;
  base.lfPitchAndFamily = 0x31;  // fixed pitch, family bits 0x30
  const LOGFONT lf = LogFontFromFont(chosen, base);
  EXPECT_EQ(lf.lfHeight, -17);
  EXPECT_EQ(lf.lfWeight, 700);
  EXPECT_EQ(lf.lfItalic, 1);
  EXPECT_EQ(lf.lfUnderline, 0);
  EXPECT_EQ(lf.lfStrikeOut, 1);
  EXPECT_EQ(lf.lfPitchAndFamily, 0x32);  // variable pitch now, family kept
  EXPECT_STREQ(lf.lfFaceName, "DejaVu Sans");
  EXPECT_EQ(lf.lfWidth, 7);
  EXPECT_EQ(lf.lfEscapement, 900);
  EXPECT_EQ(lf.lfCharSet, 128);
  EXPECT_EQ(lf.lfOutPrecision, 1);
  EXPECT_EQ(lf.lfClipPrecision, 2);
  EXPECT_EQ(lf.lfQuality, 1);
}

TEST(FontMappingTest, APointSizedFontIsStoredAsItsPixelSize) {
  QFont chosen("DejaVu Sans Mono");
  chosen.setPointSize(12);
  const LOGFONT lf = LogFontFromFont(chosen, kDefault);
  EXPECT_EQ(lf.lfHeight, -QFontInfo(chosen).pixelSize());
  EXPECT_LT(lf.lfHeight, 0);
  EXPECT_EQ(lf.lfPitchAndFamily & 3, 1);
  const QFont back = FontFromLogFont(lf);
  EXPECT_EQ(back.family(), "DejaVu Sans Mono");
  EXPECT_EQ(QFontMetrics(back).height(), QFontMetrics(chosen).height());
}

TEST(FontMappingTest, ALongFaceNameIsCutBeforeACharacter) {
  QFont chosen;
  chosen.setFamily(QString::fromUtf8("日本語日本語日本語日本語"));  // 36 bytes
  chosen.setPixelSize(14);
  const LOGFONT lf = LogFontFromFont(chosen, kDefault);
  EXPECT_EQ(std::string(lf.lfFaceName), "日本語日本語日本語日");  // 30 bytes, whole characters
}

struct ColorCase {
  const char* name;
  COLORREF ref;
  QColor color;
};

void PrintTo(const ColorCase& c, std::ostream* os) { *os << c.name; }

class ColorMappingTest : public testing::TestWithParam<ColorCase> {};

TEST_P(ColorMappingTest, RedIsTheLowByte) {
  EXPECT_EQ(ColorFromColorRef(GetParam().ref), GetParam().color);
  EXPECT_EQ(ColorRefFromColor(GetParam().color), GetParam().ref);
}

INSTANTIATE_TEST_SUITE_P(Cases, ColorMappingTest,
                         testing::Values(ColorCase{"Black", 0, QColor(0, 0, 0)},
                                         ColorCase{"White", 16777215, QColor(255, 255, 255)},
                                         ColorCase{"Red", 255, QColor(255, 0, 0)},
                                         ColorCase{"Mixed", 0x00123456, QColor(0x56, 0x34, 0x12)},
                                         ColorCase{"Rgb", RGB(10, 200, 30), QColor(10, 200, 30)}),
                         [](const testing::TestParamInfo<ColorCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ColorMappingTest, OtherColourModelsAreStoredAsRgb) {
  EXPECT_EQ(ColorRefFromColor(QColor::fromHsv(240, 255, 255)), RGB(0, 0, 255));
}

}  // namespace
}  // namespace quenda
