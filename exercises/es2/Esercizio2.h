#pragma once

#include "core/Casuale.h"
#include "core/Impostazioni.h"
#include "vocabulary/Parole.h"

#include <QString>

#include <array>
#include <utility>

// "Uguale - diverso": two houses painted from one draw, each part alike in
// both or different, and an open sentence about one part, affirmative or
// negative; the child completes it with the word for same or the word for
// different. This class draws the pair of houses, composes the sentences of
// the three levels with their answer words and checks the answers; FormEs2
// paints the pictures, shows the sentence and counts.
//
// Every draw goes through the given source, in a fixed order that the tests
// replay. The word and colour tables must outlive the exercise.
class Esercizio2
{
public:
    static constexpr int kLivelli = 3;
    static constexpr int kFrasiPerCoppia = 4;

    // Index of the button: the two answers and the next-item button.
    enum Pulsante { Uguali = 0, Diversi = 1, Avanti = 2 };
    enum class Esito { Esatta, Errata, ProssimoEsercizio };

    Esercizio2(FonteCasuale &fonte, const TabellaParoleTipo &parole, const TabellaColoriTipo &colori);

    // The exercise's part of a new item, after any automatic level change:
    // a new pair every fourth item, then the sentence of the level (1..3)
    // and the answer words, in capitals when stileTesto is "maiuscolo",
    // otherwise as fetched, with no full stop.
    void GeneraEsercizio(int livello, const QString &stileTesto);
    // The next item paints a new pair (opening of the window, reward).
    void azzeraContatoreFrasi() { m_contatoreFrasi = 0; }

    Esito valutaRisposta(int indice) const;

    // The composition, shared with the tools that print every sentence.
    // The open sentence: the part's subject entry as fetched.
    static QString fraseAperta(const TabellaParoleTipo &parole, int parte, bool affermativa);
    // The words of the two answer buttons (same, different) that agree with the part.
    static std::pair<QString, QString> didascalie(const TabellaParoleTipo &parole, int parte);
    // The text case of the sentence and of the answer words.
    static QString applicaStile(const QString &testo, const QString &stileTesto);
    // The sentence completed by the chosen word: one space between them
    // (the subject entries already end in one).
    static QString completa(const TabellaParoleTipo &parole, const QString &frase, const QString &parola);

    // The current item.
    const QString &frase() const { return m_fraseCompleta; }
    const QString &didascalia(int indice) const { return m_didascalie[indice == Diversi ? 1 : 0]; }
    int Parte() const { return m_parte; }
    bool affermativa() const { return m_affermativa; }
    int rispostaGiusta() const { return m_rispostaParte[m_parte]; }
    bool coppiaNuova() const { return m_coppiaNuova; }
    int contatoreFrasi() const { return m_contatoreFrasi; }
    bool Chiesta(int parte) const;

    // The pair: slot 1..4 of parts 1..6, presence 0/1 of smoke (7) and
    // clouds (8), for house 0 (left) and 1 (right).
    int Colore(int parte, int casa) const;
    QString esadecimale(int parte, int casa) const;
    QString sfondo() const;

    // The steps of an item, public so that each can be driven on its own.
    void ImpostaColori();
    void ScriviFrase(int livello);
    void ScriviFrase1();
    void ScriviFrase2();
    void ScriviFrase3();
    void ComponiFrasePositiva();
    void ComponiFraseNegativa();

private:
    void scegliParte();

    FonteCasuale &m_fonte;
    const TabellaParoleTipo &m_parole;
    const TabellaColoriTipo &m_colori;

    std::array<std::array<int, 2>, 9> m_colore{}; // [part][house]; part 0 unused
    std::array<int, 9> m_rispostaParte{};         // RispostaParte(1..8)
    std::array<bool, 9> m_chiesta{};              // Chiesta(1..8)
    int m_contatoreFrasi = 0;
    bool m_coppiaNuova = false;
    int m_parte = Tetto;
    bool m_affermativa = true;
    QString m_frase;
    QString m_fraseCompleta;
    QString m_didascalie[2];
};
