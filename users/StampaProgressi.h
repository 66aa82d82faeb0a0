#pragma once

#include "users/GraficiProgressi.h"
#include "users/ModelloProgressi.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QLocale>
#include <QString>

#include <array>
#include <functional>

class QPagedPaintDevice;

// What "Stampa" of the progress window puts on paper: for each exercise
// played in the period, its three charts and the table of the same figures.
struct ProgressiDaStampare
{
    QString intestazione;                 // "Progressi di Marco"
    QString periodo;                      // "dal 14/09/26 al 11/12/26"
    QList<EsercizioProgressi> esercizi;   // those with dates, menu order
    std::function<QString(const QString &esercizio)> nomeEsercizio;
    std::array<QString, 3> titoliFigure;  // level, right answers, ignored presses
    QString intestazioneData;
    QString formatoPagina;                // "Pagina %1 di %2"
    QLocale locale;
    QDate dal;                            // invalid: from the first date played
    QDate al;
    QString famiglia = QStringLiteral("Arial");
};

// How many table rows fit on a page: on an exercise's first page (under its
// charts) and on the pages after it. The pages of an exercise are its first
// page and as many more as its rows need.
struct RigheProgressiPerPagina
{
    int prima = 0;
    int seguenti = 0;
};
RigheProgressiPerPagina righePerPagina(const QSizeF &paginaMm);
int pagineEsercizio(int righe, const RigheProgressiPerPagina &capienza);

// Prints every exercise from a new page: the heading, the period and the
// exercise's name, its three charts side by side in black-and-white-safe
// colours, then its table (date and the three figures), going on over
// further pages that repeat the table's heading; each page numbered. False
// when the device cannot be painted on.
bool StampaProgressi(QPagedPaintDevice &stampante, const ProgressiDaStampare &progressi);
