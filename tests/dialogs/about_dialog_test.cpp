// The About box: its texts, icon, buttons and colours.
#include "dialogs/about_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/dialog_colors.h"

namespace quenda {
namespace {

QString Text(const CAboutDlg& dialog, const char* name) {
  const auto* label = dialog.findChild<QLabel*>(name);
  return label ? label->text() : QStringLiteral("<missing>");
}

TEST(CAboutDlg, ShowsNameVersionAndIconOnGrey) {
  ApplyDialogColors();
  CAboutDlg dialog;
  EXPECT_EQ(dialog.windowTitle(), "About Quenda");
  EXPECT_EQ(Text(dialog, "titleLabel"), "CSV/TSV Viewer Quenda for Win32");
  EXPECT_EQ(Text(dialog, "platformLabel"), "for Win32");
  EXPECT_EQ(Text(dialog, "versionLabel"), "ver.1.02a");
  const auto* icon = dialog.findChild<QLabel*>("iconLabel");
  ASSERT_NE(icon, nullptr);
  EXPECT_FALSE(icon->pixmap().isNull());

  dialog.show();  // class palettes apply when a widget is polished for showing
  EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(192, 192, 192));
  const auto* title = dialog.findChild<QLabel*>("titleLabel");
  EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST(CAboutDlg, OkAndEscapeClose) {
  {
    CAboutDlg dialog;
    dialog.show();
    auto* ok = dialog.findChild<QPushButton*>("okButton");
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
  }
  {
    CAboutDlg dialog;
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
  }
}

}  // namespace
}  // namespace quenda
