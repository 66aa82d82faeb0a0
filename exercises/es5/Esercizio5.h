#pragma once

#include "core/Casuale.h"
#include "core/Impostazioni.h"
#include "vocabulary/Parole.h"

#include <QString>

#include <array>
#include <functional>

// "Insiemi": a sentence states one fact about a house (a part's colour, or
// whether there is smoke or there are clouds), or two facts that must both
// hold, at least one of which must hold, or exactly one of which must hold.
// Houses are drawn one at a time, each made true or false of the sentence by
// a fair draw; the child sends each to the box of the houses the sentence is
// true of or to the box of the others. A right answer adds a small copy to
// its box; the item ends when a box holds ten houses.
//
// This class draws the facts and the houses, composes the sentences and
// judges the answers; FormEs5 paints the houses and the boxes. Every draw
// goes through the given source in a fixed order that the tests replay. The
// word and colour tables are read when they are needed, so they must outlive
// the exercise.
class Esercizio5
{
public:
    static constexpr int kLivelli = 4;
    static constexpr int kSogliaSalita = 20;
    static constexpr int kCasePerScatola = 10;

    // Index of the button that answers: the left box holds the houses the
    // sentence is true of, the right box the others.
    enum Pulsante { ScatolaSi = 0, ScatolaNo = 1, Avanti = 2 };
    enum class Esito { Esatta, Errata, ProssimoEsercizio };

    // A fact: a coloured part 1..6 with a colour slot 1..4, or the smoke (7)
    // or the clouds (8) with 1 present, 0 absent.
    struct Fatto
    {
        int parte = Tetto;
        int valore = 1;
    };

    // Part values of a house, index 1..8 as the parts; index 0 unused.
    using ValoriCasa = std::array<int, 9>;

    // testo looks up a message key; empty means the current language file.
    Esercizio5(FonteCasuale &fonte, const TabellaParoleTipo &parole, const TabellaColoriTipo &colori,
               std::function<QString(const QString &)> testo = {});

    // The exercise's part of a new item, after any automatic level change:
    // both boxes empty, the facts of the level (1..4) drawn and the sentence
    // written with its case and full stop, then the first house to sort.
    void GeneraEsercizio(int livello, const QString &stileTesto);

    // A new house to sort for the same sentence, true or false of it with
    // equal chance.
    void ImpostaColori();

    // The answer given with button `indice` (mouse click or scanning select).
    Esito valutaRisposta(int indice) const;
    // After a right answer: a copy of the house goes into its box. Returns
    // the place (0..9) of the copy in that box, -1 when the box is already
    // full.
    int aggiungiCasa();
    // The item is over: one box holds ten houses.
    bool scatolaPiena() const;

    // The sentence of a level about two facts (the second unused at level 1),
    // in the case of the text style and with its full stop.
    QString componiFrase(int livello, const Fatto &primo, const Fatto &secondo, const QString &stileTesto) const;
    // The clauses: the first fact, and the second fact as levels 2, 3 and 4 join it.
    QString ComponiFrasePositiva1(const Fatto &f) const;
    QString ComponiFrasePositiva2(const Fatto &f) const;
    QString ComponiFrasePositiva3(const Fatto &f) const;
    QString ComponiFrasePositiva4(const Fatto &f) const;

    // Whether a fact holds of a house, and whether the current sentence is
    // true of it.
    static bool vale(const Fatto &f, const ValoriCasa &casa);
    bool veraPer(const ValoriCasa &casa) const;

    // The current item.
    int livello() const { return m_livello; }
    const QString &frase() const { return m_frase; }
    const Fatto &fatto1() const { return m_fatto1; }
    const Fatto &fatto2() const { return m_fatto2; }
    int RispostaGiusta() const { return m_rispostaGiusta; }
    int NumeroSi() const { return m_numeroSi; }
    int NumeroNo() const { return m_numeroNo; }

    // The house to sort.
    const ValoriCasa &valoriCasa() const { return m_casa; }
    // RRGGBB of the slot of a coloured part 1..6, and of the picture background.
    QString esadecimaleParte(int parte) const;
    QString sfondo() const;
    bool fumo() const { return m_casa[Fumo] != 0; }
    bool nuvole() const { return m_casa[Nuvole] != 0; }

private:
    void ScriviFrase(int livello);
    int valoreACaso(int parte);
    void ridisegna();
    void imponi(const Fatto &f) { m_casa[f.parte] = f.valore; }
    QString W(int voce) const;
    QString T(const char *chiave) const;
    QString C(int slot, int parte) const;

    FonteCasuale &m_fonte;
    const TabellaParoleTipo &m_parole;
    const TabellaColoriTipo &m_colori;
    std::function<QString(const QString &)> m_testo;

    int m_livello = 1;
    Fatto m_fatto1;
    Fatto m_fatto2;
    QString m_frase;
    ValoriCasa m_casa{};
    int m_rispostaGiusta = ScatolaSi;
    int m_numeroSi = 0;
    int m_numeroNo = 0;
};
