#pragma once

#include "core/Casuale.h"
#include "core/Impostazioni.h"
#include "vocabulary/Parole.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

// "Trova gli intrusi" and "Indovina chi?" share one game: a set of houses
// painted at random (2 to 12 by level) and eight sentences that describe one
// of them, the model: the colour of its six coloured parts and whether it has
// smoke and clouds. This class draws the houses, keeps the model's values and
// composes the sentences; the two exercises add how a house is answered.
//
// Draw order, which the tests replay: the model's index; then for each house
// in index order its six colour slots (chimney to step), smoke, clouds; then
// any intruder painted exactly like the model is drawn again, in index order,
// until it differs; then the eight sentences' order.
class EsercizioCaratteristiche
{
public:
    static constexpr int kLivelli = 5;
    static constexpr int kSogliaSalita = 18;
    static constexpr int kMassimoCase = 12;
    static constexpr int kCaratteristiche = 8;

    // Values of one house for characteristics 1..8 (index 0 unused): colour
    // slots 1..4 for parts 1..6, 0 absent / 1 present for smoke and clouds.
    using Valori = std::array<int, 9>;

    // nuvoleAssenti is the sentence of a model without clouds: it differs
    // between the two exercises (message key "0104" or "0081").
    EsercizioCaratteristiche(FonteCasuale &fonte, const TabellaParoleTipo &parole,
                             const TabellaColoriTipo &colori, QString nuvoleAssenti);

    // Houses shown at a level 1..5: 2, 4, 6, 9, 12; and houses per grid row: 2, 2, 3, 3, 4.
    static int numeroCase(int livello);
    static int casePerRiga(int livello);

    // Paints numeroCase houses: the model's index, every house's values, and
    // a new draw for any intruder that came out the twin of the model.
    void ImpostaColori(int numeroCase);
    // The eight sentences of the model in a random order, one per line, with
    // the case rule of the setting ("maiuscolo": capitals; otherwise lower
    // case with a capital first letter) and a full stop.
    void ScriviFrase(const QString &stileTesto);
    // The sentence of characteristic 1..8 of the model, as composed (no case
    // rule, no full stop): the subject and the agreeing colour word, or the
    // presence phrase of smoke and clouds.
    QString ComponiFrasePositiva(int caratteristica) const;
    // The same sentence for any value of the characteristic (slot 1..4, or
    // 0 absent / 1 present), and a sentence as the list writes it.
    QString fraseCaratteristica(int caratteristica, int valore) const;
    static QString rigaScritta(const QString &frase, const QString &stileTesto);

    int NumeroCase() const { return m_numeroCase; }
    int Modello() const { return m_modello; }
    const Valori &ColoriModello() const { return m_valori.at(static_cast<size_t>(m_modello)); }
    const Valori &valori(int casa) const { return m_valori.at(static_cast<size_t>(casa)); }
    // RRGGBB of a coloured part 1..6 of a house, and of the picture background.
    QString esadecimale(int casa, int parte) const;
    QString sfondo() const;

    // Text1: the written lines, in the order drawn, each ending with ".".
    const QStringList &righe() const { return m_righe; }
    // The same as one text, each line closed by carriage return and line feed.
    QString testo() const;
    // Frasi(0..7): the sentence of characteristic k+1, chimney first.
    QString Frasi(int indice) const;

    // Reading in turn: the slot of Frasi the character reads next.
    int ProssimaFrase() const { return m_prossimaFrase; }
    void impostaProssimaFrase(int indice) { m_prossimaFrase = ((indice % 8) + 8) % 8; }
    // The sentence to read now; ProssimaFrase moves on, from the clouds back to the chimney.
    QString fraseDaLeggere();

    // The house a vertical move of the keyboard reaches from posizione at a
    // level (verso +1 down, -1 up): one grid row at a time, wrapping within
    // the column; a house that is not shown is passed over by repeating the
    // step, at most rows - 1 times. Where no shown house is found, and at
    // level 1 (one row), the highlight stays where it was.
    static int spostamentoVerticale(int livello, int posizione, int verso,
                                    const std::function<bool(int)> &mostrata);

private:
    Valori disegnaCasa();

    FonteCasuale &m_fonte;
    const TabellaParoleTipo &m_parole;
    const TabellaColoriTipo &m_colori;
    QString m_nuvoleAssenti;

    int m_numeroCase = 0;
    int m_modello = 0;
    std::vector<Valori> m_valori{Valori{}};
    std::array<QString, kCaratteristiche> m_frasi;
    QStringList m_righe;
    int m_prossimaFrase = 0;
};

// "Trova gli intrusi": the child removes the intruders one at a time; the
// item is complete when only the model is left.
class Esercizio6 : public EsercizioCaratteristiche
{
public:
    enum class Esito {
        Errata,     // the model was chosen: it never goes away
        Eliminata,  // an intruder removed, the item still open
        Completata, // the last intruder removed
        Nessuno,    // a house already removed: nothing happens
    };

    Esercizio6(FonteCasuale &fonte, const TabellaParoleTipo &parole, const TabellaColoriTipo &colori,
               QString nuvoleAssenti);

    void nuovoItem() { m_eliminate.assign(static_cast<size_t>(NumeroCase()), false); m_numeroEliminate = 0; }
    Esito scegli(int casa);
    int Eliminate() const { return m_numeroEliminate; }
    bool eliminata(int casa) const;
    bool completo() const { return NumeroCase() > 0 && m_numeroEliminate == NumeroCase() - 1; }

private:
    std::vector<bool> m_eliminate;
    int m_numeroEliminate = 0;
};

// "Indovina chi?": one choice of the model completes the item; any other house is wrong.
class Esercizio7 : public EsercizioCaratteristiche
{
public:
    using EsercizioCaratteristiche::EsercizioCaratteristiche;
    bool giusta(int casa) const { return casa == Modello(); }
};
