#include "app/help_page.h"

#include <QDir>

namespace quenda {

QString HelpPagePath(const QString& programDir) {
  return QDir::cleanPath(programDir + QStringLiteral("/../share/quenda/help/index.html"));
}

}  // namespace quenda
