#include "app/qt_ui_services.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QGroupBox>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBrowser>
#include <QUrl>

#include "app/app_texts.h"
#include "app/lock_keys.h"
#include "app/resources.h"
#include "dialogs/about_dialog.h"

namespace quenda {
namespace {

QWidget* Owner() { return QApplication::activeWindow(); }

std::optional<QString> RunFileDialog(const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
  QFileDialog dialog(Owner(), request.caption, QDir::currentPath());
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  // The same dialog on every desktop; its patterns match names in any letter case.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  dialog.setNameFilters(request.filters);
  // "*.*" has always meant every file; Qt would list only names with a dot.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
    if (f.endsWith(QLatin1String("(*.*)")))
      if (auto* model = dialog.findChild<QFileSystemModel*>()) model->setNameFilters({"*"});
  });
  dialog.selectFile(request.initialName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QtUiServices::QtUiServices() = default;
QtUiServices::~QtUiServices() { delete m_help; }

void QtUiServices::Beep() { QApplication::beep(); }

void QtUiServices::ShowMessage(const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::Warning, caption.isEmpty() ? QString(kAppName) : caption, text,
                  QMessageBox::Ok, Owner());
  box.exec();
}

std::optional<QString> QtUiServices::GetOpenFileName(const FileDialogRequest& request) {
  return RunFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUiServices::GetSaveFileName(const FileDialogRequest& request) {
  return RunFileDialog(request, QFileDialog::AcceptSave);
}

std::optional<QFont> QtUiServices::GetFont(const QFont& initial) {
  QFontDialog dialog(initial, Owner());
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  // No effects: the group that holds the underline and strike-out boxes is hidden.
  for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
    if (!group->findChildren<QCheckBox*>().isEmpty()) group->hide();
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFont();
}

std::optional<QColor> QtUiServices::GetColor() {
  QColorDialog dialog(Owner());
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedColor();
}

void QtUiServices::ShowPrinterSetup() {
  if (!m_printer) m_printer = std::make_unique<QPrinter>();
  QPrintDialog dialog(m_printer.get(), Owner());
  dialog.setWindowTitle(QStringLiteral("Printer setting"));
  dialog.exec();
}

void QtUiServices::ShowAbout() {
  CAboutDlg dialog(Owner());
  dialog.exec();
}

void QtUiServices::ShowHelp(const QString& path) {
  if (!m_help) {
    m_help = new QTextBrowser;
    m_help->setWindowTitle(QStringLiteral("Quenda Help"));
    m_help->setWindowIcon(AppIcon());
    m_help->setOpenExternalLinks(true);
    m_help->resize(640, 720);
  }
  m_help->setSource(QUrl::fromLocalFile(path));
  m_help->show();
  m_help->raise();
  m_help->activateWindow();
}

LockKeys QtUiServices::GetLockKeys() { return ReadLockKeys(); }

}  // namespace quenda
