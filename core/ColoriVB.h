#pragma once

#include <QColor>
#include <QString>

// Colours as the settings hold them: a 32-bit value with red in the lowest
// byte (00BBGGRR), or a system colour, 0x80000000 plus an index, which the
// file stores as a negative number.

// The colour to paint. A system colour takes the current palette's colour
// of the same role (button face, button text, window...).
QColor coloreVB(double valore);

// The value of a plain colour.
double valoreVB(const QColor &colore);

// "RRGGBB" as a colour; an invalid colour for other text.
QColor coloreEsadecimale(const QString &rrggbb);

// The scanning highlight colour that the house picture takes, "RRGGBB", from
// a settings value: a plain value 00BBGGRR has its pairs turned round (255,
// pure red, gives "FF0000"); a system colour is resolved to the palette's
// colour first, so a hand-edited settings file still gives a colour.
QString TrovaColoreScansione(double valore);
