#pragma once

#include <QRect>

class QWidget;

// Window designs give positions in twips (15 twips = 1 pixel at design).
// These helpers let a window write those numbers as they stand.

// Places a control at its design position inside its parent.
void posizionaTwips(QWidget *controllo, int left, int top, int width, int height);

// A control's geometry inside its parent, in twips.
QRect geometriaTwips(const QWidget *controllo);

// Gives a window its design inner size: the window itself, or the central
// widget of a QMainWindow (the window grows by its menu and status bars).
// Call it before the window's clsResize stores the layout.
void dimensionaInternoTwips(QWidget *finestra, int larghezza, int altezza);

// Shows a window full-screen. The geometry is set to the whole screen first,
// because without a window manager showFullScreen() alone does not resize.
void mostraASchermoIntero(QWidget *finestra);
