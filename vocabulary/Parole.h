#pragma once

#include <QString>

#include <array>
#include <functional>

// The sentence word table: entry 0 is a single space, entry i (1..34) the
// text of message key i + 6 ("0007".."0040") with the spaces that let it be
// joined straight to the next word.
using TabellaParoleTipo = std::array<QString, 35>;

// Fills the table from a lookup of message keys (MLSGetText in the program).
void CaricaParole(TabellaParoleTipo &tabella, const std::function<QString(const QString &)> &testo);
// The same from the current language file.
void CaricaParole(TabellaParoleTipo &tabella);

// The case rule of the sentences shown whole: all capitals when the text style
// is "maiuscolo", otherwise lower case with a capital first character.
QString casoDellaFrase(const QString &frase, const QString &stileTesto);

// House parts, numbered as the exercises and the picture number them.
enum ParteCasa {
    Comignolo = 1,
    Tetto = 2,
    Pareti = 3,
    Finestre = 4,
    Porta = 5,
    Gradino = 6,
    Fumo = 7,
    Nuvole = 8,
};

// The colour word form (1..4) that agrees with the noun of a coloured part 1..6.
int formaDellaParte(int parte);

// What spoken scanning says of house part 1..8 ("il tetto"), and of the house
// with number n counted from 1 ("casa 3"); empty for a part out of range.
QString nomeParte(int parte);
QString nomeCasa(int numero);

// Entries of the word table that go with a part.
struct VociParte
{
    int soggettoAffermativo;
    int soggettoNegativo;
    int presente;        // presence statement (parts 7 and 8), else 0
    int assente;
    int frasePresente;   // presence phrase of the characteristic lists, else 0
    int fraseAssente;
    int uguale;          // answer word "same"
    int diverso;         // answer word "different"
};
const VociParte &vociParte(int parte);
