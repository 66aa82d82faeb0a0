#pragma once

#include "core/StoriaProgressi.h"
#include "users/ModelloProgressi.h"
#include "users/StampaProgressi.h"

#include <QMainWindow>

#include <array>

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The progress window: for one player (the current one, or another chosen
// in its list) and one period, each exercise's highest level, share of right
// answers and ignored presses in every ten presses over the dates played,
// as three charts and a table of the same figures. "Esporta" writes the
// period's segments for a spreadsheet, "Stampa" prints charts and tables,
// "Esci" goes back to the main menu. All of it works from the keyboard.
class FormProgressi : public QMainWindow
{
    Q_OBJECT

public:
    explicit FormProgressi(QWidget *parent = nullptr);
    ~FormProgressi() override;

    QComboBox *cboGiocatore() const { return m_cboGiocatore; }
    QComboBox *cboPeriodo() const { return m_cboPeriodo; }
    QComboBox *cboEsercizio() const { return m_cboEsercizio; }
    QPushButton *cmdEsporta() const { return m_cmdEsporta; }
    QPushButton *cmdStampa() const { return m_cmdStampa; }
    QPushButton *cmdEsci() const { return m_cmdEsci; }
    QChartView *grafico(FiguraProgressi figura) const { return m_grafici[int(figura)]; }
    QTableWidget *tabella() const { return m_tabella; }
    QLabel *lblNota() const { return m_lblNota; }
    QLabel *lblTitolo() const { return m_lblTitolo; }
    // The opening set-up has run.
    bool attivata() const { return m_attivata; }

    // Today, for the periods; the clock's date unless a test sets it.
    void impostaOggi(const QDate &oggi) { m_oggi = oggi; }

    void cmdEsporta_Click();
    void cmdStampa_Click();
    void cmdEsci_Click();

    // What is shown: the player's segments of the period and their summary.
    const QList<SegmentoStoria> &segmentiPeriodo() const { return m_periodo; }
    const QList<EsercizioProgressi> &riepilogo() const { return m_riepilogo; }
    // What "Stampa" prints.
    ProgressiDaStampare progressiDaStampare() const;
    // What "Esporta" writes.
    QByteArray csv() const;

protected:
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

private:
    void creaControlli();
    void applicaTesti();
    void applicaAspetto();
    void Form_Activate();
    void caricaGiocatore();
    void aggiornaPeriodo();
    void aggiornaEsercizio();
    void avvisaStorieMesseDaParte();
    QString esercizioScelto() const;
    QDate dal() const;
    QString testoPeriodo() const;
    QString giocatore() const;

    QLabel *m_lblTitolo = nullptr;
    QLabel *m_lblGiocatore = nullptr;
    QLabel *m_lblPeriodo = nullptr;
    QLabel *m_lblEsercizio = nullptr;
    QComboBox *m_cboGiocatore = nullptr;
    QComboBox *m_cboPeriodo = nullptr;
    QComboBox *m_cboEsercizio = nullptr;
    QPushButton *m_cmdEsporta = nullptr;
    QPushButton *m_cmdStampa = nullptr;
    QPushButton *m_cmdEsci = nullptr;
    std::array<QChartView *, 3> m_grafici {};
    QTableWidget *m_tabella = nullptr;
    QLabel *m_lblNota = nullptr;
    QWidget *m_area = nullptr;

    QDate m_oggi;
    QList<SegmentoStoria> m_tutti;
    QList<SegmentoStoria> m_periodo;
    QList<EsercizioProgressi> m_riepilogo;
    QColor m_sfondo;
    QFont m_carattere;
    bool m_primaApertura = true;
    bool m_attivata = false;
    bool m_versoMenu = false;
};

// The texts of the progress window in the current language.
namespace TestiProgressi {
QString nomeEsercizio(const QString &esercizio);
QString nomeModo(int modoInput);
TestiCsv csv();
} // namespace TestiProgressi
