// The keyboard's lock keys as the display server reports them.
#pragma once

#include "app/ui_services.h"

namespace quenda {

// Read through XKB on an X11 display; all off on other displays or builds without X11.
LockKeys ReadLockKeys();

}  // namespace quenda
