#pragma once

#include "users/FileRegistro.h"

#include <QFont>
#include <QList>
#include <QString>

#include <array>

class QPagedPaintDevice;

// What the activity viewer prints: the user, its two labels, the grid with
// its heading row and numbered rows, and its closing label.
struct GrigliaDaStampare
{
    QString utente;            // the current user, on the first line
    QString etichettaUtente;   // Label1
    QString etichettaData;     // Label2
    std::array<QString, 6> intestazioni; // row 0, columns 0..5
    QList<RigaRegistro> righe; // rows 1.., columns 1..4 (column 0 is the row number)
    QStringList ignorate;      // rows 1.., column 5 (empty beyond the list)
    QString chiusura;          // Label3
    QString famigliaGriglia = QStringLiteral("Arial");
    int puntiGriglia = 12;
};

// Prints the grid on a landscape page, in twips from the printable area's
// top left corner: the user's line, Label1 at 16 points and Label2 at 14,
// each followed by an empty line, then the ruled table in the grid's font
// with the corner at x 2 just below those lines, each cell's text cut to its
// column's width, and Label3 at 12 points. The columns keep the on-screen
// proportions 1:10:3:3:3:3 across the printable width. A table longer than the
// page goes on over further pages, each repeating the heading row. False
// when the device cannot be painted on.
bool StampaGriglia(QPagedPaintDevice &stampante, const GrigliaDaStampare &griglia);
