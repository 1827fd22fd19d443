// The real dialogs, message boxes and beep, owned by the active window of the program.
#pragma once

#include <QPointer>
#include <memory>

#include "app/ui_services.h"

class QPrinter;
class QTextBrowser;

namespace quenda {

class QtUiServices : public UiServices {
 public:
  QtUiServices();
  ~QtUiServices() override;

  void Beep() override;
  void ShowMessage(const QString& text, const QString& caption = {}) override;
  std::optional<QString> GetOpenFileName(const FileDialogRequest& request) override;
  std::optional<QString> GetSaveFileName(const FileDialogRequest& request) override;
  std::optional<QFont> GetFont(const QFont& initial) override;
  std::optional<QColor> GetColor() override;
  void ShowPrinterSetup() override;
  void ShowAbout() override;
  void ShowHelp(const QString& path) override;
  LockKeys GetLockKeys() override;

 private:
  std::unique_ptr<QPrinter> m_printer;  // the printer and paper chosen for the program
  QPointer<QTextBrowser> m_help;        // one help window, raised again when asked twice
};

}  // namespace quenda
