#pragma once

class QAbstractButton;

// Lets the keyboard and the switches press a window's one button: the
// button keeps the keyboard focus, and releasing Space or Enter clicks it.
// The click comes on the release, so the key is over before the next window
// opens and cannot act there too. Key repeats of a held switch are ignored.
//
// Who presses the button says whether the current child's acceptance and
// debounce times apply: they do in the windows a child goes through (the
// opening and information windows), not in the teacher's configuration.
enum class ChiPreme { Bambino, Insegnante };
void attivaConTasti(QAbstractButton *pulsante, ChiPreme chi = ChiPreme::Bambino);
