#include "exercises/es7/FormEs7.h"
#include "menu/FinestreMenu.h"

#include "exercises/AmbienteCaratteristiche.h"

// "Indovina chi?", the real window: the screen, painting and scanning are
// shared with "Trova gli intrusi" (tested there); here what this window
// does differently: one choice of the model completes the item, and the
// reading starts with the first tick and goes on after the model is found.
class TestFormEs7 : public QObject
{
    Q_OBJECT

private:
    AmbienteCaratteristiche<FormEs7> a;

    int modello() const { return a.finestra->esercizio().Modello(); }
    int altra() const { return modello() == 0 ? 1 : 0; }

private slots:
    void init() { a.init(); }
    void cleanup() { a.cleanup(); }

    // Mouse: another house counts wrong and leaves the item open; the model
    // counts right, is framed, opens the next-item button and leaves every
    // house on screen; then clicks on houses change nothing.
    void sceltaConIlMouse()
    {
        FormEs7 &f = a.apri(IngressoMouse);
        QCOMPARE(f.Label1()->text(), QStringLiteral("Trova la pinnola che possiede tutte le caratteristiche"));
        f.mnuLiv_Click(3);
        a.clicCasa(altra());
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 1"));
        QVERIFY(!f.Command1(0)->isEnabled());
        QVERIFY(f.Shape1()->isHidden());

        a.clicCasa(modello());
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 1"));
        QVERIFY(a.suoni->suonati.last().contains(QLatin1String("/suoni/si/")));
        QVERIFY(f.Command1(0)->isEnabled());
        QCOMPARE(f.casaRiquadro(), modello());
        QCOMPARE(a.caseMostrate().size(), 6);

        a.clicCasa(altra());
        a.clicCasa(modello());
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 1"));
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 1"));

        QTest::mouseClick(f.Command1(0), Qt::LeftButton);
        QVERIFY(!f.Command1(0)->isEnabled());
        QVERIFY(f.Shape1()->isHidden());
        // This window does not wait a second after loading the houses.
        QCOMPARE(a.pause, 0);
    }

    // Scanning, in each mode: a wrong select counts and keeps the item
    // open; the model leaves only itself on screen and the scan rests on
    // the next-item button, where the scan and the moves hold; one more
    // select starts the next item.
    void sceltaInScansione_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("manual") << int(IngressoScansioneManuale);
        QTest::newRow("automatic") << int(IngressoScansioneAutomatica);
        QTest::newRow("keyboard") << int(IngressoTastiera);
    }

    void sceltaInScansione()
    {
        QFETCH(int, modo);
        FormEs7 &f = a.apri(modo);
        f.mnuLiv_Click(5);
        const auto seleziona = [&] {
            if (modo == IngressoScansioneAutomatica)
                a.premiERilasciaSpazio();
            else
                a.rilascia(Qt::Key_Return);
        };
        f.scansione().vaiA(modello() == 11 ? 10 : 11);
        seleziona();
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 1"));
        QCOMPARE(a.caseMostrate().size(), 12);

        f.scansione().vaiA(modello());
        seleziona();
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 1"));
        QCOMPARE(a.caseMostrate(), QList<int>{modello()});
        QVERIFY(f.aRiposo());
        QVERIFY(a.pulsanteEvidenziato());
        QCOMPARE(f.casaRiquadro(), modello());
        f.scansione().Timer1_Timer();
        if (modo == IngressoScansioneManuale)
            a.rilascia(Qt::Key_Space);
        if (modo == IngressoTastiera) {
            a.rilascia(Qt::Key_Right);
            a.rilascia(Qt::Key_Down);
        }
        QVERIFY(f.aRiposo());
        QCOMPARE(f.casaRiquadro(), modello());

        seleziona();
        QVERIFY(!f.aRiposo());
        QVERIFY(!a.pulsanteEvidenziato());
        QCOMPARE(a.caseMostrate().size(), 12);
        QCOMPARE(f.casaRiquadro(), 0);
    }

    // With the voice and scanning nothing is said as the item starts; each
    // four-second tick reads the next sentence from the chimney's, and the
    // reading goes on once the model is found.
    void letturaATurno()
    {
        FormEs7 &f = a.apri(IngressoScansioneManuale);
        AgenteFinto *agente = a.agente();
        QVERIFY(agente->detti().isEmpty());
        QVERIFY(f.Timer2()->isActive());
        QCOMPARE(f.Timer2()->interval(), 4000);
        const QString prefisso = QStringLiteral("\\Spd=130\\\\Pit=100\\");
        f.Timer2_Timer();
        f.Timer2_Timer();
        QCOMPARE(agente->detti(), (QStringList{prefisso + f.esercizio().Frasi(0), prefisso + f.esercizio().Frasi(1)}));

        f.scansione().vaiA(modello());
        a.rilascia(Qt::Key_Return);
        QVERIFY(f.aRiposo());
        f.Timer2_Timer();
        QCOMPARE(agente->detti().last(), prefisso + f.esercizio().Frasi(2));

        // A new item stops the reading and starts it again from the chimney.
        a.rilascia(Qt::Key_Return);
        f.Timer2_Timer();
        QCOMPARE(agente->detti().last(), prefisso + f.esercizio().Frasi(0));
        f.close();
        QVERIFY(!f.Timer2()->isActive());
    }

    // With the mouse the reading in turn never starts; the part pictures still read.
    void mouseSenzaLetturaATurno()
    {
        FormEs7 &f = a.apri(IngressoMouse);
        QVERIFY(!f.Timer2()->isActive());
        f.Image1_Click(7);
        QCOMPARE(a.agente()->detti(), QStringList{QStringLiteral("\\Spd=130\\\\Pit=100\\") + f.esercizio().Frasi(7)});
    }

    void dalMenu()
    {
        std::unique_ptr<QWidget> w(finestraEsercizio(7)());
        QCOMPARE(w->objectName(), QStringLiteral("FormEs7"));
    }
};

QTEST_MAIN(TestFormEs7)
#include "tst_formes7.moc"
