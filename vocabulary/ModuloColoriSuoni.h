#pragma once

#include "core/Impostazioni.h"

#include <QString>

#include <array>
#include <functional>

// The 216-colour palette, held twice: RRGGBB, and the colour value text
// "&H00BBGGRR&" (red in the lowest byte).
using Tavolozza = std::array<QString, 216>;

void PreparaTavolozza(Tavolozza &tavolozzaVB, Tavolozza &tavolozzaHex);

// "&H00BBGGRR&" for an RRGGBB colour.
QString esadecimaleVB(const QString &rrggbb);

// Colour word forms of a slot.
enum FormaColore {
    FormaEsadecimale = 0,
    MaschileSingolare = 1,
    MaschilePlurale = 2,
    FemminileSingolare = 3,
    FemminilePlurale = 4,
};

// Asks for one colour word: the prompt is the text of a message key. Returns
// the answer; *annullato tells a cancelled question.
using DomandaParola = std::function<QString(const QString &domanda, bool *annullato)>;

// Gives palette colour hex to slot s. For a house colour (s > 0) the four
// words are asked in order (keys "0042" to "0045"); each answer replaces its
// word at once and a cancelled question stores the empty text. Slot 0 is the
// picture background and asks nothing.
void assegnaColoreSlot(TabellaColoriTipo &tabella, int slot, const QString &hex,
                       const DomandaParola &chiedi);
