#pragma once

#include "core/Casuale.h"
#include "core/Impostazioni.h"
#include "vocabulary/Parole.h"

#include <QString>

#include <array>

// "Vero o falso": one house painted with random colour slots and a sentence
// about it that the child judges true or false. This class draws the house,
// composes the sentences of the six levels with their truth and checks the
// answers; FormEs1 paints the picture, shows the sentence and counts.
//
// Every draw goes through the given source, in a fixed order that the tests
// replay. The word and colour tables are read when they are needed, so they
// must outlive the exercise (the window passes the shared ones).
class Esercizio1
{
public:
    static constexpr int kLivelli = 6;
    static constexpr int kFrasiPerCasa = 4;

    // Index of the button that answers an item.
    enum Pulsante { Vero = 0, Falso = 1, Avanti = 2 };
    enum class Esito { Esatta, Errata, ProssimoEsercizio };

    Esercizio1(FonteCasuale &fonte, const TabellaParoleTipo &parole,
               const TabellaColoriTipo &colori);

    // The exercise's part of a new item, after any automatic level change:
    // a new house every fourth item, then the sentence of the level (1..6)
    // with its truth, put in capitals when stileTesto is "maiuscolo" and
    // otherwise in lower case with a capital first letter, and a full stop.
    void GeneraEsercizio(int livello, const QString &stileTesto);

    // The next item paints a new house (opening of the window, reward).
    void azzeraContatoreFrasi() { m_contatoreFrasi = 0; }

    // The answer given with button `indice` (mouse click or scanning select).
    Esito valutaRisposta(int indice) const;

    // The current item.
    const QString &frase() const { return m_fraseCompleta; }
    int rispostaGiusta() const { return m_rispostaGiusta; } // Vero or Falso
    bool casaNuova() const { return m_casaNuova; } // this item repainted the house
    int contatoreFrasi() const { return m_contatoreFrasi; }
    int livello() const { return m_livello; }

    // The house: slot 1..4 of parts 1..6, presence 0/1 of smoke (7) and clouds (8).
    int colore(int parte) const;
    // RRGGBB of the slot of a coloured part 1..6, and of the picture background.
    QString esadecimaleParte(int parte) const;
    QString sfondo() const;
    bool fumo() const { return m_colore[Fumo] != 0; }
    bool nuvole() const { return m_colore[Nuvole] != 0; }

    // The steps of an item, public so that each can be driven on its own.
    void ImpostaColori();
    void ScriviFrase(int livello);
    void ScriviFrase1();
    void ScriviFrase2();
    void ScriviFrase3();
    void ScriviFrase4();
    void ScriviFrase5();
    void ScriviFrase6();
    // Compose `Frase` about `m_parte`; m_rispostaGiusta holds the clause's own
    // truth (Vero or Falso).
    void ComponiFrasePositiva();
    void ComponiFraseNegativa();

private:
    enum class Polarita { Affermativa, Negativa, ACaso };
    void ScriviDueFrasi(Polarita polarita);
    void componiFrase(Polarita polarita);
    int coloreDiverso(int colore);
    QString parolaColore(int slot, int parte) const;
    QString frasePresenza() const;

    FonteCasuale &m_fonte;
    const TabellaParoleTipo &m_parole;
    const TabellaColoriTipo &m_colori;

    std::array<int, 9> m_colore{}; // Colore(1..8); index 0 unused
    int m_contatoreFrasi = 0;
    bool m_casaNuova = false;
    int m_livello = 1;
    int m_rispostaGiusta = Vero;
    int m_parte = Tetto;
    QString m_frase;
    QString m_fraseCompleta;
};
