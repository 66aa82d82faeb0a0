#pragma once

#include "platform/Messaggi.h"

#include <QStringList>

// Records every message instead of showing it, and answers input boxes from
// a queue (an answer of nullptr-like "\x18" cancels).
class MessaggiFinti : public Messaggi
{
public:
    static inline const QString kAnnulla = QStringLiteral("\x18");

    MessaggiFinti() { impostaMessaggi(this); }
    ~MessaggiFinti() override { impostaMessaggi(nullptr); }

    void mostra(const QString &testo, const QString &titolo) override
    {
        mostrati << testo;
        titoli << titolo;
    }
    QString chiedi(const QString &domanda, const QString &, bool *annullato) override
    {
        domande << domanda;
        const QString risposta = risposte.isEmpty() ? kAnnulla : risposte.takeFirst();
        if (annullato)
            *annullato = (risposta == kAnnulla);
        return risposta == kAnnulla ? QString() : risposta;
    }

    QStringList mostrati;
    QStringList titoli;
    QStringList domande;
    QStringList risposte;
};
