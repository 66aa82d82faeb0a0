#pragma once

#include "core/Impostazioni.h"

#include <QLocale>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>

// What the configuration window computes, without widgets.

// "Velocità scansione: 1,50 secondi": the scanning step (a quarter of a
// second per unit of VelocitaScansione) with at least one digit before and
// exactly two after the locale's decimal separator.
QString testoVelocitaScansione(int velocitaScansione, const QLocale &locale = QLocale());

// The palette grid: 216 cells on a 16 by 16 grid, numbered row by row, left
// to right, skipping the grid's empty positions. Cell i lies at
// (column, row) of the result.
constexpr int kCaselleTavolozza = 216;
constexpr int kLatoGriglia = 16;
const std::array<QPoint, kCaselleTavolozza> &posizioniCaselle();
// The cell at a grid position, -1 for an empty position or one outside the grid.
int casellaInPosizione(int colonna, int riga);

// The caption of a house colour slot: its four words joined by " - "
// (masculine singular, masculine plural, feminine singular, feminine plural).
QString didascaliaSlot(const std::array<QString, 5> &slot);

// Why a name typed as a new user cannot become one, in the current
// language; empty when it can. The name of an existing user (any
// case, the default user's included) is refused: taking it would write the
// settings in memory over that user's own.
QString motivoNomeRifiutato(const QString &nome, const QStringList &utentiEsistenti);
bool nomeNuovoUtenteAccettato(const QString &nome, const QStringList &utentiEsistenti);

// The preview of the switch-access tab scans in the input mode chosen when
// it is a scanning or keyboard mode, and in automatic scanning otherwise
// (the mouse has no scanning to try).
int modoAnteprimaScansione(int modoInput);
// The text that tells the teacher how the preview is driven in that input
// mode, in the current language.
QString testoModoAnteprima(int modoInput);

// The highlight thicknesses a teacher can choose, in pixels, in the order
// of the choice: the colour alone, then 4, 8 and 12 pixels.
constexpr std::array<int, 4> kSpessoriEvidenziazione = {0, 4, 8, 12};
// The place of a thickness in that choice; 0 (the colour alone) for a value
// that is not one of them.
int indiceSpessore(int pixel);
