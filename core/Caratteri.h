#pragma once

#include <QFont>
#include <QString>

// The font of the sentences and buttons. The cursive family "Indis1" is
// drawn by a school font whose letters are much smaller than ordinary ones
// at the same point size; it is enlarged so that a sentence in cursive reads
// as large as the same sentence in print. A heavier weight is kept only
// when the face has one of its own: the cursive face has no bold, and made
// bold by the font engine its "a" fills up and reads like an "x".
QFont fontTesto(const QString &famiglia, int punti, int peso = QFont::Normal);

// How much the cursive family is enlarged.
constexpr double kIngrandimentoCorsivo = 1.6;
