#pragma once

#include "platform/Messaggi.h"

// Message, question and input boxes shown as Qt dialogs.
class MessaggiQt : public Messaggi
{
public:
    void mostra(const QString &testo, const QString &titolo, IconaMessaggio icona) override;
    RispostaDomanda domanda(const QString &testo, const QString &titolo, PulsantiDomanda pulsanti,
                            IconaMessaggio icona) override;
    QString chiedi(const QString &domanda, const QString &titolo, bool *annullato) override;
};
