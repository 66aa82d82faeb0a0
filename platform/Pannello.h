#pragma once

class QDialog;
class QWidget;

// Runs a dialog as a panel drawn inside the window it belongs to, over
// everything that window shows, rather than as a window of its own: a
// compositor may keep a second window behind a full-screen one, or show it
// without giving it the keys, and a keyboard or switch user is then stuck.
// While the panel is open the rest of the window is dimmed and takes neither
// the mouse nor the keys (its menu bars and its own shortcuts are off, and a
// scanning mechanism asks copertoDaPannello before taking the keys or
// stepping); when it closes, everything is as it was and the dialog is a
// window again, owned by no one. Without a window the dialog opens on its
// own. Releases of keys pressed in the panel never reach the window
// afterwards (see eseguiModale). Returns the dialog's result.
int eseguiPannello(QDialog &dialogo, QWidget *finestra);

// A dialog whose owner is a full-screen window runs as a panel inside it
// (nothing can be seen or reached beside a full-screen window anyway);
// otherwise it runs as a modal window owned by finestra, as usual.
int eseguiSopra(QDialog &dialogo, QWidget *finestra);

// The dialog running as a panel now (the innermost); null when none.
QDialog *pannelloAperto();

// A panel is open over w: in w's window, and w is not part of it.
bool copertoDaPannello(const QWidget *w);
