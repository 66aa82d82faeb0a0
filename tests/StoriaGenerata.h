#pragma once

#include "core/StoriaProgressi.h"

#include <QList>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>

// A school year of one child's daily play, the same for a given seed: on
// each school day (Monday to Friday, September to June) one to three of the
// eight exercises, each a run of a few level segments that climbs slowly over
// the year; some weeks with the mouse, the rest with switches whose
// acceptance and debounce times ignore a share of the presses. Some 2,000
// segments.
inline QList<SegmentoStoria> annoGenerato(quint32 seme, const QDate &primoGiorno = QDate(2025, 9, 15),
                                          const QDate &ultimoGiorno = QDate(2026, 6, 10))
{
    static const QStringList esercizi = {
        QStringLiteral("FormEs1"), QStringLiteral("FormEs2"), QStringLiteral("FormEs8"), QStringLiteral("FormEs3"),
        QStringLiteral("FormEs4"), QStringLiteral("FormEs5"), QStringLiteral("FormEs6"), QStringLiteral("FormEs7"),
    };
    QRandomGenerator caso(seme);
    QList<SegmentoStoria> anno;
    const int giorniTotali = int(primoGiorno.daysTo(ultimoGiorno)) + 1;
    for (QDate giorno = primoGiorno; giorno <= ultimoGiorno; giorno = giorno.addDays(1)) {
        if (giorno.dayOfWeek() > 5)
            continue;
        const double avanzamento = double(primoGiorno.daysTo(giorno)) / giorniTotali;
        const bool mouse = (giorno.weekNumber() % 5) == 0;
        QTime ora(9, 0);
        const int quanti = 2 + int(caso.bounded(2));
        for (int e = 0; e < quanti; ++e) {
            const QString esercizio = esercizi.at(int(caso.bounded(int(esercizi.size()))));
            int livello = 1 + int(avanzamento * 3 * (0.6 + caso.generateDouble() * 0.4));
            const int segmenti = 3 + int(caso.bounded(4));
            for (int s = 0; s < segmenti; ++s) {
                SegmentoStoria seg;
                seg.esercizio = esercizio;
                seg.livello = std::clamp(livello, 1, 4);
                seg.esatte = 3 + int(caso.bounded(8 + int(avanzamento * 6)));
                seg.errate = int(caso.bounded(5));
                seg.modoInput = mouse ? 0 : 1 + int(caso.bounded(3));
                if (!mouse) {
                    seg.accettazioneMs = 300;
                    seg.antirimbalzoMs = 200;
                    seg.accettate = (seg.esatte + seg.errate) * (2 + int(caso.bounded(3)));
                    seg.ignorate = int(caso.bounded(1 + int((1 - avanzamento) * 8)));
                }
                seg.durataMs = 30000 + caso.bounded(150000);
                seg.inizio = QDateTime(giorno, ora);
                ora = ora.addMSecs(int(seg.durataMs) + 1000);
                anno.append(seg);
                if (seg.esatte - seg.errate >= 6)
                    ++livello;
            }
            ora = ora.addSecs(600);
        }
    }
    return anno;
}
