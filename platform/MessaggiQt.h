#pragma once

#include "platform/Messaggi.h"

// Message and input boxes shown as Qt dialogs.
class MessaggiQt : public Messaggi
{
public:
    void mostra(const QString &testo, const QString &titolo) override;
    QString chiedi(const QString &domanda, const QString &titolo, bool *annullato) override;
};
