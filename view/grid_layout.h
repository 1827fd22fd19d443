// The grid's geometry: for the lines, the font metrics, the settings and the scroll position,
// what one paint draws. Painting (lumora_view.cpp) only carries the result out.
//
// All coordinates are logical pixels of the whole grid ((0, 0) is its top-left corner) and
// 64-bit, so a document of any length has room. With height 16 and average width 8:
// row pitch H = 18, character unit W = 8, cell pitch P = (column + 1) * W = 104 for 12 columns;
// line k has its text top at 18k + 1 and its row rule at 18k; cells start at x = 10, 114, 218...
// A 3-item reference line gives 4 borders at x = 6, 110, 214, 318 and, for 100 lines, the
// extent 356 x 1800.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/code_page.h"

namespace quenda {

class CExStringList;

// Random access to the document's lines, so that a paint touches only the rows it draws.
struct GridLines {
  std::size_t count = 0;
  std::function<std::string_view(std::size_t)> at;  // line `index`, from 0
  CodePage codePage = CodePage::Utf8;
};
GridLines LinesOf(const CExStringList& lines, CodePage cp);

struct GridMetrics {
  int height = 0;        // the font's line height (ascent + descent)
  int aveCharWidth = 0;  // the font's average character width
};

struct GridSettings {
  int column = 12;           // cell width in bytes (display columns in UTF-8)
  bool spreadSheet = false;  // draw the ruling lines
  int borderCount = -1;      // items of the reference line + 1; -1 takes a new reference line
};

// The part of the grid in the window: scroll position and client size.
struct GridViewport {
  std::int64_t x = 0;
  std::int64_t y = 0;
  int width = 0;
  int height = 0;
};

struct TextRun {
  std::int64_t x = 0;
  std::int64_t y = 0;      // top of the text
  std::string_view bytes;  // the document's bytes to draw, after quote removal and clipping
};

struct HorizontalRule {
  std::int64_t x1 = 0;
  std::int64_t x2 = 0;
  std::int64_t y = 0;
};

// Vertical cell borders run from y = 0 down to `bottom`.
struct CellBorders {
  std::vector<std::int64_t> xs;  // only those inside the viewport's columns
  std::int64_t bottom = 0;
};

struct GridExtent {
  std::int64_t width = 0;
  std::int64_t height = 0;
};

struct GridLayout {
  std::int64_t rowPitch = 0;    // H = height + 2
  std::int64_t cellPitch = 0;   // P = (column + 1) * W
  std::size_t firstRow = 0;     // the row a paint starts at (it may lie past the end)
  std::size_t rowsToVisit = 0;  // client height / height + 2
  std::size_t rowsDrawn = 0;
  std::vector<TextRun> runs;  // in drawing order
  std::vector<HorizontalRule> rowRules;
  std::optional<HorizontalRule> bottomRule;
  std::optional<CellBorders> borders;  // drawn last, over the text
  int borderCount = -1;                // the count after this paint
  std::optional<GridExtent> extent;    // set when this paint took a reference line
};

// What one paint draws. Text runs that would start right of the viewport are left out (they
// cannot show); every other run, rule and border is as the grid defines it.
GridLayout LayoutGrid(const GridLines& lines, const GridMetrics& metrics,
                      const GridSettings& settings, const GridViewport& viewport);

// Scroll steps of an extent: a page is a tenth of the total, a line a tenth of a page.
struct ScrollSteps {
  std::int64_t page = 0;
  std::int64_t line = 0;
};
ScrollSteps StepsOf(std::int64_t total);

// The extent before any reference line has been taken.
inline constexpr GridExtent kInitialExtent{100, 100};

}  // namespace quenda
