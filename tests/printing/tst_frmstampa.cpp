#include "ChiaviLingua.h"
#include "core/Lingua.h"
#include "core/Percorsi.h"
#include "printing/FiguraStampabile.h"
#include "printing/frmStampa.h"

#include "MessaggiFinti.h"
#include "StampantiFinte.h"
#include "TestPaths.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

Q_DECLARE_METATYPE(RettangoloMm)

// The print window driven through its own controls while it is open, with
// printers that record their jobs.
class TestFrmStampa : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StampantiFinte> m_stampanti;
    std::unique_ptr<MessaggiFinti> m_messaggi;
    std::unique_ptr<frmStampa> m_finestra;
    std::unique_ptr<QWidget> m_esercizio;

    // Opens the window for a 1280 x 720 window with the menu's arguments;
    // azione runs while it is open, then the window is closed if still open.
    // Returns whether it was shown at all.
    bool apri(int orientamento, const std::function<void(frmStampa &)> &azione, QWidget *oggetto = nullptr,
              int x = 10, int y = 10, int w = 100, double h = 100)
    {
        bool mostrata = false;
        // The window shows itself after serving pending events: wait for it.
        QTimer attesa;
        attesa.setInterval(5);
        connect(&attesa, &QTimer::timeout, this, [&] {
            if (!m_finestra->isVisible())
                return;
            attesa.stop();
            mostrata = true;
            if (azione)
                azione(*m_finestra);
            if (m_finestra->isVisible())
                m_finestra->cmdChiudi_Click();
        });
        attesa.start();
        m_finestra->StampaFPB(oggetto ? oggetto : m_esercizio.get(), x, y, w, h, orientamento, QString());
        return mostrata;
    }

    static void scrivi(QLineEdit *campo, const QString &testo)
    {
        campo->setFocus();
        campo->selectAll();
        QTest::keyClick(campo, Qt::Key_Backspace);
        QTest::keyClicks(campo, testo);
    }

private slots:
    void initTestCase()
    {
        Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_PROGRAM_DIR));
        LinguaCorrente() = QStringLiteral("Italiano");
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }

    void init()
    {
        m_stampanti = std::make_unique<StampantiFinte>();
        m_messaggi = std::make_unique<MessaggiFinti>();
        m_finestra = std::make_unique<frmStampa>();
        m_esercizio = std::make_unique<QWidget>();
        m_esercizio->setObjectName(QStringLiteral("FormEs1"));
        m_esercizio->resize(1280, 720);
    }

    void cleanup()
    {
        m_finestra.reset();
        m_esercizio.reset();
        m_messaggi.reset();
        m_stampanti.reset();
    }

    // Every text of the window's section of both language files names a
    // control of the window, so no control keeps its Italian text.
    void testiDellaLingua()
    {
        QVERIFY(apri(1, [](frmStampa &f) {
            const QString mancanti = chiaviSenzaControllo(&f);
            QVERIFY2(mancanti.isEmpty(), qPrintable(mancanti));
        }));
    }

    // The menu's arguments: 10/10 mm, 100 x 100 mm, the sheet turned as
    // asked, drawn with its longer side at 1905 twips (127 pixels).
    void argomentiDelMenu_data()
    {
        QTest::addColumn<int>("orientamento");
        QTest::addColumn<QString>("larghezza");
        QTest::addColumn<QString>("altezza");
        QTest::addColumn<QSize>("anteprima");
        QTest::addColumn<QRect>("immagine");
        QTest::newRow("landscape") << 2 << "287" << "200" << QSize(127, 89) << QRect(4, 4, 44, 44);
        QTest::newRow("portrait") << 1 << "200" << "287" << QSize(89, 127) << QRect(4, 4, 44, 44);
    }
    void argomentiDelMenu()
    {
        QFETCH(int, orientamento);
        QFETCH(QString, larghezza);
        QFETCH(QString, altezza);
        QFETCH(QSize, anteprima);
        QFETCH(QRect, immagine);
        QVERIFY(apri(orientamento, [&](frmStampa &f) {
            QCOMPARE(f.txtPrX()->text(), QStringLiteral("10"));
            QCOMPARE(f.txtPrY()->text(), QStringLiteral("10"));
            QCOMPARE(f.txtPrW()->text(), QStringLiteral("100"));
            QCOMPARE(f.txtPrH()->text(), QStringLiteral("100"));
            QCOMPARE(f.Impostazioni().orientamento, orientamento);
            QCOMPARE(f.lblFgW()->text(), larghezza);
            QCOMPARE(f.lblFgH()->text(), altezza);
            QCOMPARE(f.picPreview()->size(), anteprima);
            QCOMPARE(f.rettangoloAnteprima(), immagine);
            // The default printer is the one in use, selected in the list.
            QCOMPARE(f.cboPrinterNames()->currentText(), QStringLiteral("Aula"));
            QCOMPARE(f.cboPrinterNames()->count(), 3);
            QCOMPARE(f.txtNCopies()->text(), QStringLiteral("1"));
            QCOMPARE(f.windowTitle(), QStringLiteral("  Stampa pinnola "));
            QVERIFY(!f.lblFuoriFoglio()->isVisible());
        }));
    }

    // A window's width in twips over the print width: 1280 pixels at 100 mm
    // is 1:192; the scale typed back sets the size.
    void scalaDellaFinestra()
    {
        QVERIFY(apri(2, [&](frmStampa &f) {
            QCOMPARE(f.LarghezzaOrigine(), 19200.0);
            QCOMPARE(f.txtScala()->text(), QStringLiteral("192"));
            scrivi(f.txtScala(), QStringLiteral("96"));
            QTest::keyClick(f.txtScala(), Qt::Key_Return);
            QCOMPARE(f.txtPrW()->text(), QStringLiteral("200"));
            QCOMPARE(f.txtPrH()->text(), QStringLiteral("200"));
            // The decimal point typed as "." or as the locale's ",".
            scrivi(f.txtScala(), QStringLiteral("128.0"));
            QTest::keyClick(f.txtScala(), Qt::Key_Return);
            QCOMPARE(f.txtPrW()->text(), QStringLiteral("150"));
            scrivi(f.txtScala(), QStringLiteral("153,6"));
            QTest::keyClick(f.txtScala(), Qt::Key_Return);
            QCOMPARE(f.txtPrW()->text(), QStringLiteral("125"));
            QCOMPARE(f.txtScala()->text(), QStringLiteral("153,6"));
            // Zero or nothing changes nothing.
            scrivi(f.txtScala(), QStringLiteral("0"));
            QTest::keyClick(f.txtScala(), Qt::Key_Return);
            QCOMPARE(f.txtPrW()->text(), QStringLiteral("125"));
            scrivi(f.txtScala(), QString());
            f.applicaScala();
            QCOMPARE(f.txtPrW()->text(), QStringLiteral("125"));
        }));
    }

    // The window is kept between prints: opened for the picture to colour
    // at the width an exercise was just printed at, it shows the picture's
    // scale, not the exercise's.
    void scalaDelNuovoOggetto()
    {
        FiguraStampabile figura;
        figura.setObjectName(QStringLiteral("Picture1"));
        figura.setFile(Percorsi::programma(QStringLiteral("immagini/colorare/figura1.svg")));
        figura.resize(200, 200);
        QVERIFY(apri(2, [](frmStampa &f) { QCOMPARE(f.txtScala()->text(), QStringLiteral("192")); }));
        QVERIFY(apri(1, [](frmStampa &f) { QCOMPARE(f.txtScala()->text(), QStringLiteral("30")); }, &figura));
        QVERIFY(apri(2, [](frmStampa &f) { QCOMPARE(f.txtScala()->text(), QStringLiteral("192")); }));
    }

    // What a child might type into the fields.
    void campiLimitati_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("digitato");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("width 0 -> 1") << "txtPrW" << "0" << "1";
        QTest::newRow("width 2500 -> 2000") << "txtPrW" << "2500" << "2000";
        QTest::newRow("height 9999 -> 2000") << "txtPrH" << "9999" << "2000";
        QTest::newRow("margin 3000 -> 2000") << "txtPrX" << "3000" << "2000";
        QTest::newRow("copies 1111 -> 100") << "txtNCopies" << "1111" << "100";
        QTest::newRow("letters and signs are not typed") << "txtPrW" << "1a-b2.,5" << "125";
        QTest::newRow("emptied to type anew") << "txtPrW" << "" << "";
    }
    void campiLimitati()
    {
        QFETCH(QString, campo);
        QFETCH(QString, digitato);
        QFETCH(QString, atteso);
        QVERIFY(apri(2, [&](frmStampa &f) {
            auto *c = f.findChild<QLineEdit *>(campo);
            QVERIFY(c);
            scrivi(c, digitato);
            QCOMPARE(c->text(), atteso);
        }));
    }

    void copieNelLavoro()
    {
        QVERIFY(apri(2, [&](frmStampa &f) {
            scrivi(f.txtNCopies(), QStringLiteral("1111"));
            QCOMPARE(f.Copie(), 100);
            scrivi(f.txtNCopies(), QStringLiteral("2"));
            f.cmdStampa_Click();
        }));
        QCOMPARE(m_stampanti->lavori.size(), 1);
        QCOMPARE(m_stampanti->lavori.first().copie, 2);
        QCOMPARE(m_stampanti->lavori.first().rettangolo, (RettangoloMm{10, 10, 100, 100}));
        QCOMPARE(m_stampanti->lavori.first().stampante, QStringLiteral("Aula"));
        QCOMPARE(m_stampanti->lavori.first().dimensione, QSize(1280, 720));
        // Printer and copies are kept for the next use.
        QVERIFY(apri(1, [&](frmStampa &f) { QCOMPARE(f.txtNCopies()->text(), QStringLiteral("2")); }));
    }

    // With proportions kept, a change of one side keeps the square; without,
    // the other side stays.
    void proporzioni()
    {
        QVERIFY(apri(2, [&](frmStampa &f) {
            scrivi(f.txtPrW(), QStringLiteral("150"));
            QCOMPARE(f.txtPrH()->text(), QStringLiteral("150"));
            scrivi(f.txtPrH(), QStringLiteral("80"));
            QCOMPARE(f.txtPrW()->text(), QStringLiteral("80"));
            f.chkProporzioni()->click();
            QCOMPARE(f.lblLblScala()->text(), QStringLiteral("Scala X:"));
            QVERIFY(!f.txtScala()->isEnabled());
            scrivi(f.txtPrW(), QStringLiteral("120"));
            QCOMPARE(f.txtPrH()->text(), QStringLiteral("80"));
            f.chkProporzioni()->click();
            QCOMPARE(f.txtPrH()->text(), QStringLiteral("120"));
            QVERIFY(f.txtScala()->isEnabled());
        }));
    }

    // Centring a 100 x 100 image on 200 x 287: (287 - 100) / 2 = 93.5 -> 94.
    // While open the window belongs to the window it prints, which keeps it
    // above a full-screen exercise; afterwards it belongs to none, so it
    // survives that window.
    void appartieneAllaFinestraStampata()
    {
        QVERIFY(apri(1, [&](frmStampa &f) {
            QCOMPARE(f.parentWidget(), m_esercizio.get());
            QVERIFY(f.isWindow());
            QVERIFY(f.isModal());
        }));
        QCOMPARE(m_finestra->parentWidget(), nullptr);
        m_esercizio.reset();
        QVERIFY(m_finestra->isWindow());
    }

    void alCentro()
    {
        QVERIFY(apri(1, [&](frmStampa &f) {
            f.chkCentro()->click();
            QCOMPARE(f.txtPrX()->text(), QStringLiteral("50"));
            QCOMPARE(f.txtPrY()->text(), QStringLiteral("94"));
            QVERIFY(!f.txtPrX()->isEnabled());
            QVERIFY(!f.cmdOrigine()->isEnabled());
            f.chkCentro()->click();
            f.cmdOrigine_Click();
            QCOMPARE(f.txtPrX()->text(), QStringLiteral("0"));
            QCOMPARE(f.txtPrY()->text(), QStringLiteral("0"));
        }));
    }

    void massimo()
    {
        QVERIFY(apri(2, [&](frmStampa &f) {
            f.cmdMax_Click();
            // Sheet 287 x 200, square image: the height fills it.
            QCOMPARE(f.rettangoloStampa(), (RettangoloMm{10, 0, 200, 200}));
            f.chkProporzioni()->click();
            f.cmdMax_Click();
            QCOMPARE(f.rettangoloStampa(), (RettangoloMm{0, 0, 287, 200}));
        }));
    }

    // An image past the sheet makes the warning blink; back inside, it goes.
    void fuoriFoglio()
    {
        QVERIFY(apri(1, [&](frmStampa &f) {
            scrivi(f.txtPrW(), QStringLiteral("200"));
            QVERIFY(f.lblFuoriFoglio()->isVisible());
            QVERIFY(f.Timer1()->isActive());
            const QColor prima = f.lblFuoriFoglio()->palette().color(QPalette::Window);
            QTest::qWait(600);
            QVERIFY(f.lblFuoriFoglio()->palette().color(QPalette::Window) != prima);
            scrivi(f.txtPrW(), QStringLiteral("190"));
            QVERIFY(!f.lblFuoriFoglio()->isVisible());
            QVERIFY(!f.Timer1()->isActive());
        }));
    }

    // The question for an image past the sheet: Yes shrinks it with its
    // margins, No prints it as set, Cancel prints nothing and stays open.
    void domandaFuoriFoglio_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::addColumn<int>("lavori");
        QTest::addColumn<RettangoloMm>("rettangolo");
        QTest::addColumn<bool>("chiusa");
        QTest::newRow("yes: 200/210 of it") << int(RispostaDomanda::Si) << 1 << RettangoloMm{10, 10, 190, 190} << true;
        QTest::newRow("no") << int(RispostaDomanda::No) << 1 << RettangoloMm{10, 10, 200, 200} << true;
        QTest::newRow("cancel") << int(RispostaDomanda::Annulla) << 0 << RettangoloMm{} << false;
    }
    void domandaFuoriFoglio()
    {
        QFETCH(int, risposta);
        QFETCH(int, lavori);
        QFETCH(RettangoloMm, rettangolo);
        QFETCH(bool, chiusa);
        m_messaggi->risposteSiNo << RispostaDomanda(risposta);
        bool apertaDopo = false;
        QVERIFY(apri(1, [&](frmStampa &f) {
            scrivi(f.txtPrW(), QStringLiteral("200"));
            f.cmdStampa_Click();
            apertaDopo = f.isVisible();
        }));
        QCOMPARE(m_messaggi->domandeSiNo.size(), 1);
        QVERIFY(m_messaggi->domandeSiNo.first().startsWith(QStringLiteral("La stampa esce dal foglio.\n")));
        QCOMPARE(m_messaggi->titoliDomande.first(), QStringLiteral("Stampa fuori foglio"));
        QCOMPARE(m_stampanti->lavori.size(), lavori);
        if (lavori)
            QCOMPARE(m_stampanti->lavori.first().rettangolo, rettangolo);
        QCOMPARE(apertaDopo, !chiusa);
    }

    // A print that fails leaves the window open after the message; no copy
    // at all prints nothing and closes it as a print does.
    void esitoDellaStampa_data()
    {
        QTest::addColumn<int>("esito");
        QTest::addColumn<QString>("copie");
        QTest::addColumn<bool>("aperta");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("printed") << int(EsitoLavoro::Stampato) << "1" << false << "";
        QTest::newRow("not started") << int(EsitoLavoro::NonAvviato) << "1" << true << "Errore di StartDoc";
        QTest::newRow("refused") << int(EsitoLavoro::NonStampato) << "2" << true
                                 << "Il Form non viene stampato.\nR1 =  1\nR2 =  720\nR3 =  1\nR4 =  0";
        QTest::newRow("save cancelled") << int(EsitoLavoro::Annullato) << "1" << true << "";
        QTest::newRow("no copies") << int(EsitoLavoro::Stampato) << "0" << false << "";
    }
    void esitoDellaStampa()
    {
        QFETCH(int, esito);
        QFETCH(QString, copie);
        QFETCH(bool, aperta);
        QFETCH(QString, messaggio);
        m_stampanti->esito = EsitoLavoro(esito);
        bool apertaDopo = false;
        QVERIFY(apri(2, [&](frmStampa &f) {
            scrivi(f.txtNCopies(), copie);
            f.cmdStampa_Click();
            apertaDopo = f.isVisible();
        }));
        QCOMPARE(apertaDopo, aperta);
        QCOMPARE(m_finestra->stampato(), !aperta);
        if (messaggio.isEmpty()) {
            QVERIFY(m_messaggi->mostrati.isEmpty());
        } else {
            QCOMPARE(m_messaggi->mostrati, QStringList{messaggio});
            QCOMPARE(m_messaggi->titoli, QStringList{QStringLiteral(" Errore in frmStampaFPB/Print_Form")});
            QCOMPARE(m_messaggi->icone.first(), IconaMessaggio::Critico);
        }
    }

    // "Chiudi" forgets the copies typed; the printer chosen in the list is
    // not kept either.
    void chiudiRipristina()
    {
        QVERIFY(apri(2, [&](frmStampa &f) {
            scrivi(f.txtNCopies(), QStringLiteral("5"));
            f.cboPrinterNames()->setCurrentIndex(0);
            QTest::keyClick(f.cboPrinterNames(), Qt::Key_Up);
            f.cmdChiudi_Click();
        }));
        QVERIFY(m_stampanti->lavori.isEmpty());
        QVERIFY(apri(2, [&](frmStampa &f) {
            QCOMPARE(f.txtNCopies()->text(), QStringLiteral("1"));
            QCOMPARE(f.cboPrinterNames()->currentText(), QStringLiteral("Aula"));
        }));
    }

    void oggettiSbagliati()
    {
        // No default printer: the message, and the window does not open.
        m_stampanti->nomePredefinito.clear();
        QVERIFY(!apri(1, {}));
        QCOMPARE(m_messaggi->mostrati, QStringList{QStringLiteral("Stampante di default non specificata.")});
        QCOMPARE(m_messaggi->titoli.first(), QStringLiteral(" Errore in frmStampaFPB/GetDefPrinterName"));
        QVERIFY(m_stampanti->lavori.isEmpty());

        m_stampanti->nomePredefinito = QStringLiteral("Aula");
        m_messaggi->mostrati.clear();
        QPushButton pulsante(m_esercizio.get());
        pulsante.setObjectName(QStringLiteral("Command1"));
        QVERIFY(!apri(1, {}, &pulsante));
        QCOMPARE(m_messaggi->mostrati,
                 QStringList{QStringLiteral("Stampa di Command1\n\nL' oggetto da stampare\ne' di tipo errato.")});
        QCOMPARE(m_messaggi->titoli.last(), QStringLiteral(" Errore in frmStampaFPB/StampaFPB"));

        m_messaggi->mostrati.clear();
        m_finestra->StampaFPB(m_esercizio.get(), 10, 10, 100, std::nullopt);
        QCOMPARE(m_messaggi->mostrati, QStringList{QStringLiteral("Parametri errati.")});
    }

    // A drawing is printed as a picture box: its own scale, its own name.
    void figura()
    {
        FiguraStampabile figura;
        figura.setObjectName(QStringLiteral("Picture1"));
        figura.setFile(Percorsi::programma(QStringLiteral("immagini/colorare/figura1.svg")));
        figura.resize(200, 200);
        QVERIFY(figura.valida());
        QVERIFY(apri(1, [&](frmStampa &f) {
            QCOMPARE(f.LarghezzaOrigine(), 3000.0);
            QCOMPARE(f.txtScala()->text(), QStringLiteral("30"));
            f.cmdStampa_Click();
        }, &figura));
        QCOMPARE(m_stampanti->lavori.size(), 1);
        QCOMPARE(m_stampanti->lavori.first().impostazioni.orientamento, 1);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestFrmStampa t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_frmstampa.moc"
