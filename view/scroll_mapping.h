// Scrolling the grid: its 64-bit logical positions on int scroll bars, and where the keys and
// the mouse wheel take it.
#pragma once

#include <cstdint>

#include "view/grid_layout.h"

namespace quenda {

// One scroll bar over a logical range of any size. While the largest position fits an int,
// one bar unit is one pixel and the steps are the grid's own; beyond that one unit is a whole
// number of rows, so every row is still reached and the maximum shows the last one.
// 10,000,000 rows of 18 pixels => unit 1, maximum 180,000,000 - client;
// 200,000,000 rows of 18 pixels => unit 18 (one row), maximum (3,600,000,000 - client) / 18.
struct ScrollAxis {
  std::int64_t unit = 1;         // logical pixels per bar unit
  std::int64_t maxPosition = 0;  // total - client, at least 0
  int barMaximum = 0;
  int pageStep = 0;  // bar units
  int singleStep = 0;

  // The logical position of a bar value; the bar's maximum is the last position.
  std::int64_t PositionOf(int barValue) const;
  // The bar value that shows `position` (clamped to the range).
  int BarValueOf(std::int64_t position) const;
};

// `quantum` is the unit that large ranges are counted in (the row pitch vertically).
ScrollAxis MapScrollAxis(std::int64_t total, int client, ScrollSteps steps, std::int64_t quantum);

struct ScrollPosition {
  std::int64_t x = 0;
  std::int64_t y = 0;
  friend bool operator==(const ScrollPosition&, const ScrollPosition&) = default;
};

// Keys that scroll the grid: arrows by a row or a character unit, Page Up/Down by the rows
// that fill the window, Home/End to the left/right edge, Ctrl+Home/End to the first/last line.
enum class ScrollKey { LineUp, LineDown, Left, Right, PageUp, PageDown, Home, End, Top, Bottom };

ScrollPosition ScrollForKey(ScrollKey key, ScrollPosition now, ScrollPosition max,
                            std::int64_t rowPitch, std::int64_t charWidth, int clientHeight);

// Logical pixels one wheel turn moves: `wheelLines` rows per notch of 120, downwards for a
// negative delta (turning the wheel towards the user).
std::int64_t WheelDistance(int angleDelta, int wheelLines, std::int64_t pitch);

}  // namespace quenda
