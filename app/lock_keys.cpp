#include "app/lock_keys.h"

#ifdef QUENDA_HAVE_X11
#include <QGuiApplication>
#include <X11/XKBlib.h>
#endif

namespace quenda {

#ifdef QUENDA_HAVE_X11
namespace {

bool IndicatorOn(Display* display, const char* name) {
  const Atom atom = XInternAtom(display, name, True);  // no atom: no such indicator
  Bool on = False;
  return atom != None && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) &&
         on;
}

}  // namespace

LockKeys ReadLockKeys() {
  const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                            : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return {};
  return {IndicatorOn(display, "Kana"), IndicatorOn(display, "Caps Lock"),
          IndicatorOn(display, "Num Lock"), IndicatorOn(display, "Scroll Lock")};
}
#else
LockKeys ReadLockKeys() { return {}; }
#endif

}  // namespace quenda
