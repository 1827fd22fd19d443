// CLumoraView: the scrolling grid of the document's lines. It owns the display font, the three
// colours and the cell width, read from the profile; the geometry comes from LayoutGrid()
// (grid_layout.h) and painting only carries it out.
#pragma once

#include <QAbstractScrollArea>
#include <QFont>

#include "platform/display_settings.h"
#include "view/cached_profile_int.h"
#include "view/grid_layout.h"
#include "view/scroll_mapping.h"

namespace quenda {

class CLumoraDoc;
class Profile;

class CLumoraView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  CLumoraView(const CLumoraDoc& doc, Profile& profile, QWidget* parent = nullptr);

  // Reads the font and the text colour again and sets the extent to 100 x 100.
  void OnInitialUpdate();
  // The document changed: repaint the whole grid.
  void UpdateAllViews();

  // Display settings, changed by the Font and colour commands.
  void SetDisplayFont(const LOGFONT& font);
  const LOGFONT& logFont() const { return m_logFont; }
  const QFont& displayFont() const { return m_font; }
  // Reads "Column" of "Option" again into m_nColumn (after the Option setting command).
  void ReloadColumn();

  // The logical scroll position (pixels of the whole grid) and its largest value.
  ScrollPosition scrollPosition() const;
  ScrollPosition maxScrollPosition() const;
  void ScrollTo(ScrollPosition position);
  GridExtent extent() const { return m_extent; }
  // Height and average character width of the display font on this view.
  GridMetrics metrics() const;

  int m_nBorderCount = -1;  // items of the reference line + 1; -1 until a row is painted
  int m_nColumn = 12;       // cell width in bytes ("Column" of "Option")
  COLORREF m_crBack = RGB(255, 255, 255);
  COLORREF m_crText = 0;
  COLORREF m_crLine = 0;
  CFontSetting m_fontSetting;
  CColorSetting m_colorSetting;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ReadDisplayFont();
  // Sets the scroll sizes; the steps follow from the extent.
  void SetScrollExtent(GridExtent extent);
  // Maps the extent onto the scroll bars for the current client size, keeping the position.
  void UpdateScrollBars();

  const CLumoraDoc& m_doc;
  Profile& m_profile;
  LOGFONT m_logFont;
  QFont m_font;
  CachedProfileInt m_spreadSheet;  // "SpreadSheet" of "Option": 1 draws the ruling lines
  GridExtent m_extent = kInitialExtent;
  ScrollAxis m_hAxis;
  ScrollAxis m_vAxis;
  bool m_updatingBars = false;
  bool m_barsStale = false;  // the viewport was resized while the bars were being set
};

}  // namespace quenda
