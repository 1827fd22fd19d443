#include "app/dialog_colors.h"

#include <QApplication>
#include <QPalette>

namespace quenda {

void ApplyDialogColors() {
  QPalette palette = QApplication::palette();
  palette.setColor(QPalette::Window, kDialogBackground);
  palette.setColor(QPalette::WindowText, kDialogText);
  // Applies to QDialog and every class derived from it; its child widgets inherit it.
  QApplication::setPalette(palette, "QDialog");
}

}  // namespace quenda
