#include "UsciteCups.h"
#include "users/FormEserciziEseguiti.h"
#include "users/GrigliaEsercizi.h"
#include "users/RegistroAttivita.h"

#include <QAction>

// The activity grid printed for real: the private CUPS server of the test
// command takes the job on its PDF queue, and the page is read back.
class TestEseguitiCups : public QObject
{
    Q_OBJECT

private slots:
    void laGrigliaArrivaAllaStampante()
    {
        UsciteCups stampa;
        QVERIFY2(stampa.uscite.disponibile(), UsciteCups::senzaServer);
        QVERIFY(stampa.pdfPredefinita());
        AmbienteMenu &ambiente = stampa.ambiente;

        StatoProgramma &s = Stato();
        s.IntestazioneLivello = MLSGetText(QStringLiteral("0105")) + QLatin1Char(' ');
        s.IntestazioneEsatti = MLSGetText(QStringLiteral("0004")) + QLatin1Char(' ');
        s.IntestazioneErrati = MLSGetText(QStringLiteral("0005")) + QLatin1Char(' ');
        s.UtenteCorrente = QStringLiteral("Giulia");
        for (int run = 0; run < 3; ++run) {
            iniziaRigaEsercizio(s, MLSGetText(QStringLiteral("006%1").arg(5 + run)));
            s.RisposteEsatte = 10 + run;
            s.RisposteErrate = qint16(run);
            completaSegmento(s, run + 1);
        }
        s.imp.TracciaAttivita = true;
        FormMenu *menu = ambiente.apriMenu();
        menu->mnuEserciziEseguiti()->trigger();
        auto *vista = AmbienteMenu::aperta<FormEserciziEseguiti>();
        QVERIFY(vista);
        QTRY_VERIFY(vista->attivata());
        ambiente.messaggi->risposteSiNo << RispostaDomanda::Si;
        vista->mnuStampa()->trigger();
        QCOMPARE(ambiente.messaggi->mostrati, QStringList {MLSGetText(QStringLiteral("0080"))});
        QVERIFY(stampa.dialoghi.richiesteFile.isEmpty());

        const QStringList pdf = stampa.uscite.nuovi(1);
        QCOMPARE(pdf.size(), 1);
        const CartellaPdf::Info info = CartellaPdf::info(pdf.first());
        QCOMPARE(info.pagine, 1);
        // A landscape page comes out as a sheet whose printing runs along its
        // long side: turned a quarter on a portrait sheet, as paper goes
        // through the printer. The table fills the page's width, so its ink
        // is longer along the page's width than along its height.
        const QRectF inchiostro = CartellaPdf::scuroMm(CartellaPdf::pagina(pdf.first(), 50), 50);
        const bool foglioVerticale = info.pagina.height() > info.pagina.width();
        QVERIFY2(foglioVerticale == (inchiostro.height() > inchiostro.width()),
                 qPrintable(QStringLiteral("ink %1 x %2 mm on a %3 x %4 sheet")
                                .arg(inchiostro.width())
                                .arg(inchiostro.height())
                                .arg(info.pagina.width())
                                .arg(info.pagina.height())));
        QVERIFY(qMax(inchiostro.width(), inchiostro.height()) > 250);
        QProcess testo;
        testo.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf.first(), QStringLiteral("-")});
        QVERIFY(testo.waitForFinished(30000));
        const QString letto = QString::fromUtf8(testo.readAllStandardOutput());
        QVERIFY2(letto.count(QStringLiteral("Giulia")) == 2, qPrintable(letto));
        const GrigliaEsercizi *g = vista->MSFlexGrid1();
        QCOMPARE(g->Rows(), 7);
        for (int r = 0; r < g->Rows(); ++r) {
            for (int c = 0; c < g->Cols(); ++c) {
                const QString cella = g->TextMatrix(r, c).trimmed();
                QVERIFY2(cella.isEmpty() || letto.contains(cella), qPrintable(cella));
            }
        }
        QVERIFY(letto.simplified().contains(QStringLiteral("3 %1 2 11 1").arg(MLSGetText(QStringLiteral("0066")))));
    }
};

QTEST_MAIN(TestEseguitiCups)
#include "tst_eseguiti_cups.moc"
