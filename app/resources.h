// The images compiled into the program: the application icon and the toolbar images.
#pragma once

#include <QIcon>

namespace quenda {

// Registers the images; the window and the About box call it before using them.
void InitResources();

// The application icon, also shown in the About box.
QIcon AppIcon();

}  // namespace quenda
