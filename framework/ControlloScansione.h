#pragma once

#include "core/OpzioniAccesso.h"
#include "framework/FiltroSensore.h"
#include "framework/Scansione.h"

#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>

class QTimer;
class QWidget;
class TastiFiltrati;
class CorniceScansione;

// The scanning mechanism of a window: the timer Timer1 and the two invisible
// key catchers PictureScansioneAutomatica and PictureScansioneManuale, which
// hold the keyboard focus. Only automatic scanning has a clock (Timer1, one
// tick a step); in the other modes nothing runs between the child's strokes:
// the keys come back to the catcher on focus changes, and the frame follows
// the window's repaints. Every input mode ends here: keys become advance,
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
        // What spoken scanning says when the highlight reaches p (a caption,
        // the name of a part or of a colour); empty: nothing.
        std::function<QString(int p)> nome;
        // Where p is, in the coordinates of the window given to the
        // constructor: the thick highlight frame is drawn around it.
        std::function<QRect(int p)> riquadro;
        // p shows the highlight in its own drawing, as broad as the frame
        // (a house part lights a band inside its own outline): no frame is
        // drawn around it, which would lie over the parts next to it.
        std::function<bool(int p)> illuminaDaSe;
        // The frame around p has square corners (around something square);
        // without it they are rounded as the program's buttons.
        std::function<bool(int p)> angoliRetti;
    };

    // Creates the timer and the key catchers as children of the window.
    explicit ControlloScansione(QWidget *finestra);

    QTimer *Timer1() const { return m_timer; }
    QWidget *PictureScansioneAutomatica() const { return m_automatica; }
    QWidget *PictureScansioneManuale() const { return m_manuale; }

    // Starts the mode: mouse stops the timer and hides the catchers; the
    // scanning and keyboard modes show theirs and give it the focus;
    // automatic scanning starts the timer (VelocitaScansione x 250 ms). The
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
    // A key the program strokes itself (the menu's step onto its first
    // button when it opens): it acts at once as that key of the mode would.
    // The acceptance and debounce times sort a child's presses; they never
    // hold back the program's own.
    void tastoProprio(int tastoQt, bool rilasciato);
    // Another control over the window takes the keys for a while (the
    // menu's notes): no step, and the keys are not taken back, until
    // riprendi gives them to the catcher again.
    void sospendi();
    void riprendi();
    bool sospeso() const { return m_sospeso; }

    // One tick of Timer1 (public so that tests can step it); outside
    // automatic scanning it only gives the keys to the catcher and puts the
    // frame where the lit control is.
    void Timer1_Timer();
    // Automatic scanning stopped after the turns of the loop limit.
    bool fermaPerGiri() const { return m_fermaPerGiri; }
    // The window's sentence is being said: spoken scanning keeps quiet.
    void impostaFraseInCorso(std::function<bool()> fraseInCorso) { m_fraseInCorso = std::move(fraseInCorso); }
    // The rectangle the highlight frame is drawn around now; empty when none.
    QRect riquadroCornice() const;
    // The lit position shows the highlight itself: no frame around it.
    bool illuminataDaSe() const;
    // Where the frame is painted now (window coordinates); empty when none.
    QRegion zonaCornice() const;

    // Colours the catchers take (the window background).
    void impostaSfondo(const QColor &colore);

    // The switch-access options the mechanism follows. Without a call, each
    // avvia takes the current user's (Stato().accesso); after one, these.
    void impostaOpzioni(const OpzioniAccesso &opzioni);
    const OpzioniAccesso &opzioni() const { return m_opzioni; }
    // The ring the window gave, for asking what it says of its positions.
    const Anello &anello() const { return m_anello; }
    // Presses the acceptance and debounce times kept from acting since the
    // last azzeraPressioniIgnorate.
    int pressioniIgnorate() const;
    void azzeraPressioniIgnorate();

signals:
    // The highlight moved to posizione (a step, a jump, or the start).
    void evidenziazioneSpostata(int posizione);
    // A press was kept from acting by the acceptance or debounce time.
    void pressioneIgnorata();
    // A press of a key the mode uses passed those times and acts.
    void pressioneAccettata();

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void tasto(int codice, bool rilasciato);
    // The keys must always reach the catcher of the mode while the window
    // is in front: after any focus change, they go back to it.
    void chiediFuoco();
    void tieniFuoco();
    QWidget *ricevitore() const;
    // Every highlight change of the mechanism: the window paints it, the
    // frame follows it and spoken scanning says the name of what is lit.
    // spostamento: the unmarking half of a move, the other half follows.
    void segna(int p, bool acceso, bool spostamento = false);
    void dopoSpostamento();
    void applicaOpzioni();
    void diNome();
    bool automatica() const;

    QPointer<QWidget> m_finestra;
    QTimer *m_timer = nullptr;
    QWidget *m_automatica = nullptr;
    QWidget *m_manuale = nullptr;
    TastiFiltrati *m_tasti = nullptr;
    CorniceScansione *m_cornice = nullptr;
    Anello m_anello;
    int m_modo = 0;
    OpzioniAccesso m_opzioni;
    bool m_opzioniProprie = false;
    RitmoScansione m_ritmo;
    // Automatic scanning stopped by itself after its turns: the next press
    // starts it again without selecting.
    bool m_fermaPerGiri = false;
    int m_acceso = -1; // the position lit, -1 none
    // Where the ring starts: the start position, then where each turn ends.
    int m_primaPosizione = 0;
    // The press that stopped the timer came while scanning was stopped for
    // its turns: its release only starts it again.
    bool m_ripresaInCorso = false;
    bool m_sospeso = false;
    bool m_fuocoChiesto = false;
    std::function<bool()> m_fraseInCorso;
    // Spoken scanning: the name waits a frame so the highlight shows first.
    static constexpr int kRitardoNome = 16;
    QTimer *m_voceDifferita = nullptr;
    QString m_nomeDaDire;
};

// What spoken scanning says of a control: a button's caption without its
// access-key mark, else its tool tip, which the language file words in the
// user's language, else its accessible name.
QString nomeControllo(const QWidget *controllo);
// A control's rectangle in the coordinates of finestra; empty when hidden.
QRect riquadroControllo(const QWidget *controllo, const QWidget *finestra);

// The virtual-key code of a Qt key (Space 32, Enter 13, arrows 37..40); 0 for others.
int codiceTasto(int tastoQt);
