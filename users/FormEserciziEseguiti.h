#pragma once

#include "users/FileRegistro.h"
#include "users/StampaGriglia.h"

#include <QMainWindow>

class GrigliaEsercizi;
class QAction;
class QLabel;
class QMenu;
class clsResize;

// The activity viewer: the levels played in this run, one row per level
// segment, under the current user's name and today's date. "Salva" writes
// what it shows to a record file, "Apri" shows a record file instead (the
// activity table itself is never changed), "Stampa" prints the grid on the
// default printer and "Esci" goes back to the main menu.
class FormEserciziEseguiti : public QMainWindow
{
    Q_OBJECT

public:
    explicit FormEserciziEseguiti(QWidget *parent = nullptr);
    ~FormEserciziEseguiti() override;

    QLabel *Label1() const { return m_label1; }
    QLabel *Label2() const { return m_label2; }
    QLabel *Label3() const { return m_label3; }
    GrigliaEsercizi *MSFlexGrid1() const { return m_griglia; }
    QMenu *mnuFile() const { return m_mnuFile; }
    QAction *mnuSalva() const { return m_mnuSalva; }
    QAction *mnuApri() const { return m_mnuApri; }
    QAction *mnuStampa() const { return m_mnuStampa; }
    QAction *mnuEsci() const { return m_mnuEsci; }
    // The opening set-up has run.
    bool attivata() const { return m_attivata; }

    void mnuSalva_Click();
    void mnuApri_Click();
    void mnuStampa_Click();
    void mnuEsci_Click();

    // What the grid shows, as a record file holds it.
    ContenutoRegistro contenuto() const;
    // What the printer gets.
    GrigliaDaStampare grigliaDaStampare() const;

protected:
    void showEvent(QShowEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    void creaControlli();
    void creaMenu();
    void Form_Activate();
    void mostra(const ContenutoRegistro &contenuto, const QString &intestazioneEsercizio);
    void dimensionaColonne();
    void adattaCaratteri();
    void errore(const QString &chiave);
    QString titoloDialogo(const QAction *voce) const;

    QWidget *m_area = nullptr;
    QLabel *m_label1 = nullptr;
    QString m_utente; // the user line as stored; m_label1 shows it in the chosen language
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    GrigliaEsercizi *m_griglia = nullptr;
    QMenu *m_mnuFile = nullptr;
    QAction *m_mnuSalva = nullptr;
    QAction *m_mnuApri = nullptr;
    QAction *m_mnuStampa = nullptr;
    QAction *m_mnuEsci = nullptr;
    clsResize *m_ridimensiona = nullptr;
    bool m_primaApertura = true;
    bool m_attivata = false;
    bool m_versoMenu = false;
};
