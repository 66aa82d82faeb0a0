#include "core/Impostazioni.h"
#include "framework/Scansione.h"

#include <QTest>

Q_DECLARE_METATYPE(AzioneTasto)

class TestScansione : public QObject
{
    Q_OBJECT

private slots:
    void tasti_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("rilasciato");
        QTest::addColumn<AzioneTasto>("azione");

        QTest::newRow("mouse ignores keys") << 0 << int(TastoInvio) << true << AzioneTasto::Nessuna;
        QTest::newRow("manual space up") << 1 << int(TastoSpazio) << true << AzioneTasto::Avanti;
        QTest::newRow("manual space down") << 1 << int(TastoSpazio) << false << AzioneTasto::Nessuna;
        QTest::newRow("manual enter up") << 1 << int(TastoInvio) << true << AzioneTasto::Seleziona;
        QTest::newRow("manual arrow") << 1 << int(TastoDestra) << true << AzioneTasto::Nessuna;
        QTest::newRow("auto space down holds") << 2 << int(TastoSpazio) << false << AzioneTasto::FermaTimer;
        QTest::newRow("auto space up selects") << 2 << int(TastoSpazio) << true << AzioneTasto::RiprendiESeleziona;
        QTest::newRow("auto enter ignored") << 2 << int(TastoInvio) << true << AzioneTasto::Nessuna;
        QTest::newRow("keyboard right") << 3 << int(TastoDestra) << true << AzioneTasto::Avanti;
        QTest::newRow("keyboard down") << 3 << int(TastoGiu) << true << AzioneTasto::Avanti;
        QTest::newRow("keyboard left") << 3 << int(TastoSinistra) << true << AzioneTasto::Indietro;
        QTest::newRow("keyboard up") << 3 << int(TastoSu) << true << AzioneTasto::Indietro;
        QTest::newRow("keyboard enter") << 3 << int(TastoInvio) << true << AzioneTasto::Seleziona;
        QTest::newRow("keyboard arrow pressed") << 3 << int(TastoDestra) << false << AzioneTasto::Nessuna;
        QTest::newRow("keyboard space") << 3 << int(TastoSpazio) << true << AzioneTasto::Nessuna;
    }

    void tasti()
    {
        QFETCH(int, modo);
        QFETCH(int, tasto);
        QFETCH(bool, rilasciato);
        QFETCH(AzioneTasto, azione);
        QCOMPARE(azionePerTasto(modo, tasto, rilasciato), azione);
    }

    void intervallo()
    {
        QCOMPARE(intervalloTimer(4), 1000);
        QCOMPARE(intervalloTimer(60), 15000);
        QCOMPARE(intervalloTimer(0), 250);
        QCOMPARE(intervalloTimer(-8), 250);
    }

    // The answer ring: two answers and a next-item button that is disabled
    // while an item is open and where the highlight rests.
    void anelloDeiPulsanti()
    {
        bool prossimaAbilitata = false;
        Anello a(3, [&](int p) { return p != 2 || prossimaAbilitata; }, 2);
        QCOMPARE(a.Posizione(), 0);
        QVERIFY(a.avanti());
        QCOMPARE(a.Posizione(), 1);
        QVERIFY(a.avanti()); // skips the disabled next-item button
        QCOMPARE(a.Posizione(), 0);
        QVERIFY(a.indietro()); // back from 0 over the disabled button
        QCOMPARE(a.Posizione(), 1);

        a.impostaPosizione(2);
        QVERIFY(a.aRiposo());
        QVERIFY(!a.avanti());
        QVERIFY(!a.indietro());
        QCOMPARE(a.Posizione(), 2);

        prossimaAbilitata = true;
        a.impostaPosizione(1);
        QVERIFY(a.avanti());
        QCOMPARE(a.Posizione(), 2);
    }

    // The menu ring wraps in both directions and has no rest.
    void anelloDelMenu()
    {
        Anello a(9);
        a.impostaPosizione(8);
        QVERIFY(a.avanti());
        QCOMPARE(a.Posizione(), 0);
        QVERIFY(a.indietro());
        QCOMPARE(a.Posizione(), 8);
        Anello spento(3, [](int) { return false; });
        QVERIFY(!spento.avanti());
        QCOMPARE(spento.Posizione(), 0);
    }
};

QTEST_GUILESS_MAIN(TestScansione)
#include "tst_scansione.moc"
