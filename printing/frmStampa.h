#pragma once

#include "platform/Stampanti.h"
#include "printing/GeometriaStampa.h"

#include <QDialog>
#include <QPointer>

#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class AnteprimaFoglio;
class SuGiu;

// The print window: the printer in use, a drawing of the sheet with the
// object placed on it, the margins, the size, the scale and the copies, and
// the print itself. One window for the whole run, so the printer, its
// settings and the copies carry over from one use to the next.
class frmStampa : public QDialog
{
    Q_OBJECT

public:
    static frmStampa &istanza();
    explicit frmStampa(QWidget *parent = nullptr);
    ~frmStampa() override;

    // Prints a window or a picture (a FiguraStampabile) at x, y, w, h mm;
    // orientation 1 portrait, 2 landscape; the title of the job (absent: the
    // object's name); the scale 1:n (absent: taken from the object's width).
    // Opens the window modally and returns when it closes.
    void StampaFPB(QWidget *oggetto, int x, int y, int w, std::optional<double> h,
                   std::optional<int> orientamento = std::nullopt, std::optional<QString> titolo = std::nullopt,
                   std::optional<double> scala = std::nullopt);

    // Controls and state, by their design names.
    QComboBox *cboPrinterNames() const { return m_cboPrinterNames; }
    QLineEdit *txtPrX() const { return m_txtPrX; }
    QLineEdit *txtPrY() const { return m_txtPrY; }
    QLineEdit *txtPrW() const { return m_txtPrW; }
    QLineEdit *txtPrH() const { return m_txtPrH; }
    QLineEdit *txtNCopies() const { return m_txtNCopies; }
    QLineEdit *txtScala() const { return m_txtScala; }
    QCheckBox *chkCentro() const { return m_chkCentro; }
    QCheckBox *chkProporzioni() const { return m_chkProporzioni; }
    QPushButton *cmdStampa() const { return m_cmdStampa; }
    QPushButton *cmdChiudi() const { return m_cmdChiudi; }
    QPushButton *cmdMax() const { return m_cmdMax; }
    QPushButton *cmdOrigine() const { return m_cmdOrigine; }
    QPushButton *cmdScalaOK() const { return m_cmdScalaOK; }
    QLabel *lblFuoriFoglio() const { return m_lblFuoriFoglio; }
    QLabel *lblFgW() const { return m_lblFgW; }
    QLabel *lblFgH() const { return m_lblFgH; }
    QLabel *lblLblScala() const { return m_lblLblScala; }
    QWidget *picPreview() const;
    QTimer *Timer1() const { return m_timer1; }
    SuGiu *updPrW() const { return m_updPrW; }
    SuGiu *updNCopies() const { return m_updNCopies; }

    QString StampanteCorrente() const { return m_stampanteCorrente; }
    QString StampanteScelta() const { return m_stampanteScelta; }
    const ImpostazioniStampa &Impostazioni() const { return m_impostazioni; }
    int Copie() const { return m_copie; }
    RettangoloMm rettangoloStampa() const;
    int LarghezzaFoglio() const { return m_larghezzaFoglio; }
    int AltezzaFoglio() const { return m_altezzaFoglio; }
    double LarghezzaOrigine() const { return m_larghezzaOrigine; }
    QRect rettangoloAnteprima() const;
    // The window was left after a print that went through.
    bool stampato() const { return m_stampato; }

    void cmdStampa_Click();
    void cmdChiudi_Click();
    void cmdMax_Click();
    void cmdOrigine_Click();
    void cmdProprieta_Click();
    void applicaScala();
    void DisegnaFoglio();
    void AggiornaAnteprima();

    // Forgets the printer and its settings (tests).
    void dimentica();

protected:
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void creaControlli();
    void preparaApertura();
    void nominaControlli();
    void aggiornaScala();
    void cboPrinterNames_Click(int indice);
    void cambioCampo(QLineEdit *campo);
    void dopoCampo(QLineEdit *campo);
    void scriviCampo(QLineEdit *campo, int valore);
    void chkCentro_Click();
    void chkProporzioni_Click();
    void lampeggia();
    void liberaOggetto();

    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    QGroupBox *m_frame3 = nullptr;
    QGroupBox *m_frame4 = nullptr;
    QLabel *m_label1 = nullptr;
    QComboBox *m_cboPrinterNames = nullptr;
    QPushButton *m_cmdProprieta = nullptr;
    QWidget *m_shpFoglio = nullptr;
    QWidget *m_shpBordo = nullptr;
    AnteprimaFoglio *m_picPreview = nullptr;
    QLabel *m_lblFgW = nullptr;
    QLabel *m_lblFgH = nullptr;
    QLabel *m_lblStampaInCorso = nullptr;
    QLabel *m_lblFuoriFoglio = nullptr;
    QPushButton *m_cmdStampa = nullptr;
    QLabel *m_lblLblNCopie = nullptr;
    QLineEdit *m_txtNCopies = nullptr;
    SuGiu *m_updNCopies = nullptr;
    QLabel *m_lblLblScala = nullptr;
    QLabel *m_lblPScala = nullptr;
    QLineEdit *m_txtScala = nullptr;
    QPushButton *m_cmdScalaOK = nullptr;
    QLineEdit *m_txtPrX = nullptr;
    QLineEdit *m_txtPrY = nullptr;
    SuGiu *m_updPrX = nullptr;
    SuGiu *m_updPrY = nullptr;
    QCheckBox *m_chkCentro = nullptr;
    QPushButton *m_cmdOrigine = nullptr;
    QLineEdit *m_txtPrW = nullptr;
    QLineEdit *m_txtPrH = nullptr;
    SuGiu *m_updPrW = nullptr;
    SuGiu *m_updPrH = nullptr;
    QCheckBox *m_chkProporzioni = nullptr;
    QPushButton *m_cmdMax = nullptr;
    QPushButton *m_cmdChiudi = nullptr;
    QTimer *m_timer1 = nullptr;
    QPoint m_posizioneFoglio;

    // What is printed.
    QPointer<QWidget> m_oggetto;
    Stampabile m_stampabile;
    bool m_figura = false;
    QString m_titolo;
    QString m_didascalia; // the window's caption in the current language
    QString m_testoScala; // the scale label's caption with proportions kept
    int m_orientamento = 0;

    // Sheet and image, in mm.
    int m_larghezzaFoglio = 0;
    int m_altezzaFoglio = 0;
    int m_margineSinistro = 0;
    int m_margineSuperiore = 0;
    int m_larghezzaStampa = 1;
    int m_altezzaStampa = 1;
    float m_proporzione = 1.0f;
    float m_larghezzaOrigine = 0.0f;

    // Printer, settings and copies, kept for the next use.
    QString m_stampanteCorrente;
    QString m_stampanteScelta;
    ImpostazioniStampa m_impostazioni;
    ImpostazioniStampa m_impostazioniSalvate;
    int m_copie = 0;
    int m_copieSalvate = 0;

    bool m_lampeggioRosso = false;
    bool m_stampato = false;
    bool m_chiusuraDaCodice = false;
};
