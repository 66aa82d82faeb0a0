#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QKeyEvent;
class QTimer;

// Turns the key events a window receives into exactly one press and one
// release per stroke of a key or a switch, however long it is held.
//
// A held key repeats. The window system may send the repeats as presses
// while the key is down, or as a release immediately followed by a press of
// the same key (both stamped with the same time); the toolkit marks only some
// of them as repeats. So the state of each key is kept here: a press while
// the key is down is ignored. Which of the two ways is in force is set once
// for the whole program (impostaRipetizioni):
// - presses only (the X server grants detectable auto-repeat): a release
//   always means the key went up, and acts at once;
// - release and press pairs (the server refused, or another window system):
//   a release is held back for a moment: when a press of the same key follows
//   within that moment with the release's own time stamp, the two were a
//   repeat and neither counts; a press stamped later is a new stroke, however
//   soon it comes or however late a busy program reads it. The release reaches the window only
//   when the key is really up.
//
// Events the program makes itself (no hardware code) never repeat and act at
// once.
class TastiTenuti : public QObject
{
    Q_OBJECT

public:
    // tasto is the toolkit's key code; rilasciato false for the press.
    using Azione = std::function<void(int tasto, bool rilasciato)>;

    // How long a release waits for the press of a repeat, in ms, where
    // repeats come as pairs. The two arrive together; the wait covers a
    // busy machine.
    static constexpr int attesaRipetizione = 40;
    // The most a repeat's press may be stamped after its release, in ms: the
    // server stamps the two with the same time.
    static constexpr int scartoRipetizione = 2;

    // How the window system sends a held key's repeats.
    enum class Ripetizioni {
        ConRilascio,   // a release and a press each: releases wait (the default)
        SoloPressioni, // presses only: releases act at once
    };
    // For every TastiTenuti of the program; the start-up sets it from what
    // the window system granted.
    static void impostaRipetizioni(Ripetizioni r);
    static Ripetizioni ripetizioni();

    explicit TastiTenuti(Azione azione, QObject *parent = nullptr);

    // One key event of the window. Returns true when it was a key event.
    bool evento(const QKeyEvent &e);
    // The same, from its parts: nativo says the event came from the keyboard
    // (the window system), orario is its time stamp in ms.
    void evento(int tasto, bool rilasciato, bool ripetizione, bool nativo, quint64 orario);

    // The window lost the keys (focus moved away): no key counts as down any
    // more, so the next press acts.
    void dimentica();

    bool giu(int tasto) const;
    // The key went up and it is not yet known whether a repeat's press follows.
    bool rilascioInAttesa(int tasto) const;

    // When the event that acted last really arrived, in ms of adesso(): for
    // a release, its arrival, not the end of the wait that confirmed it.
    qint64 momentoUltimoEvento() const { return m_momento; }
    // A monotonic clock in ms.
    static qint64 adesso();

private:
    enum class Stato {
        Su,
        Giu,
        RilascioInAttesa, // released; a repeat's press may still follow
    };
    struct Tasto
    {
        Stato stato = Stato::Su;
        quint64 orarioRilascio = 0;
        qint64 arrivoRilascio = 0; // adesso() when the release came
        // The release of this stroke has already acted: on a very busy
        // machine a repeat's press came after the wait, so the key was still
        // held. Its real release must not act again.
        bool agito = false;
        QTimer *attesa = nullptr;
    };

    void rilascioConfermato(int tasto);

    Azione m_azione;
    QHash<int, Tasto> m_tasti;
    qint64 m_momento = 0;
};
