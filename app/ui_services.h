// Every dialog, message box and beep of the window goes through this interface, so that
// commands can be tested with a fake that answers at once instead of a modal window.
// It also reports the keyboard's lock keys, which only the display server knows.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

namespace quenda {

struct FileDialogRequest {
  QString caption;
  QString initialName;     // "*.CSV" for Open, "default.csv" for Save As
  QStringList filters;     // "CSV Files (*.CSV)", "TSV Files (*.TSV)", "ALL Files (*.*)"
  bool confirmOverwrite = false;
};

// Lock keys shown by the status bar indicators; all off where they cannot be read.
struct LockKeys {
  bool kana = false;
  bool caps = false;
  bool num = false;
  bool scroll = false;
};

class UiServices {
 public:
  virtual ~UiServices() = default;

  virtual void Beep() = 0;
  // OK box with an exclamation icon; an empty caption means the application name.
  virtual void ShowMessage(const QString& text, const QString& caption = {}) = 0;
  // The chosen path, or nothing when cancelled. The dialog starts in the current directory.
  virtual std::optional<QString> GetOpenFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<QString> GetSaveFileName(const FileDialogRequest& request) = 0;
  // Screen fonts only, no effects group.
  virtual std::optional<QFont> GetFont(const QFont& initial) = 0;
  // Basic colour dialog, nothing preselected.
  virtual std::optional<QColor> GetColor() = 0;
  virtual void ShowPrinterSetup() = 0;
  // The modal About box.
  virtual void ShowAbout() = 0;
  // A window showing the HTML page at `path`, which exists.
  virtual void ShowHelp(const QString& path) = 0;
  virtual LockKeys GetLockKeys() = 0;
};

}  // namespace quenda
