#include "core/Casuale.h"
#include "core/ColoriVB.h"
#include "core/Impostazioni.h"
#include "exercises/uguali/CaseUguali.h"
#include "vocabulary/Parole.h"

#include "Copione.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTest>

namespace {

double parteColorata(int k) { return (k - 0.5) / 6; } // part 1..6

// The first house: chimney 1, roof 2, walls 3, windows 4, door 1, step 2,
// smoke shown, clouds hidden.
QList<double> primaCasa()
{
    return {colore(1), colore(2), colore(3), colore(4), colore(1), colore(2), bit(1), bit(0)};
}

using Esito = CaseUguali::Esito;

} // namespace

class TestCaseUguali : public QObject
{
    Q_OBJECT

private:
    TabellaColoriTipo m_colori;

private slots:
    void initTestCase() { ColoriPredefiniti(m_colori); }

    // At level 4 four distinct parts differ, smoke and clouds among them: a
    // part drawn twice is drawn again, a value equal to the first house's is
    // drawn again.
    void quattroDifferenzeDistinte()
    {
        Copione fonte(primaCasa()
                      << parte(Tetto) << colore(2) << colore(3)  // roof: 2 again, then 3
                      << parte(Fumo) << bit(1) << bit(0)          // smoke: shown again, then hidden
                      << parte(Tetto) << parte(Nuvole) << bit(1)  // roof again, then clouds shown
                      << parte(Porta) << colore(4));
        CaseUguali g(fonte, m_colori);
        g.GeneraEsercizio(4);
        QCOMPARE(fonte.oltre(), 0);
        QVERIFY(fonte.esaurita());
        const int prima[9] = {0, 1, 2, 3, 4, 1, 2, 1, 0};
        const int seconda[9] = {0, 1, 3, 3, 4, 4, 2, 0, 1};
        for (int p = Comignolo; p <= Nuvole; ++p) {
            QCOMPARE(g.Colore(p, 0), prima[p]);
            QCOMPARE(g.Colore(p, 1), seconda[p]);
            QCOMPARE(g.Diverso(p), prima[p] != seconda[p]);
        }
        QCOMPARE(g.esadecimale(Tetto, 1), QStringLiteral("0000FF"));
        QCOMPARE(g.sfondo(), QStringLiteral("FFFFCC"));
    }

    // Putting a difference right copies the other house's value into the
    // house chosen; a part already alike, one just put right included, is a
    // wrong answer and changes nothing; once every difference is right the
    // item is complete and further choices count for nothing. Part numbers
    // outside 1..8 are ignored.
    void sceltaDelleParti_data()
    {
        QTest::addColumn<int>("casa");
        QTest::newRow("second house copies the first") << 1;
        QTest::newRow("first house copies the second") << 0;
    }

    void sceltaDelleParti()
    {
        QFETCH(int, casa);
        Copione fonte(primaCasa() << parte(Fumo) << bit(0) << parte(Finestre) << colore(1));
        CaseUguali g(fonte, m_colori);
        g.GeneraEsercizio(2);
        const int fumoAtteso = g.Colore(Fumo, 1 - casa);

        for (int fuori : {0, 9, -1, 1000})
            QCOMPARE(g.scegli(fuori, casa), Esito::Ignorata);
        QCOMPARE(g.scegli(Tetto, casa), Esito::Errata);
        QCOMPARE(g.scegli(Fumo, casa), Esito::Esatta);
        QCOMPARE(g.Colore(Fumo, casa), fumoAtteso);
        QCOMPARE(g.Colore(Fumo, 0), g.Colore(Fumo, 1));
        QCOMPARE(g.scegli(Fumo, casa), Esito::Errata);
        QCOMPARE(g.Sistemati(), 1);
        QVERIFY(!g.completo());
        QCOMPARE(g.scegli(Finestre, casa), Esito::Esatta);
        QVERIFY(g.completo());
        QCOMPARE(g.scegli(Tetto, casa), Esito::Ignorata);
        for (int p = Comignolo; p <= Nuvole; ++p)
            QCOMPARE(g.Colore(p, 0), g.Colore(p, 1));
    }

    // With the scanning of the second form, smoke and clouds are drawn but
    // shown in both houses, and the differences come from parts 1..6.
    void soloPartiColorate()
    {
        QList<double> r{colore(1), colore(2), colore(3), colore(4), colore(1), colore(2), bit(0), bit(0)};
        r << parteColorata(Gradino) << colore(4) << parteColorata(Comignolo) << colore(3);
        Copione fonte(r);
        CaseUguali g(fonte, m_colori);
        g.GeneraEsercizio(2, true);
        QCOMPARE(fonte.oltre(), 0);
        for (int h = 0; h < 2; ++h) {
            QCOMPARE(g.Colore(Fumo, h), 1);
            QCOMPARE(g.Colore(Nuvole, h), 1);
        }
        QVERIFY(g.Diverso(Gradino));
        QVERIFY(g.Diverso(Comignolo));
        QCOMPARE(g.Colore(Gradino, 1), 4);
        QCOMPARE(g.scegli(Fumo), Esito::Errata);
    }

    // A new item starts afresh, at the level given (1..4).
    void nuovoEsercizioAzzera()
    {
        FonteOrologio fonte;
        CaseUguali g(fonte, m_colori);
        for (int livello : {1, 2, 3, 4, 7}) {
            g.GeneraEsercizio(livello);
            int differenze = 0;
            for (int p = Comignolo; p <= Nuvole; ++p)
                differenze += g.Diverso(p);
            QCOMPARE(differenze, qMin(livello, 4));
            QCOMPARE(g.Sistemati(), 0);
        }
    }

    // The scanning highlight colour as the house picture takes it.
    void coloreDellaScansione_data()
    {
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("rrggbb");
        QTest::newRow("pure red, the default") << 255.0 << "FF0000";
        QTest::newRow("pure blue") << double(0xFF0000) << "0000FF";
        QTest::newRow("pairs turned round") << double(0x123456) << "563412";
        QTest::newRow("blue byte not zero") << double(0x0A0B0C) << "0C0B0A";
        QTest::newRow("black") << 0.0 << "000000";
    }

    void coloreDellaScansione()
    {
        QFETCH(double, valore);
        QFETCH(QString, rrggbb);
        QCOMPARE(TrovaColoreScansione(valore), rrggbb);
    }

    // A system colour (a hand-edited settings file) is resolved first.
    void coloreDiSistemaRisolto()
    {
        const double evidenziazione = -2147483635.0; // 0x8000000D, the selection colour
        const QString atteso = QGuiApplication::palette().color(QPalette::Highlight).name().mid(1).toUpper();
        QCOMPARE(TrovaColoreScansione(evidenziazione), atteso);
        QCOMPARE(atteso.size(), 6);
    }
};

QTEST_MAIN(TestCaseUguali)
#include "tst_caseuguali.moc"
