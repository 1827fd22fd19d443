// quenda: the CSV/TSV viewer window. "quenda [FILE]" opens FILE at start-up.
#include <QApplication>

#include "app/lumora_app.h"
#include "app/qt_ui_services.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  quenda::QtUiServices ui;
  quenda::CLumoraApp app(quenda::Profile(quenda::DefaultProfilePath()), ui);
  app.InitInstance(QApplication::arguments());
  return QApplication::exec();
}
