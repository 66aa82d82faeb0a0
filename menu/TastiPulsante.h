#pragma once

class QAbstractButton;

// Lets the keyboard and the switches press a window's one button: the
// button keeps the keyboard focus, and releasing Space or Enter clicks it.
// The click comes on the release, so the key is over before the next window
// opens and cannot act there too. Key repeats of a held switch are ignored,
// and so are strokes the user's acceptance and debounce times keep out.
void attivaConTasti(QAbstractButton *pulsante);
