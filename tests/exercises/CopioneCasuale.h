#pragma once

#include "core/Casuale.h"

#include <QList>

// A scripted source that, once its script is spent, keeps answering with
// values that let any redraw loop end (they walk round every eighth of
// [0, 1)), and counts those extra draws: a draw order other than the
// expected one shows as wrong values, or as draws left over or taken beyond
// the script.
class Copione : public FonteScriptata
{
public:
    explicit Copione(const QList<double> &valori = {})
    {
        for (double v : valori)
            aggiungi(v);
    }
    double r() override
    {
        if (esaurita()) {
            ++m_oltre;
            return ((m_oltre * 3) % 8 + 0.5) / 8;
        }
        return FonteScriptata::r();
    }
    int oltre() const { return m_oltre; }

private:
    int m_oltre = 0;
};
