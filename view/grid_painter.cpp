#include "view/grid_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QString>
#include <algorithm>

namespace quenda {

namespace {

// A logical coordinate in the viewport, held just outside it where it lies beyond, so that
// lines reaching far out stay lines of the right extent on screen.
int ToDevice(std::int64_t logical, std::int64_t origin, int size) {
  return static_cast<int>(std::clamp<std::int64_t>(logical - origin, -2, std::int64_t{size} + 2));
}

}  // namespace

void PaintGridLayout(QPainter& painter, const GridLayout& layout, const GridViewport& viewport,
                     const GridColors& colors, CodePage cp) {
  painter.save();
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(colors.back);
  painter.setPen(colors.text);
  const int ascent = painter.fontMetrics().ascent();
  for (const TextRun& run : layout.runs) {
    const QPointF baseline(static_cast<double>(run.x - viewport.x),
                           static_cast<double>(run.y - viewport.y + ascent));
    const std::string text = DecodeToUtf8(run.bytes, cp);
    painter.drawText(baseline, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }

  painter.setPen(QPen(colors.line, 0));
  const auto drawRule = [&](const HorizontalRule& rule) {
    const int y = ToDevice(rule.y, viewport.y, viewport.height);
    painter.drawLine(ToDevice(rule.x1, viewport.x, viewport.width), y,
                     ToDevice(rule.x2, viewport.x, viewport.width), y);
  };
  for (const HorizontalRule& rule : layout.rowRules) drawRule(rule);
  if (layout.bottomRule) drawRule(*layout.bottomRule);
  if (layout.borders) {
    const int top = ToDevice(0, viewport.y, viewport.height);
    const int bottom = ToDevice(layout.borders->bottom, viewport.y, viewport.height);
    for (const std::int64_t x : layout.borders->xs) {
      const int dx = ToDevice(x, viewport.x, viewport.width);
      painter.drawLine(dx, top, dx, bottom);
    }
  }
  painter.restore();
}

}  // namespace quenda
