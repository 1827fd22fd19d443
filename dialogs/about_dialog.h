// CAboutDlg: the About box, with the application icon, the program's name and its version.
// OK and Escape close it.
#pragma once

#include <QDialog>

namespace quenda {

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace quenda
