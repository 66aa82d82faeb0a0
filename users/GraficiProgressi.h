#pragma once

#include "users/ModelloProgressi.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QLocale>

class QChart;

// The three figures drawn for an exercise over the dates played.
enum class FiguraProgressi { Livello, Esatte, Ignorate };

// How the charts look: the window's (or the page's) colours and fonts, the
// language's dates, and the dates the time axis spans.
struct StileGrafici
{
    QColor sfondo;
    QColor testo;
    QFont carattere;   // labels; the title is this, bold and a little larger
    QLocale locale;
    QDate dal;         // the period's first day; the first date played when invalid
    QDate al;          // the last day shown (today)
};

// The colour of each figure's line, the same on screen and on paper.
QColor coloreFigura(FiguraProgressi figura);

// The value a figure has on a day; none where it cannot be told (no answer,
// no switch press).
std::optional<double> valoreFigura(FiguraProgressi figura, const GiornoProgressi &giorno);

// A chart of one figure: one point per date played (x the date's start in
// ms since the epoch, y the value), joined by a line; no legend.
QChart *creaGraficoProgressi(FiguraProgressi figura, const QList<GiornoProgressi> &giorni, const QString &titolo,
                             const StileGrafici &stile);

// The time axis's dates: day and month in the locale's order ("14/09", "9/14").
QString formatoDataBreve(const QLocale &locale);
