// Filters of the Open and Save As dialogs. The program keeps them in the classic notation,
// pairs of description and pattern separated by bars and ended by two bars; the dialogs take
// the descriptions, which name their patterns in parentheses.
// "CSV Files (*.CSV)|*.CSV|ALL Files (*.*)|*.*||" => {"CSV Files (*.CSV)", "ALL Files (*.*)"}
#pragma once

#include <QStringList>
#include <QStringView>

namespace quenda {

QStringList FileDialogFilters(QStringView barSeparated);

}  // namespace quenda
