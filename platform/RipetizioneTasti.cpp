#include "platform/RipetizioneTasti.h"

#include <QGuiApplication>

// Xlib's names (KeyPress, None, Bool...) clash with Qt's: its headers come last.
#include <X11/XKBlib.h>

bool chiediRipetizioneSenzaRilascio(bool acceso)
{
    const auto *app = qGuiApp;
    const auto *x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *schermo = x11 ? x11->display() : nullptr;
    if (!schermo)
        return false;
    // The flag set on Qt's own connection: the key events Qt reads follow it.
    Bool previsto = False;
    const Bool stato = XkbSetDetectableAutoRepeat(schermo, acceso ? True : False, &previsto);
    return acceso && previsto && stato;
}
