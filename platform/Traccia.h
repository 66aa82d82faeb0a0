#pragma once

// A running account of what the windows do, written to the standard error
// when the environment variable PINNOLE_TRACCIA is set (to anything but
// empty): each window or in-window panel shown or hidden, each change of
// the window that has the keys, and each key as it arrives and where it
// goes. A test that drives the real program from outside (under a
// compositor, with a virtual keyboard) reads it to see what each stroke
// did. Without the variable nothing is installed and nothing is written.
void avviaTracciaSeRichiesta();

// A widget drawn inside another window as if it were a window of its own
// (a panel over a full-screen exercise) is marked with this property, so
// the account names it among the windows.
inline constexpr char kProprietaPannello[] = "pannelloFinestra";
