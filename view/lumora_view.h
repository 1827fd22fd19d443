// CLumoraView: the scrolling grid of the document's lines. It owns the display font, the three
// colours and the cell width, read from the profile; the geometry comes from LayoutGrid()
// (grid_layout.h) and painting only carries it out.
#pragma once

#include <QAbstractScrollArea>
#include <QFont>

#include "platform/display_settings.h"

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

  int m_nBorderCount = -1;  // items of the reference line + 1; -1 until a row is painted
  int m_nColumn = 12;       // cell width in bytes ("Column" of "Option")
  COLORREF m_crBack = RGB(255, 255, 255);
  COLORREF m_crText = 0;
  COLORREF m_crLine = 0;
  CFontSetting m_fontSetting;
  CColorSetting m_colorSetting;

 private:
  const CLumoraDoc& m_doc;
  Profile& m_profile;
  LOGFONT m_logFont;
  QFont m_font;
};

}  // namespace quenda
