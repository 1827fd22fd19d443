// The stored display font and colours as Qt sees them, and back.
// A LOGFONT's negative height is the pixel size; a face that is not installed ("FixedSys" on
// Linux) falls back to the system's fixed-pitch font. A COLORREF is 0x00BBGGRR.
#pragma once

#include <QColor>
#include <QFont>

#include "platform/display_settings.h"

namespace quenda {

QFont FontFromLogFont(const LOGFONT& lf);
// The record for `font`; the fields Qt has no notion of (width, angles, character set,
// precisions, quality, family bits) keep the values of `base`.
LOGFONT LogFontFromFont(const QFont& font, const LOGFONT& base);

QColor ColorFromColorRef(COLORREF color);
COLORREF ColorRefFromColor(const QColor& color);

}  // namespace quenda
