#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The element ids the house picture and the program agree on. The house file
// ("swf/pinnole1.svg", "swf/pinnola0.svg") holds, for each part, a fill
// element "<part>.interno" and an outline element "<part>.contorno"; smoke and
// clouds are also groups ("fumo", "nuvole") that are shown and hidden whole.
// Part numbers are the ones every exercise uses and the picture reports when
// a part is clicked.
namespace ElementiCasa {

constexpr int kPrimaParte = 1;
constexpr int kUltimaParte = 8;
constexpr int kUltimaParteColorabile = 6; // parts 7 and 8 are present or absent
constexpr int kFumo = 7;
constexpr int kNuvole = 8;

// "comignolo", "tetto", "pareti", "finestre", "porta", "gradino", "fumo",
// "nuvole" for 1..8; empty for any other number.
QString nomeParte(int numero);
// The number of a part name (1..8), 0 when the name is no part.
int numeroParte(QStringView nome);

// "tetto.interno" and "tetto.contorno" for part 2; empty outside 1..8.
QString idInterno(int numero);
QString idContorno(int numero);

// The small picture of a part 1..8 on its own, relative to the program
// folder ("immagini/parti/tetto.svg"); one set for every window that shows
// the parts as buttons. Empty outside 1..8.
QString immagineParte(int numero);

// Every id a house file must hold: the sixteen fill and outline elements of
// parts 1..8 and the groups "fumo" and "nuvole".
QStringList idRichiesti();

// The part an element belongs to: "finestre.contorno" -> 4, "fumo" -> 7;
// 0 for any other id.
int parteDiElemento(QStringView id);
// True for the "<part>.interno" and "<part>.contorno" ids of parts 1..8: the
// elements the program paints.
bool eColorabile(QStringView id);
// True for an outline id: its colour is the stroke, not the fill.
bool eContorno(QStringView id);
// True for "fumo" and "nuvole": the groups whose visibility the program sets.
bool eGruppoVisibile(QStringView id);

} // namespace ElementiCasa
