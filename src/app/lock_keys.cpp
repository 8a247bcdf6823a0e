#include "lock_keys.h"

#ifdef REELKEEP_HAVE_XKB
#include <QGuiApplication>

// Last: the X11 headers define macros such as Bool and Status that Qt's headers must not see.
#include <X11/XKBlib.h>
#endif

namespace reelkeep {

#ifdef REELKEEP_HAVE_XKB

namespace {

bool IndicatorOn(Display* display, const char* name) {
    Bool on = False;
    const Atom atom = XInternAtom(display, name, True);
    return atom != None && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) &&
           on;
}

}  // namespace

std::optional<LockKeyStates> QueryLockKeys() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return std::nullopt;
    return LockKeyStates{IndicatorOn(display, "Caps Lock"), IndicatorOn(display, "Num Lock"),
                         IndicatorOn(display, "Scroll Lock")};
}

#else

std::optional<LockKeyStates> QueryLockKeys() { return std::nullopt; }

#endif

}  // namespace reelkeep
