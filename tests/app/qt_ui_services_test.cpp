// The real message box: its caption, icon and the dialog colours.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "app/dialog_colors.h"
#include "app/file_filter.h"
#include "app/help_page.h"
#include "app/qt_ui_services.h"

namespace quenda {
namespace {

struct SeenBox {
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QColor background;
  QColor labelText;
};

// Shows a message through the real services and reads the box before closing it.
SeenBox ShowAndRead(const QString& text, const QString& caption) {
  SeenBox seen;
  QTimer::singleShot(0, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    seen = {box->windowTitle(), box->text(), box->icon(), box->palette().color(QPalette::Window),
            box->findChild<QLabel*>("qt_msgbox_label")->palette().color(QPalette::WindowText)};
    box->accept();
  });
  QtUiServices().ShowMessage(text, caption);
  return seen;
}

TEST(QtUiServices, MessageBoxesAreCaptionedAndGrey) {
  ApplyDialogColors();
  const SeenBox box = ShowAndRead("Failed to open /tmp/x.csv(--;)why?", {});
  EXPECT_EQ(box.caption, "CSV/TSV Viewer Quenda");
  EXPECT_EQ(box.text, "Failed to open /tmp/x.csv(--;)why?");
  EXPECT_EQ(box.icon, QMessageBox::Warning);
  EXPECT_EQ(box.background, QColor(192, 192, 192));
  EXPECT_EQ(box.labelText, QColor(0, 0, 0));

  EXPECT_EQ(ShowAndRead("text", "Own caption").caption, "Own caption");
}

TEST(FileDialogFilters, DescriptionsOfTheBarSeparatedList) {
  EXPECT_EQ(FileDialogFilters(u"CSV Files (*.CSV)|*.CSV|TSV Files (*.TSV)|*.TSV|ALL Files (*.*)|*.*||"),
            (QStringList{"CSV Files (*.CSV)", "TSV Files (*.TSV)", "ALL Files (*.*)"}));
  EXPECT_EQ(FileDialogFilters(u"Text (*.txt)|*.txt||ignored|*.x"), QStringList{"Text (*.txt)"});
  EXPECT_TRUE(FileDialogFilters(u"").isEmpty());
}

TEST(HelpPagePath, BesideTheProgramsFolder) {
  EXPECT_EQ(HelpPagePath("/usr/bin"), "/usr/share/quenda/help/index.html");
  EXPECT_EQ(HelpPagePath("/opt/q/build/bin/"), "/opt/q/build/share/quenda/help/index.html");
}

}  // namespace
}  // namespace quenda
