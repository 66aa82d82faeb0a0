#pragma once

// Asks the window system to send a held key's repeats as presses alone, with
// no release between them, so that a release always means the key went up.
// On X this is XKB's detectable auto-repeat, a flag of this program's own
// connection. acceso false gives the usual pairs back (tests try both ways).
// True when the X server granted the request; false when it refused it, and
// on any window system that is not X.
bool chiediRipetizioneSenzaRilascio(bool acceso = true);
