#pragma once

#include "core/Casuale.h"

#include <QList>
#include <QRandomGenerator>

// A scripted source that, once its script is spent, keeps answering with
// values that let any redraw loop end, and counts those extra draws: a draw
// order different from the expected one shows as a wrong sentence or as
// draws left over or taken beyond the script.
class Copione : public FonteScriptata
{
public:
    explicit Copione(const QList<double> &valori)
    {
        for (double v : valori)
            aggiungi(v);
    }
    double r() override
    {
        if (esaurita()) {
            ++m_oltre;
            return 0.1 + 0.25 * (m_oltre % 4);
        }
        return FonteScriptata::r();
    }
    int oltre() const { return m_oltre; }

private:
    int m_oltre = 0;
};

// A source that draws like the program's but from a fixed seed, so a test
// that plays many items sees the same ones at every run.
class FonteSeme : public FonteCasuale
{
public:
    explicit FonteSeme(quint32 seme) : m_generatore(seme) {}
    double r() override { return m_generatore.generateDouble(); }

private:
    QRandomGenerator m_generatore;
};

// The r that makes each kind of draw give k.
inline double parte(int k) { return (k - 0.5) / 8; }  // part 1..8
inline double colore(int k) { return (k - 0.5) / 4; } // slot 1..4
inline double bit(int k) { return (k + 0.5) / 2; }    // truth, polarity, presence 0/1
