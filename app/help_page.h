// Where the user guide is installed: share/quenda/help/index.html beside the bin/ folder
// of the program (the build tree has the same layout).
#pragma once

#include <QString>

namespace quenda {

// "/usr/bin" => "/usr/share/quenda/help/index.html"
QString HelpPagePath(const QString& programDir);

}  // namespace quenda
