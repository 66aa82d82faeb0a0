#pragma once

#include "users/FileRegistro.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QPair>
#include <QString>

#include <array>
#include <functional>

struct StatoProgramma;

// What the activity viewer computes without its widgets: the rows it shows,
// its labels, its column widths, and the geometry of the printed grid.
namespace VistaRegistro {

constexpr int kColonne = 6;
// Columns 0..5 (row number, exercise, level, right, wrong, ignored presses)
// take 1, 10, 3, 3, 3 and 3 units of a grid 24 units wide.
constexpr std::array<int, kColonne> kUnitaColonne = {1, 10, 3, 3, 3, 3};
constexpr int kUnitaGriglia = 24;

// The rows of the activity table the viewer shows, 1..min(NumeroRighe, 500):
// never beyond the table, also when it is marked full.
QList<RigaRegistro> righeDaTabella(const StatoProgramma &stato);
// The ignored presses of the same rows.
QStringList ignorateDaTabella(const StatoProgramma &stato);

// The locale of the dates: Italian while the language is Italian, else the system's.
QLocale localeDate(bool linguaItaliana);

// The date label: the words before the date, then the date in the short form.
QString etichettaData(const QString &parole, const QDate &data, const QLocale &locale);

// Column widths from the grid's width: a unit is the width / 24, whole.
std::array<int, kColonne> larghezzeColonne(int larghezzaGriglia);

// The printed table, in twips on the page.
struct TabellaStampata
{
    static constexpr int kMargine = 60;  // between the frame and the first text, above and below each text
    static constexpr int kSpazio = 120;  // a column's room beyond its width

    int x0 = 0;
    int y0 = 0;
    std::array<int, kColonne> larghezze {};

    // The right edge: x0 + 60 + every column's width + 120.
    int destra() const;
    // Where the text of a column starts.
    int xTesto(int colonna) const;
    // The vertical lines between the columns (after each but the last).
    std::array<int, kColonne - 1> separatori() const;
    // One row: the text's line and 60 above and below it.
    static int altezzaRiga(int altezzaLinea) { return altezzaLinea + 2 * kMargine; }
};

// Column widths for the printed table: the on-screen proportions 1:10:3:3:3:3,
// in the largest whole unit that keeps the table within the given width
// measured from x0.
std::array<int, kColonne> larghezzeStampa(int larghezzaDisponibile);

// Which data rows (1..righeDati) go on each page, as first and last row; each
// page prints the heading row above them. The first page holds
// righePrimaPagina rows, the others righeAltrePagine, heading included; at
// least one data row goes on a page whatever the room. With no data rows
// there is one page with the heading alone (first row 1, last row 0).
QList<QPair<int, int>> pagineRighe(int righeDati, int righePrimaPagina, int righeAltrePagine);

// The text cut from the right until its width fits (possibly empty).
QString TestoLimitato(const QString &testo, int larghezza, const std::function<int(const QString &)> &misura);

} // namespace VistaRegistro
