#pragma once

#include "framework/ControlloScansione.h"
#include "menu/PulsanteMenu.h"

#include <QColor>
#include <QList>
#include <QMainWindow>

#include <array>

class Immagine;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class VistaDocumento;
class clsResize;

// The main menu: nine large buttons (eight exercises and "esci"), each with
// its picture, the user list, the menu bar and the key catchers of the
// switches. A fresh menu is opened whenever it is needed and closes itself
// when it opens an exercise or a tool window, so its loading and activation
// run each time. It applies the current user's settings to itself and is
// driven by the mouse, the keyboard, or one or two switches through the
// scanning mechanism, over a ring of the nine buttons.
class FormMenu : public QMainWindow
{
    Q_OBJECT

public:
    explicit FormMenu(QWidget *parent = nullptr);
    ~FormMenu() override;

    // Opens a fresh menu, deleted when it closes.
    static FormMenu *apri();

    // Controls, by their design names.
    PulsanteMenu *Command1(int indice) const;
    Immagine *Image1(int indice) const;
    QComboBox *Combo1() const { return m_combo1; }
    QLabel *LabelDimensionaFont() const { return m_labelDimensionaFont; }
    QAction *mnuConfigura() const { return m_mnuConfigura; }
    QAction *mnuEserciziEseguiti() const { return m_mnuEserciziEseguiti; }
    QAction *mnuProgressi() const { return m_mnuProgressi; }
    QAction *mnuInfo() const { return m_mnuInfo; }
    QAction *mnuDocum() const { return m_mnuDocum; }
    QAction *mnuAbout() const { return m_mnuAbout; }
    QMenu *mnuLanguages() const { return m_mnuLanguages; }
    const QList<QAction *> &mnuLanguage() const { return m_mnuLanguage; }
    VistaDocumento *vistaDocumento() const { return m_documento; }
    ControlloScansione &scansione() { return *m_scansione; }
    int Posizione() const;
    // The window background (the design colour, or ColoreSfondo).
    QColor sfondo() const { return m_sfondo; }
    // Activation has run: the window is full-screen and set up for the user.
    bool attivata() const { return m_attivata; }

    // Starts exercise indice (0..7) or, for 8, ends the program in order.
    void AvviaEsercizi(int indice);
    // Applies the current user's settings to the menu.
    void ImpostaUtente();
    // Fills the user list and selects the current user.
    void RecuperaUtenti();
    // A user chosen in the list.
    void Combo1_Click(int indice);

    void mnuConfigura_Click();
    void mnuEserciziEseguiti_Click();
    void mnuProgressi_Click();
    void mnuInfo_Click();
    void mnuDocum_Click();
    void mnuAbout_Click();
    void mnuLanguage_Click(int indice);

protected:
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void creaControlli();
    void creaMenu();
    void Form_Load();
    void Form_Activate();
    void costruisciDidascalie();
    void applicaDidascalie();
    int misuraFontPulsanti();
    bool didascalieEntrano(const QFont &carattere) const;
    void impostaInput();
    ControlloScansione::Anello anello();
    void segna(int indice, bool acceso);
    void marcaConMouse(int indice);
    void spegniConMouse();
    void apriFinestra(QWidget *finestra);
    void documentoChiuso();

    QWidget *m_area = nullptr;
    std::array<PulsanteMenu *, 9> m_command1 {};
    std::array<Immagine *, 9> m_image1 {};
    QComboBox *m_combo1 = nullptr;
    QLabel *m_labelDimensionaFont = nullptr;
    VistaDocumento *m_documento = nullptr;
    ControlloScansione *m_scansione = nullptr;
    clsResize *m_ridimensiona = nullptr;
    QAction *m_mnuConfigura = nullptr;
    QAction *m_mnuEserciziEseguiti = nullptr;
    QAction *m_mnuProgressi = nullptr;
    QAction *m_mnuInfo = nullptr;
    QAction *m_mnuDocum = nullptr;
    QAction *m_mnuAbout = nullptr;
    QMenu *m_mnuLanguages = nullptr;
    QList<QAction *> m_mnuLanguage;
    QStringList m_didascalie;
    QColor m_sfondo;
    bool m_primaApertura = true;
    bool m_attivata = false;
    bool m_navigazione = false; // closing to open another window
    bool m_finito = false;      // the orderly end has run
};
