#include "app/resources.h"

#include <QString>

// Outside the namespace: Q_INIT_RESOURCE declares a global function.
static void InitQuendaResources() { Q_INIT_RESOURCE(quenda); }

namespace quenda {

void InitResources() {
  // The images live in a static library, where nothing else would pull them in.
  static const bool registered = (InitQuendaResources(), true);
  (void)registered;
}

QIcon AppIcon() {
  InitResources();
  return QIcon(QStringLiteral(":/quenda.xpm"));
}

}  // namespace quenda
