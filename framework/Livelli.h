#pragma once

#include "core/StoriaProgressi.h"

#include <QElapsedTimer>

#include <functional>

struct StatoProgramma;

// What each exercise window fixes about its levels.
struct CostantiLivelli
{
    int numeroLivelli;  // levels 1..numeroLivelli
    int sogliaSalita;   // one level up when right - wrong reaches this
};

// Levels and counts of an exercise window. The counts of right and wrong
// answers and of ignored presses live in the shared state; every change of
// level completes the segment played so far in the activity table.
class Livelli
{
public:
    static constexpr int kErroriPerScendere = 5;

    Livelli(StatoProgramma &stato, CostantiLivelli costanti);

    int Livello() const { return m_livello; }
    int numeroLivelli() const { return m_costanti.numeroLivelli; }

    // Opening of the window: level 1, counts at zero, no segment recorded.
    void apertura();

    void rispostaGiusta();
    void rispostaSbagliata();
    // A switch press kept from acting by the acceptance or debounce time:
    // counted apart from the answers, it changes no level.
    void pressioneIgnorata();

    // A level chosen in the menu (also the level already in force): the
    // segment is completed, the counts restart and the level is set.
    void sceltaDalMenu(int livello);

    // The automatic change at the start of a new item: first down after five
    // wrong answers, then up when the surplus of right answers reaches the
    // threshold, tested with the counts as they are after the first step.
    // True when the level changed.
    bool CambiaLivello();
    bool UnLivelloInPiu();
    bool UnLivelloInMeno();

    // Leaving through "Esci": the segment is completed.
    void uscita();
    // The window closed some other way: the activity table is left as it
    // is, the progress history still gets the segment.
    void abbandono();

    // A press of a switch or key that acted (for the progress history's
    // share of ignored presses).
    void pressioneAccettata() { ++m_accettate; }

    // Receives each level segment that ends with something in it, for the
    // progress history: level, counts, start and duration (the window adds
    // what it knows: the exercise and the input).
    using Storia = std::function<void(const SegmentoStoria &)>;
    void impostaStoria(Storia storia) { m_storia = std::move(storia); }

private:
    void nuovoSegmento(int livello);
    void iniziaSegmentoStoria();
    void chiudiSegmentoStoria();

    StatoProgramma &m_stato;
    CostantiLivelli m_costanti;
    int m_livello = 1;
    Storia m_storia;
    bool m_segmentoInCorso = false;
    QDateTime m_inizio;
    QElapsedTimer m_durata;
    int m_accettate = 0;
};

// Every tenth right answer brings a reward; after it the house picture must be
// loaded again before the next item.
class RitmoPremio
{
public:
    static constexpr int kRispostePerPremio = 10;

    // Counts a right answer; true when it is the one that earns the reward.
    bool rispostaGiusta();
    // The reward replaced the house.
    void premioMostrato() { m_ricaricaCasa = true; }
    // At the next-item request: true once after a reward.
    bool daRicaricare();

    int ContatorePremio() const { return m_contatore; }
    bool RicaricaCasa() const { return m_ricaricaCasa; }

private:
    int m_contatore = 0;
    bool m_ricaricaCasa = false;
};
