#include "core/Modulo1.h"
#include "framework/Livelli.h"

#include <QTest>

// Counts given to the automatic change, and what it must leave behind.
class TestLivelli : public QObject
{
    Q_OBJECT

private:
    StatoProgramma m_stato;

    void risposte(Livelli &l, int giuste, int sbagliate)
    {
        for (int i = 0; i < giuste; ++i)
            l.rispostaGiusta();
        for (int i = 0; i < sbagliate; ++i)
            l.rispostaSbagliata();
    }

private slots:
    void init()
    {
        m_stato = StatoProgramma();
        m_stato.NumeroRighe = 1; // the run's name row
    }

    void cambioAutomatico_data()
    {
        QTest::addColumn<int>("livello");
        QTest::addColumn<int>("giuste");
        QTest::addColumn<int>("sbagliate");
        QTest::addColumn<int>("livelloAtteso");
        QTest::addColumn<int>("righeCompletate");
        QTest::addColumn<int>("giusteDopo");
        QTest::addColumn<int>("sbagliateDopo");

        // "Vero o falso": 6 levels, up at a surplus of 7.
        QTest::newRow("five wrong at level 1: floor") << 1 << 0 << 5 << 1 << 0 << 0 << 5;
        QTest::newRow("later surplus still raises") << 1 << 13 << 5 << 2 << 1 << 0 << 0;
        QTest::newRow("surplus 7 raises") << 2 << 7 << 0 << 3 << 1 << 0 << 0;
        QTest::newRow("surplus 6 stays") << 2 << 8 << 2 << 2 << 0 << 8 << 2;
        QTest::newRow("top level: ceiling") << 6 << 20 << 0 << 6 << 0 << 20 << 0;
        QTest::newRow("down, then no up in one call") << 3 << 20 << 5 << 2 << 1 << 0 << 0;
        QTest::newRow("four wrong stay") << 3 << 0 << 4 << 3 << 0 << 0 << 4;
    }

    void cambioAutomatico()
    {
        QFETCH(int, livello);
        QFETCH(int, giuste);
        QFETCH(int, sbagliate);
        QFETCH(int, livelloAtteso);
        QFETCH(int, righeCompletate);
        QFETCH(int, giusteDopo);
        QFETCH(int, sbagliateDopo);

        Livelli l(m_stato, {6, 7});
        l.apertura();
        if (livello > 1)
            l.sceltaDalMenu(livello);
        const int righePrima = m_stato.NumeroRighe;
        risposte(l, giuste, sbagliate);
        l.CambiaLivello();
        QCOMPARE(l.Livello(), livelloAtteso);
        QCOMPARE(m_stato.NumeroRighe - righePrima, righeCompletate);
        QCOMPARE(m_stato.RisposteEsatte, double(giusteDopo));
        QCOMPARE(int(m_stato.RisposteErrate), sbagliateDopo);
        if (righeCompletate == 1) {
            // The completed row holds the level left and the counts reached.
            const auto &riga = m_stato.RegistroAttivita[righePrima];
            QCOMPARE(riga[1], QString::number(livello));
            QCOMPARE(riga[2], QString::number(giuste));
            QCOMPARE(riga[3], QString::number(sbagliate));
        }
    }

    // A level chosen in the menu completes a row and restarts the counts,
    // also when it is the level already in force.
    void sceltaDalMenuCompletaUnaRiga()
    {
        Livelli l(m_stato, {4, 12});
        l.apertura();
        l.sceltaDalMenu(4);
        risposte(l, 3, 2);
        l.sceltaDalMenu(4);
        QCOMPARE(l.Livello(), 4);
        QCOMPARE(m_stato.NumeroRighe, qint16(3));
        QCOMPARE(m_stato.RegistroAttivita[2], (std::array<QString, 4>{"", "4", "3", "2"}));
        QCOMPARE(m_stato.RisposteEsatte, 0.0);
        QCOMPARE(m_stato.RisposteErrate, qint16(0));
        l.sceltaDalMenu(5); // no such level
        QCOMPARE(l.Livello(), 4);
    }

    // Opening again starts at level 1 with zero counts and records nothing.
    void aperturaNonRegistra()
    {
        Livelli l(m_stato, {6, 7});
        l.sceltaDalMenu(3);
        risposte(l, 2, 1);
        const qint16 righe = m_stato.NumeroRighe;
        l.apertura();
        QCOMPARE(l.Livello(), 1);
        QCOMPARE(m_stato.NumeroRighe, righe);
        QCOMPARE(m_stato.RisposteEsatte, 0.0);
    }

    // Every segment that ends with something in it reaches the progress
    // history once, with its level and counts: a level change, "Esci", a
    // window closed otherwise, and an opening again that drops the counts;
    // a segment in which nothing happened does not.
    void segmentiVersoLaStoria()
    {
        QList<SegmentoStoria> storia;
        Livelli l(m_stato, {6, 7});
        l.impostaStoria([&storia](const SegmentoStoria &s) { storia << s; });
        const QDateTime prima = QDateTime::currentDateTime();
        l.apertura();
        risposte(l, 3, 1);
        l.pressioneIgnorata();
        l.pressioneAccettata();
        l.pressioneAccettata();
        l.sceltaDalMenu(4);  // ends level 1
        l.sceltaDalMenu(2);  // level 4 had nothing: not kept
        risposte(l, 1, 0);
        l.apertura();        // back from a modal window: level 2 left
        risposte(l, 0, 2);
        l.uscita();          // level 1 ends
        l.abbandono();       // the window then closes: nothing more
        QCOMPARE(storia.size(), 3);
        QCOMPARE(storia.at(0).livello, 1);
        QCOMPARE(storia.at(0).esatte, 3);
        QCOMPARE(storia.at(0).errate, 1);
        QCOMPARE(storia.at(0).ignorate, 1);
        QCOMPARE(storia.at(0).accettate, 2);
        QCOMPARE(storia.at(1).livello, 2);
        QCOMPARE(storia.at(1).esatte, 1);
        QCOMPARE(storia.at(1).accettate, 0);
        QCOMPARE(storia.at(2).livello, 1);
        QCOMPARE(storia.at(2).errate, 2);
        for (const SegmentoStoria &s : storia) {
            QVERIFY(s.inizio >= prima.addSecs(-1) && s.inizio <= QDateTime::currentDateTime());
            QVERIFY(s.durataMs >= 0 && s.durataMs < 10000);
        }
        // A window closed without "Esci" still gives its segment.
        l.apertura();
        risposte(l, 5, 0);
        l.abbandono();
        QCOMPARE(storia.size(), 4);
        QCOMPARE(storia.at(3).esatte, 5);
    }

    void premioOgniDieci()
    {
        RitmoPremio r;
        QList<int> premi;
        for (int i = 1; i <= 25; ++i) {
            if (r.rispostaGiusta()) {
                premi << i;
                r.premioMostrato();
            }
        }
        QCOMPARE(premi, (QList<int>{10, 20}));
        QVERIFY(r.daRicaricare());
        QVERIFY(!r.daRicaricare()); // only the first request after a reward reloads
        QCOMPARE(r.ContatorePremio(), 5);
    }
};

QTEST_GUILESS_MAIN(TestLivelli)
#include "tst_livelli.moc"
