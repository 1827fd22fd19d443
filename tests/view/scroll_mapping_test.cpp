#include "view/scroll_mapping.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace quenda {
namespace {

constexpr std::int64_t kIntMax = std::numeric_limits<int>::max();

struct AxisCase {
  const char* name;
  std::int64_t total;
  int client;
  std::int64_t quantum;
  std::int64_t unit;
  std::int64_t maxPosition;
  int barMaximum;
  int pageStep;
  int singleStep;
};

void PrintTo(const AxisCase& c, std::ostream* os) { *os << c.name; }

class ScrollAxisTest : public testing::TestWithParam<AxisCase> {};

TEST_P(ScrollAxisTest, MapsTheRangeOntoTheBar) {
  const AxisCase& c = GetParam();
  const ScrollAxis a = MapScrollAxis(c.total, c.client, StepsOf(c.total), c.quantum);
  EXPECT_EQ(a.unit, c.unit);
  EXPECT_EQ(a.maxPosition, c.maxPosition);
  EXPECT_EQ(a.barMaximum, c.barMaximum);
  EXPECT_EQ(a.pageStep, c.pageStep);
  EXPECT_EQ(a.singleStep, c.singleStep);
  // Both ends are reached exactly.
  EXPECT_EQ(a.PositionOf(0), 0);
  EXPECT_EQ(a.PositionOf(a.barMaximum), a.maxPosition);
  EXPECT_EQ(a.BarValueOf(a.maxPosition), a.barMaximum);
  EXPECT_EQ(a.BarValueOf(-5), 0);
  EXPECT_EQ(a.BarValueOf(a.maxPosition + 1000), a.barMaximum);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScrollAxisTest,
    testing::Values(
        // 100 lines of 18 pixels in a 300-pixel window: the grid's own steps, in pixels.
        AxisCase{"HundredLines", 1800, 300, 18, 1, 1500, 1500, 180, 18},
        AxisCase{"WiderWindowThanTheGrid", 356, 640, 8, 1, 0, 0, 35, 3},
        AxisCase{"InitialExtent", 100, 50, 18, 1, 50, 50, 10, 1},
        AxisCase{"TenMillionLines", 180'000'000, 800, 18, 1, 179'999'200, 179'999'200, 18'000'000,
                 1'800'000},
        AxisCase{"LargestPixelRange", kIntMax + 800, 800, 18, 1, kIntMax, int{kIntMax},
                 int{(kIntMax + 800) / 10}, int{(kIntMax + 800) / 100}},
        // Beyond an int: one bar unit is one row of 18 pixels.
        AxisCase{"TwoHundredMillionLines", 3'600'000'000, 800, 18, 18, 3'599'999'200, 199'999'956,
                 20'000'000, 2'000'000},
        // Far beyond: whole multiples of a row, still within an int.
        AxisCase{"BeyondTwoBillionRows", 18 * 5'000'000'000LL, 800, 18, 54, 89'999'999'200,
                 1'666'666'652, 166'666'666, 16'666'666}),
    [](const testing::TestParamInfo<AxisCase>& info) { return std::string(info.param.name); });

TEST(ScrollAxisTest, EveryRowOfAHugeRangeHasABarValue) {
  const ScrollAxis a = MapScrollAxis(3'600'000'000, 800, StepsOf(3'600'000'000), 18);
  // Rows are whole bar units: one step down the bar is one row down the grid.
  EXPECT_EQ(a.PositionOf(1000) - a.PositionOf(999), 18);
  EXPECT_EQ(a.BarValueOf(a.PositionOf(12345)), 12345);
  EXPECT_EQ(a.PositionOf(a.barMaximum - 1), std::int64_t{a.barMaximum - 1} * 18);
  EXPECT_LT(a.PositionOf(a.barMaximum - 1), a.maxPosition);
}

struct KeyCase {
  const char* name;
  ScrollKey key;
  ScrollPosition from;
  ScrollPosition to;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class ScrollKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(ScrollKeyTest, MovesByRowsCharactersAndPages) {
  const KeyCase& c = GetParam();
  // Row pitch 18, character unit 8, a 300-pixel window: a page is 16 rows.
  EXPECT_EQ(ScrollForKey(c.key, c.from, {300, 1500}, 18, 8, 300), c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScrollKeyTest,
    testing::Values(KeyCase{"LineUp", ScrollKey::LineUp, {100, 500}, {100, 482}},
                    KeyCase{"LineDown", ScrollKey::LineDown, {100, 500}, {100, 518}},
                    KeyCase{"Left", ScrollKey::Left, {100, 500}, {92, 500}},
                    KeyCase{"Right", ScrollKey::Right, {100, 500}, {108, 500}},
                    KeyCase{"PageUp", ScrollKey::PageUp, {100, 500}, {100, 212}},
                    KeyCase{"PageDown", ScrollKey::PageDown, {100, 500}, {100, 788}},
                    KeyCase{"Home", ScrollKey::Home, {100, 500}, {0, 500}},
                    KeyCase{"End", ScrollKey::End, {100, 500}, {300, 500}},
                    KeyCase{"CtrlHome", ScrollKey::Top, {100, 500}, {100, 0}},
                    KeyCase{"CtrlEnd", ScrollKey::Bottom, {100, 500}, {100, 1500}},
                    // Held at the ends.
                    KeyCase{"LineUpAtTheTop", ScrollKey::LineUp, {0, 10}, {0, 0}},
                    KeyCase{"LeftAtTheLeftEdge", ScrollKey::Left, {3, 10}, {0, 10}},
                    KeyCase{"PageDownNearTheBottom", ScrollKey::PageDown, {0, 1400}, {0, 1500}},
                    KeyCase{"RightAtTheRightEdge", ScrollKey::Right, {300, 0}, {300, 0}}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST(ScrollKeyTest, AWindowLowerThanARowStillPagesByOneRow) {
  EXPECT_EQ(ScrollForKey(ScrollKey::PageDown, {0, 0}, {0, 1000}, 18, 8, 10),
            (ScrollPosition{0, 18}));
}

TEST(WheelTest, OneNotchMovesTheConfiguredRows) {
  EXPECT_EQ(WheelDistance(-120, 3, 18), 54);
  EXPECT_EQ(WheelDistance(120, 3, 18), -54);
  EXPECT_EQ(WheelDistance(-240, 1, 18), 36);
  EXPECT_EQ(WheelDistance(0, 3, 18), 0);
}

}  // namespace
}  // namespace quenda
