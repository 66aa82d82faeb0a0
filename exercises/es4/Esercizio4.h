#pragma once

#include "core/Casuale.h"
#include "core/Impostazioni.h"
#include "vocabulary/Parole.h"

#include <QString>
#include <QStringList>

#include <array>

// "Colora la pinnola": a grey house and six sentences, one about each
// coloured part, that say which colour the part is or is not. The child
// paints the parts so that every sentence becomes true: with the mouse each
// click on a part gives it the next colour of a cycle shared by all parts;
// with scanning the colours cycle on the part of the current sentence.
// Levels 1 to 3 present and check one sentence at a time, levels 4 to 6 show
// all six and check them together. A part answered right is locked.
//
// This class composes the sentences, keeps the colours given and judges
// them; FormEs4 paints the house, shows and reads the sentences and counts.
// Every draw goes through the given source in a fixed order that the tests
// replay. The word and colour tables are read when they are needed, so they
// must outlive the exercise.
class Esercizio4
{
public:
    static constexpr int kLivelli = 6;
    static constexpr int kSogliaSalita = 14;
    static constexpr int kParti = 6;
    // ColoreCorrente while scanning rests on the new-item button.
    static constexpr int kSuNuovoEsercizio = 99;
    // The grey of the parts not yet coloured.
    static constexpr const char *kGrigio = "CCCCCC";

    enum Pulsante { Verifica = 0, NuovoEsercizio = 1 };

    // What a check found.
    enum class Esito {
        Nessuno,    // one sentence: its part has no colour yet
        Esatta,     // one sentence: the part is right and now locked
        Errata,     // one sentence: the part is wrong
        Completa,   // all six: every part right
        Incompleta, // all six: some wrong or still grey
    };
    struct Giudizio
    {
        Esito esito = Esito::Nessuno;
        int errate = 0; // all six: coloured parts found wrong
    };

    Esercizio4(FonteCasuale &fonte, const TabellaParoleTipo &parole, const TabellaColoriTipo &colori);

    // A new item after any automatic level change: no colour given, the
    // smoke and the clouds drawn, then the six sentences of the level (1..6).
    // The window then presents them (estraiFrase, levels below).
    void GeneraEsercizio(int livello, const QString &stileTesto);

    // Levels 1 to 3 present one sentence at a time; 4 to 6 all together.
    bool unaAllaVolta() const { return m_livello <= 3; }
    // Draws a part whose sentence is not yet presented in this pass, marks
    // it and makes it the current one. -1 when every sentence is presented.
    int estraiFrase();
    // A new presentation pass (scanning at levels 4 to 6 presents again one
    // sentence at a time after showing all six).
    void azzeraPresentate() { m_presentata.fill(false); }
    // The six sentences in part order, each followed by CR LF.
    QString riepilogo() const;

    // A click reported by the picture (mouse): the colour counter advances
    // (also for a part that is locked, and for 0, the house as a whole) and
    // a part that may still be coloured takes the colour. Returns the part
    // to paint, 0 for none. Numbers above 6 or below 0 change nothing.
    int clicSuParte(int parte);

    // Scanning: the colour counter is the scan position (1..4, 0 before the
    // first step, kSuNuovoEsercizio at rest). ColoraFrase gives the current
    // colour to the part of the current sentence when it may be coloured;
    // returns that part, 0 for none.
    void impostaColoreCorrente(int colore) { m_coloreCorrente = colore; }
    int ColoraFrase();
    // The part ColoraFrase would colour now, changing nothing: what the
    // scanning ring's names and frames describe.
    int parteDaColorare() const;

    // The check button: the current sentence at levels 1 to 3, all six at
    // levels 4 to 6.
    Giudizio verifica();
    // The current sentence alone (the check at levels 1 to 3, and a select
    // by scanning at every level): nothing while its part has no colour.
    Giudizio verificaFraseCorrente();
    // The six sentences together: every coloured part is judged.
    Giudizio verificaTutte();

    // Composing a sentence about part 1..6: the subject of its polarity and
    // the colour word that agrees with it, a full stop, all capitals when
    // the text style is "maiuscolo".
    QString ComponiFrase(int parte, bool affermativa, int colore, const QString &stileTesto) const;

    // State.
    int livello() const { return m_livello; }
    int FraseCorrente() const { return m_fraseCorrente; }
    int Fatte() const { return m_fatte; }
    bool completo() const { return m_fatte >= kParti; }
    int ColoreCorrente() const { return m_coloreCorrente; }
    int ColoreFrase(int parte) const { return valida(parte) ? m_coloreFrase[parte] : 0; }
    bool affermativa(int parte) const { return valida(parte) && m_affermativa[parte]; }
    // Colour c (1..4) makes the sentence about the part true; c 0: the part
    // may still be coloured (it is locked once answered right).
    bool Ammesso(int parte, int colore) const;
    int ColoreDato(int parte) const { return valida(parte) ? m_coloreDato[parte] : 0; }
    QString FrasiParti(int parte) const { return valida(parte) ? m_frasi[parte] : QString(); }
    bool Presentata(int parte) const { return valida(parte) && m_presentata[parte]; }
    bool fumo() const { return m_fumo; }
    bool nuvole() const { return m_nuvole; }
    // RRGGBB of a colour slot, and of the picture background.
    QString esadecimale(int colore) const;
    // The word of colour slot 1..4 that agrees with part 1..6 ("rosse" for
    // the walls); the masculine singular for any other part.
    QString parolaColore(int colore, int parte) const;
    QString sfondo() const { return esadecimale(0); }

private:
    static bool valida(int parte) { return parte >= 1 && parte <= kParti; }
    void ScriviFrase(const QString &stileTesto);

    FonteCasuale &m_fonte;
    const TabellaParoleTipo &m_parole;
    const TabellaColoriTipo &m_colori;

    int m_livello = 1;
    std::array<int, kParti + 1> m_coloreFrase{};
    std::array<bool, kParti + 1> m_affermativa{};
    std::array<std::array<bool, 5>, kParti + 1> m_ammesso{};
    std::array<int, kParti + 1> m_coloreDato{};
    std::array<QString, kParti + 1> m_frasi;
    std::array<bool, kParti + 1> m_presentata{};
    int m_fraseCorrente = 1;
    int m_fatte = 0;
    int m_coloreCorrente = 0;
    bool m_fumo = false;
    bool m_nuvole = false;
};
