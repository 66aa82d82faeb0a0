#include "users/ModelloProgressi.h"

#include <QMap>

#include <algorithm>

namespace {

constexpr int kPrimoMeseAnnoScolastico = 9;

QString campoCsv(const QString &testo)
{
    if (!testo.contains(QLatin1Char(';')) && !testo.contains(QLatin1Char('"')) && !testo.contains(QLatin1Char('\n'))
        && !testo.contains(QLatin1Char('\r')))
        return testo;
    QString citato = testo;
    citato.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + citato + QLatin1Char('"');
}

} // namespace

QDate inizioPeriodo(PeriodoProgressi periodo, const QDate &oggi)
{
    switch (periodo) {
    case PeriodoProgressi::QuattroSettimane:
        return oggi.addDays(-27);
    case PeriodoProgressi::AnnoScolastico: {
        const int anno = oggi.month() >= kPrimoMeseAnnoScolastico ? oggi.year() : oggi.year() - 1;
        return QDate(anno, kPrimoMeseAnnoScolastico, 1);
    }
    case PeriodoProgressi::Tutto:
        break;
    }
    return QDate();
}

std::optional<double> GiornoProgressi::quotaEsatte() const
{
    const int risposte = esatte + errate;
    if (risposte <= 0)
        return std::nullopt;
    return 100.0 * esatte / risposte;
}

std::optional<double> GiornoProgressi::ignoratePerDieci() const
{
    const int pressioni = ignorate + accettate;
    if (pressioni <= 0)
        return std::nullopt;
    return 10.0 * ignorate / pressioni;
}

const QStringList &eserciziInOrdine()
{
    static const QStringList ordine = {
        QStringLiteral("FormEs1"), QStringLiteral("FormEs2"), QStringLiteral("FormEs8"), QStringLiteral("FormEs3"),
        QStringLiteral("FormEs4"), QStringLiteral("FormEs5"), QStringLiteral("FormEs6"), QStringLiteral("FormEs7"),
    };
    return ordine;
}

QString chiaveNomeEsercizioStoria(const QString &esercizio)
{
    // The menu's names of the exercises, by button.
    const int indice = eserciziInOrdine().indexOf(esercizio);
    if (indice < 0)
        return QString();
    return QStringLiteral("%1").arg(65 + indice, 4, 10, QLatin1Char('0'));
}

QList<EsercizioProgressi> riepilogoProgressi(const QList<SegmentoStoria> &segmenti)
{
    QMap<QString, QMap<QDate, GiornoProgressi>> perEsercizio;
    for (const SegmentoStoria &s : segmenti) {
        const QDate data = s.inizio.date();
        GiornoProgressi &g = perEsercizio[s.esercizio][data];
        g.data = data;
        g.livelloMassimo = std::max(g.livelloMassimo, s.livello);
        g.esatte += s.esatte;
        g.errate += s.errate;
        g.ignorate += s.ignorate;
        g.accettate += s.accettate;
        ++g.segmenti;
    }
    QStringList nomi = perEsercizio.keys();
    std::stable_sort(nomi.begin(), nomi.end(), [](const QString &a, const QString &b) {
        const auto posto = [](const QString &n) {
            const int i = eserciziInOrdine().indexOf(n);
            return i < 0 ? int(eserciziInOrdine().size()) : i;
        };
        return posto(a) < posto(b);
    });
    QList<EsercizioProgressi> riepilogo;
    for (const QString &nome : std::as_const(nomi))
        riepilogo.append({nome, perEsercizio.value(nome).values()});
    return riepilogo;
}

QString testoQuota(const std::optional<double> &quota, const QLocale &locale)
{
    if (!quota)
        return QStringLiteral("\u2013");
    return locale.toString(qRound(*quota)) + QStringLiteral("\u00a0%");
}

QString testoPerDieci(const std::optional<double> &perDieci, const QLocale &locale)
{
    if (!perDieci)
        return QStringLiteral("\u2013");
    return locale.toString(*perDieci, 'f', 1);
}

QByteArray csvProgressi(const QList<SegmentoStoria> &segmenti, const TestiCsv &testi, const QLocale &locale)
{
    QStringList righe;
    QStringList intestazioni;
    for (const QString &t : testi.intestazioni)
        intestazioni << campoCsv(t);
    righe << intestazioni.join(QLatin1Char(';'));
    for (const SegmentoStoria &s : segmenti) {
        const QStringList campi = {
            locale.toString(s.inizio.date(), QLocale::ShortFormat),
            locale.toString(s.inizio.time(), QLocale::ShortFormat),
            testi.nomeEsercizio ? testi.nomeEsercizio(s.esercizio) : s.esercizio,
            QString::number(s.livello),
            QString::number(s.esatte),
            QString::number(s.errate),
            QString::number(s.ignorate),
            QString::number(s.accettate),
            QString::number((s.durataMs + 500) / 1000),
            testi.nomeModo ? testi.nomeModo(s.modoInput) : QString::number(s.modoInput),
            QString::number(s.accettazioneMs),
            QString::number(s.antirimbalzoMs),
        };
        QStringList citati;
        for (const QString &c : campi)
            citati << campoCsv(c);
        righe << citati.join(QLatin1Char(';'));
    }
    QByteArray byte("\xEF\xBB\xBF");
    for (const QString &r : std::as_const(righe))
        byte += r.toUtf8() + "\r\n";
    return byte;
}
