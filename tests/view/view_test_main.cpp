// The view tests need a QApplication for fonts and widgets; the platform is offscreen (set by
// the test registration) and no desktop settings change the metrics.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
