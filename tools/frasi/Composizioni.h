#pragma once

#include "core/Impostazioni.h"
#include "vocabulary/Parole.h"

#include <QString>

#include <functional>
#include <utility>

// The sentences of the exercises, joined exactly as the exercise windows join
// them: word-table entries (with their spaces), colour words and message texts.
// Only the joining lives here; which items an exercise draws is its own.

// The words of one language: the word table, the colour words and the
// message texts as stored in the language file.
class Vocabolario
{
public:
    Vocabolario(const TabellaParoleTipo &parole, const TabellaColoriTipo &colori,
                std::function<QString(const QString &)> testo);

    QString W(int voce) const;              // entry 0..34 of the word table
    QString T(const QString &chiave) const; // message text, as stored
    QString C(int slot, int forma) const;   // colour word of slot 1..4, form 1..4
    const TabellaParoleTipo &parole() const { return m_parole; }

private:
    TabellaParoleTipo m_parole;
    TabellaColoriTipo m_colori;
    std::function<QString(const QString &)> m_testo;
};

// Text case of the sentences: capitals, or lower case with a capital first
// character (the exercises that set the case of the whole sentence).
QString conIniziale(const QString &frase, bool maiuscolo);

// "Vero o falso": one clause. Parts 1..6 name a colour slot with the
// affirmative or the negative subject; parts 7 and 8 state presence or absence.
struct Clausola
{
    int parte = 1;
    bool affermativa = true; // parts 1..6
    int valore = 1;          // slot 1..4 for parts 1..6, 0 absent / 1 present for 7 and 8
};
QString clausolaVeroFalso(const Vocabolario &v, const Clausola &c);
// The shown sentence: one clause, or two joined by the joining word with the
// second in lower case; case rule, then the full stop.
QString fraseVeroFalso(const Vocabolario &v, const Clausola &prima, bool maiuscolo);
QString fraseVeroFalso(const Vocabolario &v, const Clausola &prima, const Clausola &seconda,
                       bool maiuscolo);

