#pragma once

#include "platform/Messaggi.h"

#include <QList>
#include <QStringList>

// Records every message instead of showing it, answers input boxes from a
// queue (an answer of "\x18" cancels) and question boxes from another queue
// (when it is empty a question is answered with its "do nothing" choice:
// No, or Cancel when the box has one).
class MessaggiFinti : public Messaggi
{
public:
    static inline const QString kAnnulla = QStringLiteral("\x18");

    MessaggiFinti() { impostaMessaggi(this); }
    ~MessaggiFinti() override { impostaMessaggi(nullptr); }

    void mostra(const QString &testo, const QString &titolo, IconaMessaggio icona) override
    {
        mostrati << testo;
        titoli << titolo;
        icone << icona;
    }
    RispostaDomanda domanda(const QString &testo, const QString &titolo, PulsantiDomanda pulsanti,
                            IconaMessaggio icona) override
    {
        domandeSiNo << testo;
        titoliDomande << titolo;
        pulsantiDomande << pulsanti;
        iconeDomande << icona;
        if (!risposteSiNo.isEmpty())
            return risposteSiNo.takeFirst();
        return pulsanti == PulsantiDomanda::SiNoAnnulla ? RispostaDomanda::Annulla : RispostaDomanda::No;
    }
    QString chiedi(const QString &domanda, const QString &, bool *annullato) override
    {
        domande << domanda;
        const QString risposta = risposte.isEmpty() ? kAnnulla : risposte.takeFirst();
        if (annullato)
            *annullato = (risposta == kAnnulla);
        return risposta == kAnnulla ? QString() : risposta;
    }

    // Messages shown (OK boxes).
    QStringList mostrati;
    QStringList titoli;
    QList<IconaMessaggio> icone;
    // Question boxes (Yes/No, Yes/No/Cancel) and the answers they get.
    QStringList domandeSiNo;
    QStringList titoliDomande;
    QList<PulsantiDomanda> pulsantiDomande;
    QList<IconaMessaggio> iconeDomande;
    QList<RispostaDomanda> risposteSiNo;
    // Input boxes and their answers.
    QStringList domande;
    QStringList risposte;
};
