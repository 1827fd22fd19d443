// Carries out a grid layout with a painter: text with an opaque background at its top-left
// corner, decoded from the document's code page, then one-pixel rules and cell borders.
#pragma once

#include <QColor>

#include "platform/code_page.h"
#include "view/grid_layout.h"

class QPainter;

namespace quenda {

struct GridColors {
  QColor back;
  QColor text;
  QColor line;
};

// `painter` paints the viewport (its origin is the viewport's top-left corner) with the display
// font selected; the layout's logical coordinates are moved by the scroll position here, in
// 64 bits, so no position of a long document overflows the painter's coordinates.
void PaintGridLayout(QPainter& painter, const GridLayout& layout, const GridViewport& viewport,
                     const GridColors& colors, CodePage cp);

}  // namespace quenda
