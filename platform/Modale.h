#pragma once

class QDialog;

// Runs a modal dialog to its end. A key pressed inside the dialog ends
// there: its release, which the window system delivers after the dialog has
// closed, never reaches the window below, where a button that acts on the
// release (the configuration's buttons, a child's switch) would act again —
// one Enter that confirms a dialog must not open it anew. Releases of those
// keys are held back until each key is up or pressed afresh (a switch may be
// held for seconds), for at most half a minute. The dialog is made active
// when it shows, and when it closes the
// window that was active before it (else its owner's window) is made active
// again, so its shortcuts work whether or not a window manager runs.
int eseguiModale(QDialog &dialogo);
