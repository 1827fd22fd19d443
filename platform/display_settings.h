// Stored forms of the display font and colours in the profile.
// A font is two entries: prefix+"Font", fourteen numbers
// ("-13 0 0 0 400 0 0 0 128 1 2 1 1 0": height, width, escapement, orientation, weight,
// italic, underline, strike-out, charset, out precision, clip precision, quality,
// pitch and family, colour), and prefix+"FontFace", the face name.
// A colour is one integer entry, 0x00BBGGRR (red in the low byte) in decimal.
#pragma once

#include <cstdint>
#include <string_view>

namespace quenda {

class Profile;

using COLORREF = std::uint32_t;

constexpr COLORREF RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}

// The logical-font record, field for field.
struct LOGFONT {
  std::int32_t lfHeight = 0;  // negative: character height in pixels
  std::int32_t lfWidth = 0;
  std::int32_t lfEscapement = 0;
  std::int32_t lfOrientation = 0;
  std::int32_t lfWeight = 0;  // 400 normal, 700 bold
  std::uint8_t lfItalic = 0;
  std::uint8_t lfUnderline = 0;
  std::uint8_t lfStrikeOut = 0;
  std::uint8_t lfCharSet = 0;  // 128: Shift-JIS
  std::uint8_t lfOutPrecision = 0;
  std::uint8_t lfClipPrecision = 0;
  std::uint8_t lfQuality = 0;
  std::uint8_t lfPitchAndFamily = 0;  // low two bits 1: fixed pitch
  char lfFaceName[32] = {};           // NUL-terminated, at most 31 bytes
};

class CFontSetting {
 public:
  // Defaults: "-13 0 0 0 400 0 0 0 128 1 2 1 1 0" and "FixedSys". Byte fields take the low
  // 8 bits of their number (384 => 128); numbers after the fourteenth are ignored; in a string
  // that stops being numbers early ("-20 3 x 7"), the fields from the first non-number on keep
  // the default font's values. A face name is cut to 31 bytes, never inside a UTF-8 character.
  // Returns 1, as all of these do: a failed write goes unnoticed.
  int GetProfileFont(const Profile& profile, std::string_view section, std::string_view prefix,
                     LOGFONT& font, std::int32_t& color) const;
  int WriteProfileFont(Profile& profile, std::string_view section, std::string_view prefix,
                       const LOGFONT& font, std::int32_t color) const;
};

class CColorSetting {
 public:
  int GetProfileColor(const Profile& profile, std::string_view section, std::string_view key,
                      COLORREF& color, std::uint8_t r, std::uint8_t g, std::uint8_t b) const;
  int GetProfileColor(const Profile& profile, std::string_view section, std::string_view key,
                      COLORREF& color, COLORREF def) const;
  int WriteProfileColor(Profile& profile, std::string_view section, std::string_view key,
                        COLORREF color) const;
};

}  // namespace quenda
