#include "gui/toolkit/lock_keys.h"

// The platforms' own headers stay in this file: X11's headers define names (KeyPress, None…)
// that clash with Qt's.
#include <QGuiApplication>

#if defined(_WIN32)
#include <windows.h>
#elif defined(MERION_HAVE_X11)
#include <QtGui/qguiapplication_platform.h>
#if QT_CONFIG(xcb)
#include <X11/XKBlib.h>
#define MERION_LOCK_KEYS_X11 1
#endif
#endif

namespace
{
#if defined(MERION_LOCK_KEYS_X11)
// An indicator of the keyboard extension by its name ("Caps Lock", …): the names are fixed
// across keymaps, their indices are not.
bool IndicatorOn(Display* display, const char* name)
{
    const Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    return atom != None && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
}
#endif
} // namespace

std::optional<LockKeyState> QueryLockKeys()
{
#if defined(_WIN32)
    // The low bit of a toggle key's state is its lock.
    return LockKeyState{(GetKeyState(VK_CAPITAL) & 1) != 0, (GetKeyState(VK_NUMLOCK) & 1) != 0,
                        (GetKeyState(VK_SCROLL) & 1) != 0};
#elif defined(MERION_LOCK_KEYS_X11)
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (!display || !XkbQueryExtension(display, nullptr, nullptr, nullptr, &major, &minor))
        return std::nullopt;
    return LockKeyState{IndicatorOn(display, "Caps Lock"), IndicatorOn(display, "Num Lock"),
                        IndicatorOn(display, "Scroll Lock")};
#else
    return std::nullopt;
#endif
}
