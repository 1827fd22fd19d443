#include "view/font_mapping.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/utf8_prefix.h"

namespace quenda {

namespace {

constexpr std::uint8_t kPitchMask = 0x03;
constexpr std::uint8_t kFixedPitch = 1;
constexpr std::uint8_t kVariablePitch = 2;
constexpr int kNormalWeight = 400;

QString FaceOf(const LOGFONT& lf) {
  return QString::fromUtf8(lf.lfFaceName,
                           static_cast<qsizetype>(strnlen(lf.lfFaceName, sizeof lf.lfFaceName)));
}

// At most 31 bytes of `family`, never ending inside a character.
void SetFace(LOGFONT& lf, const QString& family) {
  const QByteArray bytes = family.toUtf8();
  const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
  std::memcpy(lf.lfFaceName, text.data(), Utf8PrefixLength(text, sizeof lf.lfFaceName - 1));
}

}  // namespace

QFont FontFromLogFont(const LOGFONT& lf) {
  const QString face = FaceOf(lf);
  QFont font = QFontDatabase::hasFamily(face) ? QFont(face)
                                              : QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (lf.lfHeight < 0) {
    font.setPixelSize(-lf.lfHeight);
  } else if (lf.lfHeight > 0) {
    // A positive height is the whole cell (ascent + descent): scale the em to fit it.
    font.setPixelSize(lf.lfHeight);
    const int cell = QFontMetrics(font).height();
    if (cell > lf.lfHeight) font.setPixelSize(std::max(1, lf.lfHeight * lf.lfHeight / cell));
  }
  const int weight = lf.lfWeight == 0 ? kNormalWeight : lf.lfWeight;
  font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
  font.setItalic(lf.lfItalic != 0);
  font.setUnderline(lf.lfUnderline != 0);
  font.setStrikeOut(lf.lfStrikeOut != 0);
  if ((lf.lfPitchAndFamily & kPitchMask) == kFixedPitch) font.setFixedPitch(true);
  // Glyphs one after another, without ligatures or kerning, as grid cells want them; scripts
  // that cannot be read unshaped are still shaped. This also makes painting much cheaper.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

LOGFONT LogFontFromFont(const QFont& font, const LOGFONT& base) {
  LOGFONT lf = base;
  const QFontInfo info(font);
  lf.lfHeight = -(font.pixelSize() > 0 ? font.pixelSize() : info.pixelSize());
  lf.lfWeight = font.weight();
  lf.lfItalic = font.italic() ? 1 : 0;
  lf.lfUnderline = font.underline() ? 1 : 0;
  lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
  lf.lfPitchAndFamily = static_cast<std::uint8_t>(
      (base.lfPitchAndFamily & ~kPitchMask) | (info.fixedPitch() ? kFixedPitch : kVariablePitch));
  SetFace(lf, font.family());
  return lf;
}

QColor ColorFromColorRef(COLORREF color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

COLORREF ColorRefFromColor(const QColor& color) {
  const QColor rgb = color.toRgb();
  return RGB(static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
             static_cast<std::uint8_t>(rgb.blue()));
}

}  // namespace quenda
