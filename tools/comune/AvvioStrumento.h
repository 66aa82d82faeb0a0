#pragma once

// Start-up for the project's tools and benchmarks: the program's shared
// state is prepared as at a real start, but with the settings in a
// temporary folder (the user's own are never touched) and messages silenced.

#include "core/Avvio.h"
#include "platform/Messaggi.h"

#include <QLockFile>
#include <QTemporaryDir>

class AvvioStrumento
{
public:
    AvvioStrumento()
    {
        qputenv("XDG_CONFIG_HOME", m_casa.filePath(QStringLiteral("config")).toUtf8());
        impostaMessaggi(&m_silenzio);
        m_avvio = AvvioProgramma();
    }
    ~AvvioStrumento() { impostaMessaggi(nullptr); }

    bool pronto() const { return m_avvio.esito == EsitoAvvio::Continua; }

private:
    class Silenzio : public Messaggi
    {
    public:
        void mostra(const QString &, const QString &, IconaMessaggio) override {}
        RispostaDomanda domanda(const QString &, const QString &, PulsantiDomanda pulsanti,
                                IconaMessaggio) override
        {
            return pulsanti == PulsantiDomanda::SiNoAnnulla ? RispostaDomanda::Annulla : RispostaDomanda::No;
        }
        QString chiedi(const QString &, const QString &, bool *annullato) override
        {
            *annullato = true;
            return QString();
        }
    };

    QTemporaryDir m_casa;
    Silenzio m_silenzio;
    Avvio m_avvio;
};
