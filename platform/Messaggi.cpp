#include "platform/Messaggi.h"

namespace {
// Before the windows install the real boxes, messages go to the error stream
// so that nothing is lost silently.
class MessaggiSuTerminale : public Messaggi
{
public:
    void mostra(const QString &testo, const QString &titolo, IconaMessaggio) override
    {
        qWarning("%s: %s", qUtf8Printable(titolo), qUtf8Printable(testo));
    }
    // Nobody can answer: the safe choice is the one that does nothing.
    RispostaDomanda domanda(const QString &testo, const QString &titolo, PulsantiDomanda pulsanti,
                            IconaMessaggio) override
    {
        qWarning("%s: %s", qUtf8Printable(titolo), qUtf8Printable(testo));
        return pulsanti == PulsantiDomanda::SiNoAnnulla ? RispostaDomanda::Annulla : RispostaDomanda::No;
    }
    QString chiedi(const QString &, const QString &, bool *annullato) override
    {
        if (annullato)
            *annullato = true;
        return QString();
    }
};
Messaggi *g_messaggi = nullptr;
} // namespace

Messaggi &messaggi()
{
    static MessaggiSuTerminale terminale;
    return g_messaggi ? *g_messaggi : terminale;
}

void impostaMessaggi(Messaggi *m)
{
    g_messaggi = m;
}
