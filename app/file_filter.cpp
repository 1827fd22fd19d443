#include "app/file_filter.h"

namespace quenda {

QStringList FileDialogFilters(QStringView barSeparated) {
  QStringList descriptions;
  const auto parts = barSeparated.split(u'|');
  // An empty description is the end of the list.
  for (qsizetype i = 0; i < parts.size() && !parts[i].isEmpty(); i += 2)
    descriptions.append(parts[i].toString());
  return descriptions;
}

}  // namespace quenda
