#pragma once

#include "framework/ControlloScansione.h"
#include "framework/Livelli.h"
#include "layout/ZonaLibera.h"

#include <QColor>
#include <QList>
#include <QMainWindow>

#include <memory>

class Agente;
class Pulsante;
class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class StoriaProgressi;
class clsResize;

// The frame every exercise window shares: the sentence label, the answer
// buttons Command1(i), the status bar with the counts, the level and the
// presses the switch-access times ignored, the
// level, print and exit menus, the character and its marker PicMerlino, the
// scanning timer and key catchers, and the rescaling of the controls. An
// exercise window derives from it, places its own controls at their design
// positions (twips), and writes only what is its own: its opening, its items
// and its answers.
class FinestraEsercizio : public QMainWindow
{
    Q_OBJECT

public:
    struct Progetto
    {
        QString nome;            // window name, e.g. "FormEs1"
        QString titolo;          // design caption
        CostantiLivelli livelli; // levels and the surplus that raises one
        QString menuLivelli;     // "&Livelli" or "Livelli"
        QString voceFigura;      // "mnuCol" or "mnuPag"
        int larghezzaTwips;      // inner design size
        int altezzaTwips;
        QColor sfondo;           // the window's own background
    };

    explicit FinestraEsercizio(const Progetto &progetto, QWidget *parent = nullptr);
    ~FinestraEsercizio() override;

    // Controls of the frame, by their design names.
    QLabel *Label1() const { return m_label1; }
    Pulsante *Command1(int indice) const;
    int numeroPulsanti() const { return m_pulsanti.size(); }
    QWidget *PicMerlino() const { return m_picMerlino; }
    QStatusBar *StatusBar1() const { return m_statusBar; }
    QString testoPannello(int pannello) const; // 1 right, 2 wrong, 3 level, 4 ignored presses
    // The ignored presses' panel is shown (an acceptance or debounce time
    // is set and a scanning or keyboard mode runs).
    bool pannelloIgnorateVisibile() const;
    QAction *mnuLiv(int livello) const;
    QMenu *mnuLivelli() const { return m_mnuLivelli; }
    QAction *mnuEsci() const { return m_mnuEsci; }
    ControlloScansione &scansione() { return *m_scansione; }
    Livelli &livelli() { return m_livelli; }
    int Livello() const { return m_livelli.Livello(); }
    Agente *personaggio() const { return m_personaggio.get(); }
    clsResize *ridimensionatore() const { return m_ridimensiona; }

    // The opening set-up, run when the window is first shown and again when a
    // window it opened modally closes: full screen, character, colours and
    // fonts from the settings, level 1, input mode, counts at zero, then the
    // exercise's own opening.
    void Form_Activate();

    // A new item: the automatic level change (when on), then the exercise's own steps.
    void GeneraEsercizio();
    void mnuLiv_Click(int livello);
    // Leaving through "Esci": the level segment is recorded and the menu shown.
    void mnuEsci_Click();

    // Counting an answer, whatever the input.
    void contaRispostaGiusta();
    void contaRispostaSbagliata();
    void aggiornaPannello(int pannello);

    // The character stops and reads PrefissoVoce followed by the text.
    void leggi(const QString &testo);

    // Where the character stands and the zone its balloon stays in, in the
    // window's coordinates: free of every control the child plays with.
    PostoPersonaggio postoPersonaggio() const;

    // Colours of the settings as the buttons use them.
    QColor colorePulsanti() const;
    QColor colorePulsanteSelezionato() const;
    void evidenziaPulsante(int indice, bool evidenziato);
    void spegniPulsanti();

protected:
    // Loading: translation, rescaling to 75 % of the screen, the character.
    // Each exercise window calls it once its controls are in place.
    void Form_Load();

    // Adds Command1(indice) at its design position.
    Pulsante *aggiungiPulsante(int indice, int left, int top, int width, int height,
                               const QString &didascalia, const QString &immagineSvg = QString());
    // The widget that holds the controls (design coordinates in twips).
    QWidget *area() const { return m_area; }

    // The controls the child plays with, which the character and its balloon
    // never cover: by default every control shown in the area but the
    // character's marker and the scanning's own frame and key catchers; a
    // plain container stands for the controls in it.
    virtual QList<QWidget *> areaDiGioco() const;
    // The room kept free round a control of the play area: a few pixels,
    // and the scanning's bold frame, which is drawn outside what it lights.
    virtual int spazioAttorno(const QWidget *controllo) const;
    // Shows the character at its place beside the play area.
    void mostraPersonaggio();

    // The exercise's parts of the opening set-up.
    virtual void trattamentoPulsantiVoce(bool voceAttiva) { Q_UNUSED(voceAttiva); }
    virtual void aperturaEsercizio() = 0;
    // The exercise's own steps of a new item.
    virtual void generaItem() = 0;
    // A mouse click on Command1(indice) in mouse mode.
    virtual void Command1_Click(int indice) = 0;
    // The scanning ring of the window; by default the Command1 buttons,
    // resting on the last one, selects handed to selezionaPulsante.
    virtual ControlloScansione::Anello anelloScansione();
    virtual void selezionaPulsante(int indice) { Q_UNUSED(indice); }

    void closeEvent(QCloseEvent *evento) override;
    void showEvent(QShowEvent *evento) override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void creaMenu();
    void creaBarraDiStato();
    void applicaImpostazioni();
    void impostaInput();
    void stampaVeloce();
    void collocaPersonaggio();
    void richiediCollocazione();
    void Form_Unload();
    void registraInStoria(SegmentoStoria segmento);

    Progetto m_progetto;
    QWidget *m_area = nullptr;
    QLabel *m_label1 = nullptr;
    QWidget *m_picMerlino = nullptr;
    QStatusBar *m_statusBar = nullptr;
    QList<QLabel *> m_pannelli;
    QList<Pulsante *> m_pulsanti;
    QMenu *m_mnuLivelli = nullptr;
    QList<QAction *> m_mnuLiv;
    QAction *m_mnuEsci = nullptr;
    ControlloScansione *m_scansione = nullptr;
    clsResize *m_ridimensiona = nullptr;
    std::unique_ptr<Agente> m_personaggio;
    Livelli m_livelli;
    // The player's progress history, opened at the first segment that ends.
    std::unique_ptr<StoriaProgressi> m_storia;
    bool m_collocazioneInAttesa = false;
    bool m_caricata = false;
    bool m_primaApertura = true;
    bool m_uscitaDaMenu = false;
};
