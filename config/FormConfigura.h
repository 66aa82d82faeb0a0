#pragma once

#include <QMainWindow>

#include <array>
#include <memory>

class Agente;
class CasellaColorata;
class ControlloScansione;
class Pulsante;
class QAction;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSpinBox;
class QTabBar;
class ShockwaveFlash;
class clsResize;

// The configuration window, in which a teacher or parent sets the program up
// for the current user: who the user is, the colours of the houses and their
// words, the didactic choices, fonts and colours, voice and sounds, and the
// input mode, and the switch-access options with a small preview that scans
// with them. Every change goes at once into the shared settings and shows at
// once in the window; "Esci" (or closing the window) writes the settings and
// goes back to the main menu. The window owns its own speaking character,
// shown on the voice tab, through which every voice change can be heard.
//
// Tabs are listed once, in order, in the table of the constructor: a tab is a
// caption and a frame, and choosing a tab shows its frame. Each tab's
// controls, wiring and handlers live in a file of their own beside this one
// (FormConfiguraGiocatori.cpp, FormConfiguraColoriPinnole.cpp, ...).
class FormConfigura : public QMainWindow
{
    Q_OBJECT

public:
    // The tabs, in order.
    enum Scheda {
        SchedaGiocatori = 0,
        SchedaColoriPinnole,
        SchedaScelteDidattiche,
        SchedaFontEColori,
        SchedaSuoniEVoce,
        SchedaModalitaInput,
        SchedaAccessoSensori,
    };

    explicit FormConfigura(QWidget *parent = nullptr);
    ~FormConfigura() override;

    // Activation has run: full-screen, set from the settings, user tab shown.
    bool attivata() const { return m_attivata; }

    // Controls, by their design names.
    QTabBar *TabStrip1() const { return m_tabStrip1; }
    QFrame *frameScheda(int scheda) const;
    QLabel *Label4() const { return m_label4; }
    QAction *mnuEsci() const { return m_mnuEsci; }
    Agente *personaggio() const { return m_personaggio.get(); }
    // Users.
    QRadioButton *OptionUtente(int i) const { return m_optionUtente.at(size_t(i)); }
    QListWidget *ListModificaUtente() const { return m_listModificaUtente; }
    QLineEdit *TextNuovoUtente() const { return m_textNuovoUtente; }
    QLabel *LabelNomeRifiutato() const { return m_labelNomeRifiutato; }
    QCheckBox *CheckSalvaUtente() const { return m_checkSalvaUtente; }
    QPushButton *CommandRinominaGiocatore() const { return m_commandRinominaGiocatore; }
    QPushButton *CommandEliminaGiocatore() const { return m_commandEliminaGiocatore; }
    // House colours.
    QRadioButton *Option2(int i) const { return m_option2.at(size_t(i)); }
    CasellaColorata *CasellaColorata_(int i) const { return m_caselle.at(size_t(i)); }
    ShockwaveFlash *ShockwaveFlash1() const { return m_shockwaveFlash1; }
    QPushButton *Command4() const { return m_command4; }
    // Didactic choices.
    QCheckBox *Check1() const { return m_check1; }
    // Fonts and colours.
    QRadioButton *minuscolo() const { return m_stile[0]; }
    QRadioButton *maiuscolo() const { return m_stile[1]; }
    QRadioButton *corsivo() const { return m_stile[2]; }
    QLabel *LabelFontSelezionato(int i) const { return m_labelFontSelezionato.at(size_t(i)); }
    QPushButton *CommandSceltaFont() const { return m_commandSceltaFont; }
    QPushButton *CommandSceltaColoreFont() const { return m_commandSceltaColoreFont; }
    QPushButton *CommandSceltaSfondoTesto() const { return m_commandSceltaSfondoTesto; }
    QPushButton *CommandSceltaColoreBottoni() const { return m_commandSceltaColoreBottoni; }
    QPushButton *Command1() const { return m_command1; }
    QPushButton *CommandSceltaColori() const { return m_commandSceltaColori; }
    QRadioButton *OptionColoreCasualeFisso(int i) const { return m_optionColoreCasualeFisso.at(size_t(i)); }
    // Sounds and voice.
    QCheckBox *Check2() const { return m_check2; }
    QScrollBar *HScroll1() const { return m_hScroll1; }
    QScrollBar *HScroll2() const { return m_hScroll2; }
    QLabel *Label5() const { return m_label5; }
    QLabel *Label2() const { return m_label2; }
    QListWidget *List1() const { return m_list1; }
    QListWidget *List2() const { return m_list2; }
    QLineEdit *Text1() const { return m_text1; }
    QPushButton *CommandProvaVoce() const { return m_commandProvaVoce; }
    QCheckBox *ChkFumetto() const { return m_chkFumetto; }
    QCheckBox *CheckContieneTesto() const { return m_checkContieneTesto; }
    QPushButton *CommandFontFumetto() const { return m_commandFontFumetto; }
    QLabel *Label3() const { return m_label3; }
    QCheckBox *CheckSuoni() const { return m_checkSuoni; }
    // Input.
    QRadioButton *Option4(int i) const { return m_option4.at(size_t(i)); }
    QScrollBar *HScroll3() const { return m_hScroll3; }
    QLabel *Label7() const { return m_label7; }
    QCheckBox *CheckDisabilitaMousePersonalizzato() const { return m_checkDisabilitaMouse; }
    // Switch access, and its preview: three buttons scanned by a mechanism of
    // their own with the options of the tab.
    QSpinBox *SpinAccettazione() const { return m_spinAccettazione; }
    QSpinBox *SpinAntirimbalzo() const { return m_spinAntirimbalzo; }
    QComboBox *ComboSosta() const { return m_comboSosta; }
    QSpinBox *SpinLimiteGiri() const { return m_spinLimiteGiri; }
    QCheckBox *CheckScansioneParlata() const { return m_checkScansioneParlata; }
    QComboBox *ComboSpessore() const { return m_comboSpessore; }
    QPushButton *CommandProvaScansione() const { return m_commandProvaScansione; }
    QLabel *LabelModoAnteprima() const { return m_labelModoAnteprima; }
    QLabel *LabelSceltaAnteprima() const { return m_labelSceltaAnteprima; }
    QLabel *LabelIgnorateAnteprima() const { return m_labelIgnorateAnteprima; }
    Pulsante *PulsanteAnteprima(int i) const { return m_pulsantiAnteprima.at(size_t(i)); }
    QWidget *AreaAnteprima() const { return m_areaAnteprima; }
    ControlloScansione &anteprima() const { return *m_anteprima; }

    // Sets every control from the settings, without running their handlers.
    void ImpostaConfigurazioni();
    // Shows the frame of a tab (as a click on the tab does).
    void mostraScheda(int scheda);

    // Handlers, by their design names.
    void OptionUtente_Click(int indice);
    void ListModificaUtente_Click(int riga);
    void TextNuovoUtente_Change(const QString &testo);
    // The player highlighted in the list gets a new name, asked in a box,
    // or is removed after a question naming them.
    void CommandRinominaGiocatore_Click();
    void CommandEliminaGiocatore_Click();
    void CasellaColorata_Click(int indice);
    void Command4_Click();
    void Option4_Click(int indice);
    void HScroll3_Change(int valore);
    void Stile_Click(int indice); // 0 minuscolo, 1 maiuscolo, 2 corsivo
    void CommandSceltaFont_Click();
    void CommandSceltaColoreFont_Click();
    void CommandSceltaSfondoTesto_Click();
    void CommandSceltaColoreBottoni_Click();
    void Command1_Click();
    void CommandSceltaColori_Click();
    void OptionColoreCasualeFisso_Click(int indice);
    void Check2_Click();
    void ChkFumetto_Click();
    void CheckContieneTesto_Click();
    void HScroll1_Change(int valore);
    void HScroll2_Change(int valore);
    void CommandProvaVoce_Click();
    void CommandFontFumetto_Click();
    void List1_Click(int riga);
    void List2_Click(int riga);
    void OpzioneAccesso_Change();
    void CommandProvaScansione_Click(bool avvia);
    void mnuEsci_Click();

protected:
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void creaControlli();
    QFrame *creaFrame(const char *nome);
    void creaUtenti(QFrame *frame);
    void creaPinnole(QFrame *frame);
    void creaScelteDidattiche(QFrame *frame);
    void creaFont(QFrame *frame);
    void creaSuoni(QFrame *frame);
    void creaInput(QFrame *frame);
    void creaAccesso(QFrame *frame);
    void ImpostaAccesso();
    void avviaAnteprima();
    void fermaAnteprima();
    void segnaAnteprima(int posizione, bool acceso);
    void sceltaAnteprima(int posizione);
    void aggiornaIgnorate();
    void collega();
    void collegaUtenti();
    void collegaPinnole();
    void collegaScelteDidattiche();
    void collegaFont();
    void collegaSuoni();
    void collegaInput();
    void collegaAccesso();
    void Form_Activate();
    void adattaCaratteri();
    void NascondiFrame();
    void Preparapinnola();
    void ImpostaVoce();
    void RiempiUtenti();
    void mostraElencoGiocatori(bool visibile);
    void aggiornaPulsantiGiocatore();
    QString giocatoreInElenco() const;
    void aggiornaEtichettaUtente();
    void aggiornaSfondoColori();
    void dipingiPulsanti();
    void mostraPersonaggio();
    void TabStrip1_Click(int scheda);

    QTabBar *m_tabStrip1 = nullptr;
    std::array<QFrame *, 7> m_frame {};
    QWidget *m_area = nullptr;
    QLabel *m_labelUtente = nullptr;
    QLabel *m_label4 = nullptr;
    QAction *m_mnuEsci = nullptr;

    std::array<QRadioButton *, 3> m_optionUtente {};
    QListWidget *m_listModificaUtente = nullptr;
    QLineEdit *m_textNuovoUtente = nullptr;
    QLabel *m_labelNomeRifiutato = nullptr;
    QCheckBox *m_checkSalvaUtente = nullptr;
    QPushButton *m_commandRinominaGiocatore = nullptr;
    QPushButton *m_commandEliminaGiocatore = nullptr;

    std::array<QRadioButton *, 5> m_option2 {};
    QButtonGroup *m_gruppoSlot = nullptr;
    std::array<CasellaColorata *, 216> m_caselle {};
    CasellaColorata *m_casellaInTab = nullptr;
    ShockwaveFlash *m_shockwaveFlash1 = nullptr;
    QPushButton *m_command4 = nullptr;

    QCheckBox *m_check1 = nullptr;

    QGroupBox *m_frameScelte = nullptr;
    std::array<QRadioButton *, 3> m_stile {};
    std::array<QLabel *, 2> m_labelFontSelezionato {};
    QPushButton *m_commandSceltaFont = nullptr;
    QPushButton *m_commandSceltaColoreFont = nullptr;
    QPushButton *m_commandSceltaSfondoTesto = nullptr;
    QPushButton *m_commandSceltaColoreBottoni = nullptr;
    QPushButton *m_command1 = nullptr;
    QGroupBox *m_frame6 = nullptr;
    QPushButton *m_commandSceltaColori = nullptr;
    std::array<QRadioButton *, 2> m_optionColoreCasualeFisso {};
    QLabel *m_labelPerColore = nullptr;

    QCheckBox *m_check2 = nullptr;
    QScrollBar *m_hScroll1 = nullptr;
    QScrollBar *m_hScroll2 = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label6 = nullptr;
    QLabel *m_labelPersonaggio = nullptr;
    QListWidget *m_list1 = nullptr;
    QListWidget *m_list2 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QPushButton *m_commandProvaVoce = nullptr;
    QCheckBox *m_chkFumetto = nullptr;
    QCheckBox *m_checkContieneTesto = nullptr;
    QPushButton *m_commandFontFumetto = nullptr;
    QLabel *m_label3 = nullptr;
    QCheckBox *m_checkSuoni = nullptr;
    QWidget *m_picMerlino = nullptr;

    std::array<QRadioButton *, 4> m_option4 {};
    QScrollBar *m_hScroll3 = nullptr;
    QLabel *m_label7 = nullptr;
    QLabel *m_label1 = nullptr;
    QCheckBox *m_checkDisabilitaMouse = nullptr;

    QSpinBox *m_spinAccettazione = nullptr;
    QSpinBox *m_spinAntirimbalzo = nullptr;
    QComboBox *m_comboSosta = nullptr;
    QSpinBox *m_spinLimiteGiri = nullptr;
    QCheckBox *m_checkScansioneParlata = nullptr;
    QComboBox *m_comboSpessore = nullptr;
    QPushButton *m_commandProvaScansione = nullptr;
    QLabel *m_labelModoAnteprima = nullptr;
    QLabel *m_labelSceltaAnteprima = nullptr;
    QLabel *m_labelIgnorateAnteprima = nullptr;
    QWidget *m_areaAnteprima = nullptr;
    std::array<Pulsante *, 3> m_pulsantiAnteprima {};
    ControlloScansione *m_anteprima = nullptr;

    std::unique_ptr<Agente> m_personaggio;
    clsResize *m_ridimensiona = nullptr;
    int m_schedaCorrente = SchedaGiocatori;
    // Who was current when "Nuovo utente" was chosen: current again while the
    // name typed cannot be a new user's.
    QString m_utentePrimaDelNuovo;
    bool m_primaApertura = true;
    bool m_attivata = false;
    bool m_versoMenu = false;
};
