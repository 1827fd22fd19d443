#include "view/lumora_view.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <optional>

#include "doc/document.h"
#include "platform/decimal.h"
#include "platform/profile.h"
#include "view/font_mapping.h"
#include "view/grid_painter.h"

namespace quenda {

namespace {

constexpr const char* kOption = "Option";
constexpr const char* kColor = "Color";

std::optional<ScrollKey> ScrollKeyOf(const QKeyEvent& event) {
  const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  switch (event.key()) {
    case Qt::Key_Up:
      return ScrollKey::LineUp;
    case Qt::Key_Down:
      return ScrollKey::LineDown;
    case Qt::Key_Left:
      return ScrollKey::Left;
    case Qt::Key_Right:
      return ScrollKey::Right;
    case Qt::Key_PageUp:
      return ScrollKey::PageUp;
    case Qt::Key_PageDown:
      return ScrollKey::PageDown;
    case Qt::Key_Home:
      return ctrl ? ScrollKey::Top : ScrollKey::Home;
    case Qt::Key_End:
      return ctrl ? ScrollKey::Bottom : ScrollKey::End;
    default:
      return std::nullopt;
  }
}

}  // namespace

CLumoraView::CLumoraView(const CLumoraDoc& doc, Profile& profile, QWidget* parent)
    : QAbstractScrollArea(parent),
      m_doc(doc),
      m_profile(profile),
      m_spreadSheet(profile, kOption, "SpreadSheet", 0) {
  // The paint fills the whole client area itself.
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAutoFillBackground(false);
  setFocusPolicy(Qt::StrongFocus);
  ReloadColumn();
  ReadDisplayFont();
  m_colorSetting.GetProfileColor(m_profile, kColor, "BkColor", m_crBack, 255, 255, 255);
  m_colorSetting.GetProfileColor(m_profile, kColor, "TxtColor", m_crText, 0, 0, 0);
  m_colorSetting.GetProfileColor(m_profile, kColor, "LineColor", m_crLine, 0, 0, 0);
  SetScrollExtent(kInitialExtent);
}

void CLumoraView::ReadDisplayFont() {
  std::int32_t unusedColor = 0;
  m_fontSetting.GetProfileFont(m_profile, "Font", "Disp", m_logFont, unusedColor);
  m_font = FontFromLogFont(m_logFont);
}

void CLumoraView::OnInitialUpdate() {
  ReadDisplayFont();
  m_colorSetting.GetProfileColor(m_profile, kColor, "TxtColor", m_crText, 0, 0, 0);
  SetScrollExtent(kInitialExtent);
  viewport()->update();
}

void CLumoraView::UpdateAllViews() { viewport()->update(); }

void CLumoraView::SetDisplayFont(const LOGFONT& font) {
  m_logFont = font;
  m_font = FontFromLogFont(font);
  viewport()->update();
}

void CLumoraView::ReloadColumn() {
  m_nColumn = ParseLeadingDecimal(m_profile.GetProfileString(kOption, "Column", "12"));
}

GridMetrics CLumoraView::metrics() const {
  const QFontMetrics fm(m_font, viewport());
  return {fm.height(), fm.averageCharWidth()};
}

ScrollPosition CLumoraView::scrollPosition() const {
  return {m_hAxis.PositionOf(horizontalScrollBar()->value()),
          m_vAxis.PositionOf(verticalScrollBar()->value())};
}

ScrollPosition CLumoraView::maxScrollPosition() const {
  return {m_hAxis.maxPosition, m_vAxis.maxPosition};
}

void CLumoraView::ScrollTo(ScrollPosition position) {
  horizontalScrollBar()->setValue(m_hAxis.BarValueOf(position.x));
  verticalScrollBar()->setValue(m_vAxis.BarValueOf(position.y));
}

void CLumoraView::SetScrollExtent(GridExtent extent) {
  m_extent = extent;
  UpdateScrollBars();
}

void CLumoraView::UpdateScrollBars() {
  // Showing or hiding a scroll bar resizes the viewport, which comes back here: map again for
  // the new size (the bars settle within a few rounds).
  if (m_updatingBars) {
    m_barsStale = true;
    return;
  }
  m_updatingBars = true;
  const ScrollPosition position = scrollPosition();
  const auto apply = [](QScrollBar* bar, const ScrollAxis& axis, std::int64_t pos) {
    bar->setRange(0, axis.barMaximum);
    bar->setPageStep(axis.pageStep);
    bar->setSingleStep(axis.singleStep);
    bar->setValue(axis.BarValueOf(pos));
  };
  constexpr int kMaxRounds = 4;
  for (int round = 0; round == 0 || (m_barsStale && round < kMaxRounds); ++round) {
    m_barsStale = false;
    const GridMetrics m = metrics();
    m_hAxis =
        MapScrollAxis(m_extent.width, viewport()->width(), StepsOf(m_extent.width), m.aveCharWidth);
    m_vAxis = MapScrollAxis(m_extent.height, viewport()->height(), StepsOf(m_extent.height),
                            m.height + 2);
    apply(horizontalScrollBar(), m_hAxis, position.x);
    apply(verticalScrollBar(), m_vAxis, position.y);
  }
  m_updatingBars = false;
}

void CLumoraView::paintEvent(QPaintEvent*) {
  GridLayout layout;
  {
    QPainter painter(viewport());
    const QColor back = ColorFromColorRef(m_crBack);
    painter.fillRect(viewport()->rect(), back);
    painter.setFont(m_font);
    const QFontMetrics fm = painter.fontMetrics();
    const ScrollPosition position = scrollPosition();
    const GridViewport port{position.x, position.y, viewport()->width(), viewport()->height()};
    const GridSettings settings{m_nColumn, m_spreadSheet.Value() == 1, m_nBorderCount};
    layout = LayoutGrid(LinesOf(m_doc.m_lines, m_doc.codePage()),
                        {fm.height(), fm.averageCharWidth()}, settings, port);
    PaintGridLayout(painter, layout, port,
                    {back, ColorFromColorRef(m_crText), ColorFromColorRef(m_crLine)},
                    m_doc.codePage());
  }
  m_nBorderCount = layout.borderCount;
  if (layout.extent) SetScrollExtent(*layout.extent);
}

void CLumoraView::resizeEvent(QResizeEvent*) { UpdateScrollBars(); }

void CLumoraView::scrollContentsBy(int, int) { viewport()->update(); }

void CLumoraView::wheelEvent(QWheelEvent* event) {
  const GridMetrics m = metrics();
  const int lines = QApplication::wheelScrollLines();
  const ScrollPosition now = scrollPosition();
  ScrollTo({now.x + WheelDistance(event->angleDelta().x(), lines, m.aveCharWidth),
            now.y + WheelDistance(event->angleDelta().y(), lines, m.height + 2)});
  event->accept();
}

void CLumoraView::keyPressEvent(QKeyEvent* event) {
  const std::optional<ScrollKey> key = ScrollKeyOf(*event);
  if (!key) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  const GridMetrics m = metrics();
  ScrollTo(ScrollForKey(*key, scrollPosition(), maxScrollPosition(), m.height + 2, m.aveCharWidth,
                        viewport()->height()));
  event->accept();
}

}  // namespace quenda
