#pragma once

#include "core/StoriaProgressi.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The figures the "Progressi" window shows, printed and exported: for each
// exercise, one point per date played.

// The periods a teacher can look at.
enum class PeriodoProgressi { QuattroSettimane, AnnoScolastico, Tutto };

// The first day of the period that ends today; an invalid date for
// "everything". The school year starts on the first of September.
QDate inizioPeriodo(PeriodoProgressi periodo, const QDate &oggi);

// What one exercise gave on one date, over all its segments of that date.
struct GiornoProgressi
{
    QDate data;
    int livelloMassimo = 0;
    int esatte = 0;
    int errate = 0;
    int ignorate = 0;
    int accettate = 0;
    int segmenti = 0;

    // Right answers in percent of the answers; none without answers.
    std::optional<double> quotaEsatte() const;
    // Ignored presses in every ten presses (ignored and accepted); none
    // without presses (the mouse).
    std::optional<double> ignoratePerDieci() const;
};

struct EsercizioProgressi
{
    QString esercizio; // window name, "FormEs1" ..
    QList<GiornoProgressi> giorni; // oldest first
};

// The exercises' window names in the order of the main menu's buttons.
const QStringList &eserciziInOrdine();
// The language key of an exercise's name ("0065" ..); empty for a name the
// program does not know.
QString chiaveNomeEsercizioStoria(const QString &esercizio);

// Groups segments by exercise (menu order; names the program does not know
// after, in alphabetical order) and by date.
QList<EsercizioProgressi> riepilogoProgressi(const QList<SegmentoStoria> &segmenti);

// A figure as the window and the page write it: "75 %", "1,5"; "–" for none.
QString testoQuota(const std::optional<double> &quota, const QLocale &locale);
QString testoPerDieci(const std::optional<double> &perDieci, const QLocale &locale);

// The export for a spreadsheet: UTF-8 with a byte-order mark, fields
// separated by semicolons, lines ended by CR LF, one row per segment under a
// heading row. Dates and times are written as the locale writes them; a
// field holding a semicolon, a quote or a line end is quoted.
struct TestiCsv
{
    QStringList intestazioni; // 12 headings, in column order
    std::function<QString(const QString &esercizio)> nomeEsercizio;
    std::function<QString(int modoInput)> nomeModo;
};
QByteArray csvProgressi(const QList<SegmentoStoria> &segmenti, const TestiCsv &testi, const QLocale &locale);
