// Dialogs and message boxes are painted light grey with black text, as the program's
// dialogs always were; other windows keep the desktop's colours.
#pragma once

#include <QColor>

namespace quenda {

inline const QColor kDialogBackground{192, 192, 192};
inline const QColor kDialogText{0, 0, 0};

// Sets the colours for every dialog created from now on (message boxes included).
void ApplyDialogColors();

}  // namespace quenda
