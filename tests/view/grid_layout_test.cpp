#include "view/grid_layout.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "doc/line_list.h"
#include "view/scroll_mapping.h"

namespace quenda {
namespace {

constexpr GridMetrics kMetrics{16, 8};  // row pitch 18, character unit 8

// The whole layout as one text, so a failure shows everything that was drawn.
std::string Describe(const GridLayout& g) {
  std::ostringstream out;
  for (const TextRun& r : g.runs) {
    out << "text " << r.x << "," << r.y << " ";
    for (const char c : r.bytes) {
      const auto b = static_cast<unsigned char>(c);
      if (b >= 0x20 && b < 0x7F) {
        out << c;
      } else {
        out << "\\x" << std::hex << std::setw(2) << std::setfill('0') << int{b} << std::dec;
      }
    }
    out << "\n";
  }
  for (const HorizontalRule& r : g.rowRules)
    out << "rule " << r.x1 << ".." << r.x2 << " @" << r.y << "\n";
  if (g.bottomRule) {
    out << "bottom " << g.bottomRule->x1 << ".." << g.bottomRule->x2 << " @" << g.bottomRule->y
        << "\n";
  }
  if (g.borders) {
    out << "borders";
    for (const std::int64_t x : g.borders->xs) out << " " << x;
    out << " to " << g.borders->bottom << "\n";
  }
  out << "count " << g.borderCount;
  if (g.extent) out << " extent " << g.extent->width << "x" << g.extent->height;
  return out.str();
}

struct Doc {
  explicit Doc(const std::vector<std::string>& lines) {
    for (const std::string& l : lines) list.AddTail(l);
  }
  CExStringList list;
};

std::string DescribeLayout(const std::vector<std::string>& lines, GridSettings settings,
                           GridViewport viewport, CodePage cp) {
  const Doc doc(lines);
  return Describe(LayoutGrid(LinesOf(doc.list, cp), kMetrics, settings, viewport));
}

std::vector<std::string> Repeat(const std::string& line, int n) {
  return std::vector<std::string>(static_cast<std::size_t>(n), line);
}

TEST(GridLayoutTest, WorkedExampleAtTheTop) {
  const Doc doc(Repeat("a\tb\tc", 100));
  const GridLayout g =
      LayoutGrid(LinesOf(doc.list, CodePage::Utf8), kMetrics, {12, true, -1}, {0, 0, 640, 300});
  EXPECT_EQ(g.rowPitch, 18);
  EXPECT_EQ(g.cellPitch, 104);
  EXPECT_EQ(g.firstRow, 0u);
  EXPECT_EQ(g.rowsToVisit, 20u);
  EXPECT_EQ(g.rowsDrawn, 20u);
  ASSERT_TRUE(g.extent);
  EXPECT_EQ(g.extent->width, 356);
  EXPECT_EQ(g.extent->height, 1800);
  EXPECT_EQ(g.borderCount, 4);
  ASSERT_TRUE(g.borders);
  EXPECT_EQ(g.borders->xs, (std::vector<std::int64_t>{6, 110, 214, 318}));
  EXPECT_EQ(g.borders->bottom, 20 * 18 + 1);
  // Line k: text top 18k + 1, row rule at 18k ending at 218 + 96 + 4.
  ASSERT_EQ(g.runs.size(), 60u);
  for (std::size_t k = 0; k < 20; ++k) {
    const std::int64_t y = 18 * static_cast<std::int64_t>(k) + 1;
    EXPECT_EQ(g.runs[3 * k].x, 10);
    EXPECT_EQ(g.runs[3 * k + 1].x, 114);
    EXPECT_EQ(g.runs[3 * k + 2].x, 218);
    EXPECT_EQ(g.runs[3 * k + 2].y, y);
    EXPECT_EQ(g.rowRules[k].y, y - 1);
    EXPECT_EQ(g.rowRules[k].x2, 318);
  }
  ASSERT_TRUE(g.bottomRule);
  EXPECT_EQ(g.bottomRule->y, 20 * 18);
  EXPECT_EQ(g.bottomRule->x2, 318);
}

TEST(GridLayoutTest, WorkedExampleStepsAndScrollPosition) {
  const ScrollSteps h = StepsOf(356);
  const ScrollSteps v = StepsOf(1800);
  EXPECT_EQ(h.page, 35);
  EXPECT_EQ(h.line, 3);
  EXPECT_EQ(v.page, 180);
  EXPECT_EQ(v.line, 18);

  const Doc doc(Repeat("a\tb\tc", 100));
  const GridLayout g =
      LayoutGrid(LinesOf(doc.list, CodePage::Utf8), kMetrics, {12, false, 4}, {0, 40, 640, 300});
  EXPECT_EQ(g.firstRow, 2u);
  EXPECT_EQ(g.rowsToVisit, 20u);
  EXPECT_EQ(g.rowsDrawn, 20u);
  ASSERT_FALSE(g.runs.empty());
  EXPECT_EQ(g.runs.front().y, 37);
  EXPECT_EQ(g.runs.back().y, 37 + 19 * 18);
  EXPECT_FALSE(g.extent);  // the count was known: no new reference line
}

struct EdgeCase {
  const char* name;
  std::vector<std::string> lines;
  GridSettings settings;
  GridViewport viewport;
  CodePage cp;
  std::string expected;
};

void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.name; }

class GridLayoutEdgeTest : public testing::TestWithParam<EdgeCase> {};

TEST_P(GridLayoutEdgeTest, DrawsWhatTheGridDefines) {
  const EdgeCase& c = GetParam();
  EXPECT_EQ(DescribeLayout(c.lines, c.settings, c.viewport, c.cp), c.expected);
}

constexpr GridViewport kTop{0, 0, 1000, 300};

INSTANTIATE_TEST_SUITE_P(
    Cases, GridLayoutEdgeTest,
    testing::Values(
        EdgeCase{"EmptyDocumentDrawsNothingAndKeepsTheCountUnknown",
                 {},
                 {12, true, -1},
                 kTop,
                 CodePage::Utf8,
                 "count -1"},
        EdgeCase{"LinesOfOtherLengthsAgainstAThreeItemReference",
                 {"a\tb\tc", "1\t2\t3\t4\t5", "1\t2\t3\t4\t5\t6", "x\ty"},
                 {12, true, -1},
                 kTop,
                 CodePage::Utf8,
                 "text 10,1 a\ntext 114,1 b\ntext 218,1 c\n"
                 "text 10,19 1\ntext 114,19 2\ntext 218,19 3\ntext 322,19 4\ntext 426,19 5\n"
                 "text 10,37 1\ntext 114,37 2\ntext 218,37 3\ntext 322,37 4\ntext 426,37 5\\x096\n"
                 "text 10,55 x\ntext 114,55 y\n"
                 "rule 0..318 @0\nrule 0..526 @18\nrule 0..526 @36\nrule 0..214 @54\n"
                 "bottom 0..214 @72\nborders 6 110 214 318 to 73\ncount 4 extent 356x72"},
        EdgeCase{"QuotesAroundACellOrTheTailAreNotShown",
                 {"\"abc\"\t\"\ta\"b\t\"tail\""},
                 {12, false, -1},
                 kTop,
                 CodePage::Utf8,
                 "text 10,1 abc\ntext 218,1 a\"b\ntext 322,1 tail\ncount 5 extent 468x18"},
        EdgeCase{"ATailOfOneQuoteShowsNothing",
                 {"x\t\""},
                 {12, false, -1},
                 kTop,
                 CodePage::Utf8,
                 "text 10,1 x\ncount 3 extent 244x18"},
        EdgeCase{"LongCellsAreClippedButTheTailIsNot",
                 {"abcdefghijklmnop\tabcdefghijklmnopqrstuvwxyz"},
                 {12, false, -1},
                 kTop,
                 CodePage::Utf8,
                 "text 10,1 abcdefghijkl\ntext 114,1 abcdefghijklmnopqrstuvwxyz\n"
                 "count 3 extent 244x18"},
        EdgeCase{"ALineWithoutTabIsOneUnclippedItem",
                 {"\"a line much longer than twelve\""},
                 {12, true, -1},
                 kTop,
                 CodePage::Utf8,
                 "text 10,1 a line much longer than twelve\nrule 0..110 @0\n"
                 "bottom 0..110 @18\nborders 6 110 to 19\ncount 2 extent 132x18"},
        EdgeCase{"ACellWidthOfZeroShowsOnlyTheTails",
                 {"abc\tdef\tghi"},
                 {0, true, -1},
                 kTop,
                 CodePage::Utf8,
                 "text 26,1 ghi\nrule 0..30 @0\nbottom 0..30 @18\n"
                 "borders 6 14 22 30 to 19\ncount 4 extent 68x18"},
        EdgeCase{"AReferenceLineLostBelowTheEndOfAShortFile",
                 {"a\tb", "c\td"},
                 {12, true, -1},
                 {0, 1000, 1000, 300},
                 CodePage::Utf8,
                 "count -1"},
        EdgeCase{"AKnownCountStillDrawsBordersWhenNoRowIsReached",
                 {"a\tb", "c\td"},
                 {12, true, 3},
                 {0, 1000, 1000, 300},
                 CodePage::Utf8,
                 "borders 6 110 214 to 991\ncount 3"},
        EdgeCase{"NoRulesWithoutTheSwitch",
                 {"a\tb\tc", "d\te\tf"},
                 {12, false, -1},
                 kTop,
                 CodePage::Utf8,
                 "text 10,1 a\ntext 114,1 b\ntext 218,1 c\ntext 10,19 d\ntext 114,19 e\n"
                 "text 218,19 f\ncount 4 extent 356x36"},
        EdgeCase{"Cp932ClippingNeverSplitsADoubleByteCharacter",
                 // Three columns: "\x82\xa0\x82\xa0" keeps one character, "a\x82\xa0b" two.
                 {"\x82\xa0\x82\xa0\ta\x82\xa0"
                  "b\t\x82\xa0\x82\xa0"},
                 {3, false, -1},
                 kTop,
                 CodePage::Cp932,
                 "text 10,1 \\x82\\xa0\ntext 42,1 a\\x82\\xa0\ntext 74,1 \\x82\\xa0\\x82\\xa0\n"
                 "count 4 extent 140x18"},
        EdgeCase{"Utf8ClippingCountsWideCharactersAsTwoColumns",
                 {"日本語\taあb\t日本語"},
                 {3, false, -1},
                 kTop,
                 CodePage::Utf8,
                 "text 10,1 \\xe6\\x97\\xa5\ntext 42,1 a\\xe3\\x81\\x82\n"
                 "text 74,1 \\xe6\\x97\\xa5\\xe6\\x9c\\xac\\xe8\\xaa\\x9e\ncount 4 extent 140x18"},
        EdgeCase{"AUtf8ByteOrderMarkIsNotShown",
                 {"\xEF\xBB\xBF\"id\"\t\"name\"", "\xEF\xBB\xBFx"},
                 {12, false, -1},
                 kTop,
                 CodePage::Utf8,
                 "text 10,1 id\ntext 114,1 name\ntext 10,19 x\ncount 3 extent 244x36"},
        EdgeCase{"RunsRightOfTheWindowAreLeftOut",
                 {"a\tb\tc\td"},
                 {12, true, -1},
                 {0, 0, 150, 300},
                 CodePage::Utf8,
                 "text 10,1 a\ntext 114,1 b\nrule 0..422 @0\nbottom 0..422 @18\n"
                 "borders 6 110 to 19\ncount 5 extent 468x18"}),
    [](const testing::TestParamInfo<EdgeCase>& info) { return std::string(info.param.name); });

// A document of any length, served line by line without holding it.
struct VirtualDoc {
  std::size_t count;
  mutable std::size_t reads = 0;
  GridLines Lines() const {
    return {count,
            [this](std::size_t i) -> std::string_view {
              ++reads;
              return i + 1 == count ? "last\tline\tZ" : "a\tb\tc";
            },
            CodePage::Utf8};
  }
};

TEST(GridLayoutTest, ALongDocumentReachesItsLastLineAndReadsOnlyTheVisibleRows) {
  for (const std::size_t count : {std::size_t{10'000'000}, std::size_t{200'000'000}}) {
    SCOPED_TRACE(count);
    const VirtualDoc doc{count};
    const GridViewport top{0, 0, 1280, 800};
    const GridLayout first = LayoutGrid(doc.Lines(), kMetrics, {12, true, -1}, top);
    ASSERT_TRUE(first.extent);
    EXPECT_EQ(first.extent->height, static_cast<std::int64_t>(count) * 18);

    const ScrollAxis axis =
        MapScrollAxis(first.extent->height, top.height, StepsOf(first.extent->height), 18);
    const std::int64_t bottom = axis.PositionOf(axis.barMaximum);
    doc.reads = 0;
    const GridLayout last =
        LayoutGrid(doc.Lines(), kMetrics, {12, true, first.borderCount}, {0, bottom, 1280, 800});
    EXPECT_LE(doc.reads, last.rowsToVisit);
    ASSERT_FALSE(last.runs.empty());
    const TextRun& z = last.runs.back();
    EXPECT_EQ(z.bytes, "Z");
    EXPECT_EQ(z.y, static_cast<std::int64_t>(count - 1) * 18 + 1);
    EXPECT_GE(z.y, bottom);
    EXPECT_LE(z.y + kMetrics.height, bottom + top.height);
  }
}

}  // namespace
}  // namespace quenda
