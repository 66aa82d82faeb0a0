#pragma once

#include "framework/Scansione.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QTimer;
class QWidget;
class TastiTenuti;

// The scanning mechanism of a window: the timer Timer1 and the two invisible
// key catchers PictureScansioneAutomatica and PictureScansioneManuale, which
// hold the keyboard focus. Every input mode ends here: keys become advance,
// back and select on a ring of positions, and the window says what the
// positions are (buttons, house parts, houses, colours) through its
// callbacks, so the mechanism is written once for every window.
class ControlloScansione : public QObject
{
    Q_OBJECT

public:
    struct Anello
    {
        ::Anello posizioni;
        // Paints position p highlighted or not.
        std::function<void(int p, bool evidenziato)> evidenzia;
        // A select at position p.
        std::function<void(int p)> seleziona;
        // The back keys step forward too (a ring that only goes round one
        // way, as the colours of a part).
        bool soloAvanti = false;
        // Rings laid out as a grid: where Down (verso +1) and Up (-1) of the
        // keyboard go from p; p itself to stay. Without it Down and Up act
        // as advance and back.
        std::function<int(int p, int verso)> verticale;
    };

    // Creates the timer and the key catchers as children of the window.
    explicit ControlloScansione(QWidget *finestra);

    QTimer *Timer1() const { return m_timer; }
    QWidget *PictureScansioneAutomatica() const { return m_automatica; }
    QWidget *PictureScansioneManuale() const { return m_manuale; }

    // Starts the mode: mouse stops the timer and hides the catchers; the
    // scanning modes show theirs, start the timer (VelocitaScansione x 250 ms
    // in automatic scanning, 100 ms otherwise) and give it the focus. The
    // ring starts at posizioneIniziale, highlighted when evidenziaSubito.
    void avvia(int modoInput, int velocitaScansione, Anello anello, int posizioneIniziale = 0,
               bool evidenziaSubito = true);
    void ferma();

    int modo() const { return m_modo; }
    // A scanning or keyboard mode is running (mouse clicks are then ignored).
    bool attivo() const { return m_modo >= 1 && m_modo <= 3; }
    int Posizione() const { return m_anello.posizioni.Posizione(); }
    ::Anello &posizioni() { return m_anello.posizioni; }

    // Moves the highlight to p (the previous position is unmarked).
    void vaiA(int p);
    void avanti();
    void indietro();
    void spostaVerticale(int verso);
    // Starts the ring over at p for a new item: the previous position is
    // unmarked, p highlighted, and automatic scanning waits a full step.
    void ricomincia(int p);
    void seleziona();

    // One tick of Timer1 (public so that tests can step it).
    void Timer1_Timer();

    // Colours the catchers take (the window background).
    void impostaSfondo(const QColor &colore);

signals:
    // The highlight moved to posizione (a step, a jump, or the start).
    void evidenziazioneSpostata(int posizione);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void tasto(int codice, bool rilasciato);
    QWidget *ricevitore() const;

    QPointer<QWidget> m_finestra;
    QTimer *m_timer = nullptr;
    QWidget *m_automatica = nullptr;
    QWidget *m_manuale = nullptr;
    TastiTenuti *m_tasti = nullptr;
    Anello m_anello;
    int m_modo = 0;
};

// The virtual-key code of a Qt key (Space 32, Enter 13, arrows 37..40); 0 for others.
int codiceTasto(int tastoQt);
