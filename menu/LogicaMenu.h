#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

// The rules of the main menu, the splash and the about window that need no
// window: the exercise table, the captions, the button font size, the
// splash gradient and the about window's texts.

// Looks a message key up in the current language (MLSGetText in the program).
using TestoPerChiave = std::function<QString(const QString &chiave)>;

// The menu's buttons: eight exercises, then "esci".
constexpr int kPulsantiMenu = 9;
constexpr int kPulsanteEsci = 8;

// The key of the exercise's name written into the activity table when the
// exercise starts ("0065" for button 0 ... "0072" for button 7); empty for
// "esci" and for anything else.
QString chiaveNomeEsercizio(int indice);

// The nine captions as the menu shows them, from the translated design
// captions: buttons 0, 1, 4, 5, 7 and 8 get a line break in front; buttons
// 2, 3 and 6 are composed of the texts of keys "0059" to "0064".
QStringList didascalieMenu(const QStringList &tradotte, const TestoPerChiave &testo);

// Captions in capitals with the text style "maiuscolo", in lower case otherwise.
QString casoTesto(const QString &testo, const QString &stileTesto);

// The measuring text of the button font size.
QString testoMisuraFont();

// The buttons' font size: from 14 points up, the first size at which the
// measuring text is at least as wide as the button. larghezzaTesto gives the
// text's width at a size, in the button's units. Never below 14, and never
// above kMassimoFontPulsanti whatever the measure says.
constexpr int kMinimoFontPulsanti = 14;
// The smallest size a caption too wide for its button may take.
constexpr int kMinimoLarghezzaPulsanti = 9;
constexpr int kMassimoFontPulsanti = 144;
int dimensioneFontPulsanti(int larghezzaPulsante, const std::function<int(int punti)> &larghezzaTesto);

// The user list's font size: the buttons' size less 10, at least 14.
int dimensioneFontUtenti(int dimensionePulsanti);

// The splash background: the inner height divided into 256 units, band i
// (0..255) is the whole width from height i - 1 to height i, in red and blue
// 255 - i and green 255, from white at the top to green at the bottom.
constexpr int kBandeAvvio = 256;
QColor coloreBanda(int i);
QRectF rettangoloBanda(int i, const QSizeF &interno);

// The about window's labels.
QString testoInfoLabel1(const TestoPerChiave &testo);
QString testoInfoLabel3();
// The texts of keys "9996" to "9999" that are not empty, each followed by a line break.
QString testoInfoLabel4(const TestoPerChiave &testo);
