#pragma once

#include <QHash>
#include <QtGlobal>

// Filters the real presses and releases of the switches (auto-repeat already
// taken out) for children whose presses are not all meant:
// - acceptance time: a press counts only once the switch has been held that
//   long, so a brief accidental touch does nothing;
// - debounce time: after the release of an accepted press, a new press of the
//   same switch within that time is ignored, so a double hit acts once.
// Times are milliseconds of a monotonic clock given by the caller. With both
// times at 0 every press is accepted at once, as without the filter.
class FiltroSensore
{
public:
    enum class Esito {
        Accettata, // the press counts now
        InAttesa,  // it will count if still held after the acceptance time
        Ignorata,  // it never counts (within the debounce time)
    };

    void imposta(int accettazioneMs, int antirimbalzoMs);
    int accettazioneMs() const { return m_accettazione; }
    int antirimbalzoMs() const { return m_antirimbalzo; }

    // The switch goes down at t.
    Esito premuto(int tasto, qint64 t);
    // The caller's check while the switch is held: true once, when the press
    // waiting for its acceptance time becomes accepted at t.
    bool matura(int tasto, qint64 t);
    // The switch goes up at t: true when its press was accepted, so the
    // release acts. A press released before its acceptance time is ignored.
    // A release with no press seen acts only when there is no acceptance time.
    bool rilasciato(int tasto, qint64 t);
    // The ms still to wait at t before the held press of tasto is accepted;
    // -1 when no press of it is waiting.
    qint64 attesaRimanente(int tasto, qint64 t) const;
    // Forgets the switches held (a window closed while one was down).
    void dimentica();

    // Presses the filter ignored since the last reset.
    int ignorate() const { return m_ignorate; }
    void azzeraIgnorate() { m_ignorate = 0; }

private:
    enum class Stato { InAttesa, Accettata, Ignorata };
    struct Pressione
    {
        qint64 inizio = 0;
        Stato stato = Stato::InAttesa;
    };

    int m_accettazione = 0;
    int m_antirimbalzo = 0;
    int m_ignorate = 0;
    QHash<int, Pressione> m_giu;              // switches down now
    QHash<int, qint64> m_ultimoRilascioAccettato;
};

// The rhythm of automatic scanning: the highlight may rest longer on the
// first position of the ring, and scanning may stop by itself after a number
// of full turns without a press.
class RitmoScansione
{
public:
    // sosta: ticks on the first position (1 as every other position);
    // limiteGiri: turns without a press before stopping, 0 never.
    void imposta(int sosta, int limiteGiri);

    // The highlight has been put on the first position (start, select,
    // restart): the dwell starts again and the turns count from zero.
    void riparti();
    // A press of the switch: the turns without a press count from zero
    // again. Pressed away from the first position, the way back to it is not
    // a turn yet: the child still gets every full turn.
    void pressione(bool sullaPrima) { m_giri = sullaPrima ? 0 : -1; }
    // A tick: true when the highlight may move on (the dwell is over).
    bool puoAvanzare();
    // The highlight moved; giroCompleto when it came round to the first
    // position. True when scanning must stop there (the turns are used up).
    bool avanzato(bool giroCompleto);

private:
    int m_sosta = 1;
    int m_limite = 0;
    int m_tickSullaPrima = 0;
    bool m_sullaPrima = true;
    int m_giri = 0;
};
