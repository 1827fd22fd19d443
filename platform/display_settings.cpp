#include "platform/display_settings.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <string>

#include "platform/decimal.h"
#include "platform/profile.h"
#include "platform/utf8_prefix.h"

namespace quenda {

namespace {

constexpr std::string_view kDefaultFont = "-13 0 0 0 400 0 0 0 128 1 2 1 1 0";
constexpr std::string_view kDefaultFace = "FixedSys";
constexpr std::size_t kFontNumbers = 14;
constexpr std::string_view kBlanks = " \t\r\n\v\f";

using FontNumbers = std::array<std::int32_t, kFontNumbers>;

// Reads numbers from the start of `text` into `numbers`, as scanning "%d %d ..." would: each may
// have blanks before it and a sign; reading stops at the first place where no number begins, so
// "-20 3 x 7" fills the first two and leaves the rest as they were. Further numbers are ignored.
void ScanFontNumbers(std::string_view text, FontNumbers& numbers) {
  std::size_t pos = 0;
  for (std::int32_t& number : numbers) {
    pos = text.find_first_not_of(kBlanks, pos);
    if (pos == std::string_view::npos) return;
    std::size_t end = pos + (text[pos] == '+' || text[pos] == '-');
    const std::size_t digits = end;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    if (end == digits) return;
    number = ParseLeadingDecimal(text.substr(pos, end - pos));
    pos = end;
  }
}

std::string ProfileKey(std::string_view prefix, std::string_view suffix) {
  return std::string(prefix).append(suffix);
}

}  // namespace

int CFontSetting::GetProfileFont(const Profile& profile, std::string_view section,
                                 std::string_view prefix, LOGFONT& font,
                                 std::int32_t& color) const {
  // Numbers that a malformed string lacks keep the default font's values.
  FontNumbers n{};
  ScanFontNumbers(kDefaultFont, n);
  ScanFontNumbers(profile.GetProfileString(section, ProfileKey(prefix, "Font"), kDefaultFont), n);
  const std::string face = profile.GetProfileString(section, ProfileKey(prefix, "FontFace"),
                                                    kDefaultFace);

  font = LOGFONT{};
  font.lfHeight = n[0];
  font.lfWidth = n[1];
  font.lfEscapement = n[2];
  font.lfOrientation = n[3];
  font.lfWeight = n[4];
  // The byte fields keep the low 8 bits of what is stored: 384 reads as 128.
  font.lfItalic = static_cast<std::uint8_t>(n[5]);
  font.lfUnderline = static_cast<std::uint8_t>(n[6]);
  font.lfStrikeOut = static_cast<std::uint8_t>(n[7]);
  font.lfCharSet = static_cast<std::uint8_t>(n[8]);
  font.lfOutPrecision = static_cast<std::uint8_t>(n[9]);
  font.lfClipPrecision = static_cast<std::uint8_t>(n[10]);
  font.lfQuality = static_cast<std::uint8_t>(n[11]);
  font.lfPitchAndFamily = static_cast<std::uint8_t>(n[12]);
  color = n[13];
  std::memcpy(font.lfFaceName, face.data(),
              Utf8PrefixLength(face, sizeof font.lfFaceName - 1));
  return 1;
}

int CFontSetting::WriteProfileFont(Profile& profile, std::string_view section,
                                   std::string_view prefix, const LOGFONT& font,
                                   std::int32_t color) const {
  std::string text;
  for (const std::int32_t number :
       {font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation, font.lfWeight,
        std::int32_t(font.lfItalic), std::int32_t(font.lfUnderline),
        std::int32_t(font.lfStrikeOut), std::int32_t(font.lfCharSet),
        std::int32_t(font.lfOutPrecision), std::int32_t(font.lfClipPrecision),
        std::int32_t(font.lfQuality), std::int32_t(font.lfPitchAndFamily), color}) {
    if (!text.empty()) text += ' ';
    text += std::to_string(number);
  }
  const std::string_view face(font.lfFaceName,
                              ::strnlen(font.lfFaceName, sizeof font.lfFaceName));
  profile.WriteProfileString(section, ProfileKey(prefix, "Font"), text);
  profile.WriteProfileString(section, ProfileKey(prefix, "FontFace"),
                             face.substr(0, Utf8PrefixLength(face, sizeof font.lfFaceName - 1)));
  return 1;
}

int CColorSetting::GetProfileColor(const Profile& profile, std::string_view section,
                                   std::string_view key, COLORREF& color, std::uint8_t r,
                                   std::uint8_t g, std::uint8_t b) const {
  return GetProfileColor(profile, section, key, color, RGB(r, g, b));
}

int CColorSetting::GetProfileColor(const Profile& profile, std::string_view section,
                                   std::string_view key, COLORREF& color, COLORREF def) const {
  const std::int32_t stored = profile.GetProfileInt(section, key, static_cast<std::int32_t>(def));
  color = static_cast<COLORREF>(stored);
  return 1;
}

int CColorSetting::WriteProfileColor(Profile& profile, std::string_view section,
                                     std::string_view key, COLORREF color) const {
  profile.WriteProfileInt(section, key, static_cast<std::int32_t>(color));
  return 1;
}

}  // namespace quenda
