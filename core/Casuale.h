#pragma once

#include <QRandomGenerator>

#include <deque>

// The one source of random draws. Every draw of the program is a number r in
// [0, 1); a value in 0..n-1 is Int(r * n) and in 1..n it is Int(r * n) + 1.
// Logic classes receive a source; tests replace it with a scripted sequence
// and so check the exact order of the draws.
class FonteCasuale
{
public:
    virtual ~FonteCasuale() = default;

    // A uniform number in [0, 1).
    virtual double r() = 0;

    // A whole number in 0..n-1.
    int daZero(int n) { return static_cast<int>(r() * n); }
    // A whole number in 1..n.
    int daUno(int n) { return static_cast<int>(r() * n) + 1; }
};

// The program's source, seeded from the clock.
class FonteOrologio : public FonteCasuale
{
public:
    FonteOrologio();
    double r() override;
    void seminaDallOrologio();

private:
    QRandomGenerator m_generatore;
};

// A source that returns the given values in order, then repeats the last one
// (an empty list gives 0). Used by tests and tools to replay a draw order.
class FonteScriptata : public FonteCasuale
{
public:
    FonteScriptata() = default;
    explicit FonteScriptata(std::initializer_list<double> valori);
    void aggiungi(double valore);
    double r() override;
    int estrazioni() const { return m_estrazioni; }
    bool esaurita() const { return m_valori.empty(); }

private:
    std::deque<double> m_valori;
    double m_ultimo = 0.0;
    int m_estrazioni = 0;
};

// The shared source of the running program. Windows take it from here and hand
// it to their logic classes; a test may install its own for a window.
FonteCasuale &fonteCasuale();
void impostaFonteCasuale(FonteCasuale *fonte); // nullptr restores the clock source
