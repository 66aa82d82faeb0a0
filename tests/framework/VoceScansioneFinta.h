#pragma once

#include "platform/VoceScansione.h"

#include <QStringList>

// The scanning voice for tests: nothing is heard; each name said is kept in
// `detti`, and each silencing writes "-" there, so a test sees the order.
class VoceScansioneFinta : public VoceScansione
{
public:
    VoceScansioneFinta() { impostaVoceScansione(this); }
    ~VoceScansioneFinta() override { impostaVoceScansione(nullptr); }

    void di(const QString &testo, int) override { detti << testo; }
    void taci() override
    {
        if (detti.isEmpty() || detti.constLast() != QLatin1String("-"))
            detti << QStringLiteral("-");
    }
    // The names only, silencings left out.
    QStringList nomi() const
    {
        QStringList n = detti;
        n.removeAll(QStringLiteral("-"));
        return n;
    }

    QStringList detti;
};
