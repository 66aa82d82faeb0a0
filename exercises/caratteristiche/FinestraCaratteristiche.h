#pragma once

#include "exercises/caratteristiche/Caratteristiche.h"
#include "framework/FinestraEsercizio.h"

#include <QList>

#include <functional>

class CorniceEvidenziazione;
class Immagine;
class QFrame;
class QTimer;
class ShockwaveFlash;

// The screen "Trova gli intrusi" and "Indovina chi?" share: twelve house
// pictures ShockwaveFlash1(0..11) laid on the layout frames of the level
// (Frame1..Frame5), the highlight frame Shape1, the eight sentences in Text1,
// the panel Picture1 of eight part pictures Image1(0..7) that takes their
// place when the character speaks, the next-item button Command1(0) and the
// instruction Label1. This class builds each item (levels, painting,
// sentences), scans the houses, and reads the sentences in turn (Timer2);
// each exercise says how a chosen house is answered and how the reading
// starts.
//
// While a new item is being built (the houses are loaded, then the window
// waits, serving events, before painting them) answers and the next-item
// request are ignored: they would be judged against the previous item.
class FinestraCaratteristiche : public FinestraEsercizio
{
    Q_OBJECT

public:
    ~FinestraCaratteristiche() override;

    ShockwaveFlash *ShockwaveFlash1(int indice) const;
    CorniceEvidenziazione *Shape1() const { return m_shape1; }
    QLabel *Text1() const { return m_text1; }
    QWidget *Picture1() const { return m_picture1; }
    Immagine *Image1(int indice) const;
    QTimer *Timer2() const { return m_timer2; }
    const EsercizioCaratteristiche &esercizio() const { return m_esercizio; }

    // The house Shape1 is around, -1 while it is hidden.
    int casaRiquadro() const { return m_casaRiquadro; }
    // A new item is being built.
    bool inCostruzione() const { return m_costruzione > 0; }
    // The item is complete and the scan rests on the next-item button
    // (painted in ColorePulsanteSelezionato).
    bool aRiposo();

    // The wait after the houses are loaded; Attendi by default. Tools and
    // tests replace it (a benchmark measures without it, a test presses
    // keys during it).
    void impostaAttesa(std::function<void(double secondi)> attesa) { m_attesa = std::move(attesa); }

    // The handlers, public so that tests and tools can drive them.
    void FSCommand(int casa); // a click on house casa (its picture reports it)
    void Image1_Click(int indice);
    void Timer2_Timer();
    void Command1_Click(int indice) override;

protected:
    // The frame of both windows: five levels, one up at a surplus of 18,
    // the same design size; each has its own name, title and background.
    static Progetto progetto(const QString &nome, const QString &titolo, const QColor &sfondo);

    FinestraCaratteristiche(const Progetto &progetto, EsercizioCaratteristiche &esercizio,
                            const QString &istruzione, QWidget *parent);

    // A house chosen with the mouse, and selected by scanning (an item being
    // built never gets here).
    virtual void rispostaMouse(int casa) = 0;
    virtual void rispostaScansione(int casa) = 0;
    // The exercise's own steps of a new item once the houses are painted,
    // before the sentences.
    virtual void itemDipinto() {}
    // Scanning with the voice on: how the reading of a new item starts.
    virtual void avviaLettura() = 0;
    // Whether Timer2 keeps reading once the item is complete.
    virtual bool leggeAItemCompleto() const = 0;
    // After the houses are loaded: a pause, or only serving pending events.
    virtual void pausaDopoCaricamento() = 0;

    void attendi(double secondi);
    QTimer *creaTimerLettura(const char *nome, int intervallo);

    // Shape1 around house casa, shown.
    void SistemaRiquadro(int casa);
    // An item completed with the mouse: Shape1 on the model, the next-item
    // button enabled.
    void completaConMouse();
    // An item completed by scanning: Shape1 on the model, the scan resting
    // on the next-item button.
    void completaConScansione();
    void nascondiCasa(int casa);
    bool casaMostrata(int casa) const;
    // Houses laid out for the current item.
    int numeroCase() const { return EsercizioCaratteristiche::numeroCase(m_livelloCase); }

    void trattamentoPulsantiVoce(bool voceAttiva) override;
    void aperturaEsercizio() override;
    void generaItem() override;
    ControlloScansione::Anello anelloScansione() override;
    void closeEvent(QCloseEvent *evento) override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void ImpostaLivelli();
    void ApriFilepinnole();
    void ImpostaColori();
    void ScriviFrase();
    void dipingiCasa(int casa);
    void posizionaCase();
    void adattaTesti();
    void selezione(int posizione);
    void prossimoItem();
    void caricaCaseVuote();

    EsercizioCaratteristiche &m_esercizio;
    QList<ShockwaveFlash *> m_case;
    QList<QFrame *> m_cornici[EsercizioCaratteristiche::kLivelli];
    CorniceEvidenziazione *m_shape1 = nullptr;
    QLabel *m_text1 = nullptr;
    QWidget *m_picture1 = nullptr;
    QList<Immagine *> m_image1;
    QTimer *m_timer2 = nullptr;
    std::function<void(double)> m_attesa;
    int m_livelloCase = 1;  // the level the houses are laid out for
    int m_casaRiquadro = -1;
    int m_costruzione = 0;
    bool m_chiusa = false;
    bool m_eliminaAllaFine = false;
};
