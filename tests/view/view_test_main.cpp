// The view tests need a QApplication for fonts and widgets. The platform is pinned to offscreen
// (also when the binary is run by hand or listed by test discovery), so no display and no
// desktop settings change what is painted.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
