#include "view/lumora_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "doc/document.h"
#include "platform/profile.h"
#include "view/font_mapping.h"

namespace quenda {
namespace {

constexpr COLORREF kBack = RGB(255, 255, 200);
constexpr COLORREF kText = RGB(200, 0, 0);
constexpr COLORREF kLine = RGB(0, 160, 0);
const char* const kBlock = "\xE2\x96\x88";  // U+2588 FULL BLOCK: fills its whole cell

// A view of a document painted offscreen with a pinned font and colours.
class LumoraViewTest : public testing::Test {
 protected:
  void SetUp() override { WriteProfile(1, std::chrono::seconds(60)); }

  // Dated `age` ago, so that each rewrite is seen as a change of the file.
  void WriteProfile(int spreadSheet, std::chrono::seconds age) {
    std::ofstream(path) << "[Option]\nColumn=12\nSpreadSheet=" << spreadSheet << "\n"
                        << "[Font]\nDispFont=-16 0 0 0 400 0 0 0 128 1 2 1 1 0\n"
                        << "DispFontFace=DejaVu Sans Mono\n"
                        << "[Color]\nBkColor=" << kBack << "\nTxtColor=" << kText
                        << "\nLineColor=" << kLine << "\n";
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() - age);
  }

  // `lines` lines: `line`, but `special` at index `at`.
  void Load(std::size_t lines, const std::string& line, const std::string& special,
            std::size_t at) {
    CExStringList list;
    for (std::size_t i = 0; i < lines; ++i) list.AddTail(i == at ? special : line);
    doc.ReplaceLines(std::move(list), CodePage::Utf8);
  }
  void Load(std::size_t lines, const std::string& line) { Load(lines, line, line, 0); }

  CLumoraView& View() {
    if (!view) {
      view = std::make_unique<CLumoraView>(doc, profile);
      view->resize(640, 360);
      view->show();
      view->OnInitialUpdate();
      QApplication::processEvents();
    }
    return *view;
  }

  QImage Render() {
    QApplication::processEvents();
    QImage image(View().viewport()->size(), QImage::Format_RGB32);
    View().viewport()->render(&image);
    return image;
  }

  static COLORREF At(const QImage& image, int x, int y) {
    return ColorRefFromColor(image.pixelColor(x, y));
  }

  static int CountPixels(const QImage& image, COLORREF color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += At(image, x, y) == color;
    return n;
  }

  QTemporaryDir dir;
  std::string path = dir.filePath("quenda.ini").toStdString();
  Profile profile{path};
  CLumoraDoc doc;
  std::unique_ptr<CLumoraView> view;
};

TEST_F(LumoraViewTest, PaintsBackgroundRulesBordersAndTextWhereTheLayoutSays) {
  Load(40, "H\tHH\tHHH", std::string(kBlock) + "\tHH\tHHH", 1);
  const QImage image = Render();
  CLumoraView& v = View();
  const GridMetrics m = v.metrics();
  const int H = m.height + 2, W = m.aveCharWidth, P = 13 * W;
  ASSERT_GT(m.height, 10);
  ASSERT_GT(W, 4);

  EXPECT_EQ(v.m_nBorderCount, 4);
  EXPECT_EQ(v.extent().width, 3 * 14 * W + 20);
  EXPECT_EQ(v.extent().height, 40 * H);

  // Background: left of the first border, and right of the last one.
  EXPECT_EQ(At(image, 2, H / 2), kBack);
  EXPECT_EQ(At(image, 10 + 3 * P, H + H / 2), kBack);
  // Row rules at 18k for H = 18, and the borders through the rows.
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(At(image, 2, k * H), kLine) << "row rule " << k;
  EXPECT_EQ(At(image, 2, H + H / 2), kBack);
  for (int j = 0; j < 4; ++j)
    EXPECT_EQ(At(image, 10 + j * P - W / 2, H + H / 2), kLine) << "border " << j;
  // The full block of row 1 fills its first cell's text box in the text colour.
  EXPECT_EQ(At(image, 10 + W / 2, H + 1 + m.height / 2), kText);
  EXPECT_EQ(At(image, 10 + W / 2, H + 2), kText);
  EXPECT_EQ(At(image, 10 + W / 2, 2 * H - 2), kText);
}

// Text is drawn on its own background: a cell hides what the cell before it spilled into its
// place, as far as its own text reaches.
TEST_F(LumoraViewTest, ACellsOpaqueBackgroundCoversTheOverflowOfTheCellBefore) {
  WriteProfile(0, std::chrono::seconds(30));
  profile.WriteProfileString("Option", "Column", "2");
  Load(2, "WW\t  \tx", "WW\t\tx", 1);  // row 1 has nothing in its second cell
  CLumoraView& v = View();
  v.ReloadColumn();
  LOGFONT proportional = v.logFont();
  std::strcpy(proportional.lfFaceName, "DejaVu Sans");
  v.SetDisplayFont(proportional);
  const QImage image = Render();

  const QFontMetrics fm(v.displayFont());
  const int H = fm.height() + 2, P = 3 * fm.averageCharWidth();
  const int spill = 10 + fm.horizontalAdvance("WW");  // right end of the first cell's text
  ASSERT_GT(spill, 10 + P);
  ASSERT_GE(fm.horizontalAdvance("  "), spill - (10 + P));
  const auto textPixels = [&](int row) {
    int n = 0;
    for (int y = row * H + 1; y < row * H + 1 + fm.height(); ++y)
      for (int x = 10 + P; x < spill; ++x) n += At(image, x, y) == kText;
    return n;
  };
  EXPECT_EQ(textPixels(0), 0);
  EXPECT_GT(textPixels(1), 0);
}

TEST_F(LumoraViewTest, TheSpreadSheetSwitchTakesEffectAtTheNextPaint) {
  WriteProfile(0, std::chrono::seconds(30));
  Load(10, "a\tb\tc");
  EXPECT_EQ(CountPixels(Render(), kLine), 0);
  WriteProfile(1, std::chrono::seconds(15));
  const QImage image = Render();
  EXPECT_EQ(At(image, 2, View().metrics().height + 2), kLine);
}

TEST_F(LumoraViewTest, ALongDocumentScrollsToItsLastLine) {
  constexpr std::size_t kLines = 1'000'000;
  Load(kLines, "row\tH", std::string(kBlock) + "\t" + kBlock, kLines - 1);
  Render();  // takes the reference line and the extent
  CLumoraView& v = View();
  const GridMetrics m = v.metrics();
  const std::int64_t H = m.height + 2;
  ASSERT_EQ(v.extent().height, static_cast<std::int64_t>(kLines) * H);

  QTest::keyClick(&v, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(v.scrollPosition().y, v.maxScrollPosition().y);
  EXPECT_EQ(v.verticalScrollBar()->value(), v.verticalScrollBar()->maximum());
  const QImage image = Render();
  const int viewHeight = image.height();
  EXPECT_EQ(v.maxScrollPosition().y, static_cast<std::int64_t>(kLines) * H - viewHeight);
  // The last row's top lies one row pitch above the bottom edge.
  const int lastTop =
      static_cast<int>(static_cast<std::int64_t>(kLines - 1) * H + 1 - v.maxScrollPosition().y);
  EXPECT_EQ(lastTop, viewHeight - H + 1);
  EXPECT_EQ(At(image, 10 + m.aveCharWidth / 2, lastTop + m.height / 2), kText);

  QTest::keyClick(&v, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(v.scrollPosition().y, 0);
  QTest::keyClick(&v, Qt::Key_Down);
  EXPECT_EQ(v.scrollPosition().y, H);
  QTest::keyClick(&v, Qt::Key_PageDown);
  EXPECT_EQ(v.scrollPosition().y, H + v.viewport()->height() / H * H);
}

TEST_F(LumoraViewTest, TheWheelScrollsByRows) {
  Load(1000, "a\tb");
  Render();
  CLumoraView& v = View();
  const QPointF at(10, 10);
  QWheelEvent wheel(at, v.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(v.viewport(), &wheel);
  EXPECT_EQ(v.scrollPosition().y, QApplication::wheelScrollLines() * (v.metrics().height + 2));
}

TEST_F(LumoraViewTest, TheExtentChangesOnlyWithANewReferenceLine) {
  Load(50, "a\tb\tc");
  Render();
  CLumoraView& v = View();
  const GridExtent before = v.extent();

  LOGFONT larger = v.logFont();
  larger.lfHeight = -30;
  v.SetDisplayFont(larger);
  Render();
  EXPECT_EQ(v.extent().width, before.width);
  EXPECT_EQ(v.extent().height, before.height);

  v.m_nBorderCount = -1;  // as after Open
  Render();
  const GridMetrics m = v.metrics();
  EXPECT_EQ(v.extent().width, 3 * 14 * m.aveCharWidth + 20);
  EXPECT_EQ(v.extent().height, 50 * (m.height + 2));
  EXPECT_GT(v.extent().height, before.height);
}

TEST_F(LumoraViewTest, AShortFileOpenedFarDownShowsOnlyTheBackground) {
  Load(5000, "a\tb\tc");
  Render();
  CLumoraView& v = View();
  v.ScrollTo({0, 40000});
  const GridExtent before = v.extent();

  Load(3, "x\ty");
  v.m_nBorderCount = -1;
  v.UpdateAllViews();
  const QImage image = Render();
  EXPECT_EQ(CountPixels(image, kBack), image.width() * image.height());
  EXPECT_EQ(v.m_nBorderCount, -1);
  EXPECT_EQ(v.extent().height, before.height);
}

TEST_F(LumoraViewTest, SettingsComeFromTheProfile) {
  CLumoraView& v = View();
  EXPECT_EQ(v.m_crBack, kBack);
  EXPECT_EQ(v.m_crText, kText);
  EXPECT_EQ(v.m_crLine, kLine);
  EXPECT_EQ(v.m_nColumn, 12);
  EXPECT_EQ(v.logFont().lfHeight, -16);
  EXPECT_STREQ(v.logFont().lfFaceName, "DejaVu Sans Mono");
  EXPECT_EQ(v.displayFont().pixelSize(), 16);

  profile.WriteProfileString("Option", "Column", " 20abc");
  v.ReloadColumn();
  EXPECT_EQ(v.m_nColumn, 20);
}

}  // namespace
}  // namespace quenda
