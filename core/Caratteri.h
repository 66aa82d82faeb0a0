#pragma once

#include <QFont>
#include <QString>

// The font of the sentences and buttons. The cursive family "Indis1" is
// drawn by a school font whose letters are much smaller than ordinary ones
// at the same point size; it is enlarged so that a sentence in cursive reads
// as large as the same sentence in print.
QFont fontTesto(const QString &famiglia, int punti, int peso = QFont::Normal);

// How much the cursive family is enlarged.
constexpr double kIngrandimentoCorsivo = 1.6;
