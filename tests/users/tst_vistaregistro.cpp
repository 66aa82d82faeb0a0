#include "core/Modulo1.h"
#include "users/RegistroAttivita.h"
#include "users/VistaRegistro.h"

#include <QTest>

using namespace VistaRegistro;
using Larghezze = std::array<int, kColonne>;
using Pagine = QList<QPair<int, int>>;

class TestVistaRegistro : public QObject
{
    Q_OBJECT

private slots:
    // A unit is the grid's width / 24, whole; the columns take 1, 10, 3, 3,
    // 3, 3 (the last one the ignored presses).
    void larghezzeDelleColonne_data()
    {
        QTest::addColumn<int>("griglia");
        QTest::addColumn<Larghezze>("attese");
        QTest::newRow("design grid") << 7335 << Larghezze {305, 3050, 915, 915, 915, 915};
        QTest::newRow("just below a unit") << 23 << Larghezze {0, 0, 0, 0, 0, 0};
        QTest::newRow("exact units") << 2400 << Larghezze {100, 1000, 300, 300, 300, 300};
        QTest::newRow("negative width") << -50 << Larghezze {0, 0, 0, 0, 0, 0};
    }
    void larghezzeDelleColonne()
    {
        QFETCH(int, griglia);
        QFETCH(Larghezze, attese);
        QCOMPARE(larghezzeColonne(griglia), attese);
    }

    // The printed table of the design grid at the corner 2, 2: right edge
    // 2 + 60 + 425 + 3170 + 4 x 1035; texts 60 inside each column's room.
    void tabellaStampataDelProgetto()
    {
        TabellaStampata t;
        t.x0 = 2;
        t.y0 = 2;
        t.larghezze = larghezzeColonne(7335);
        QCOMPARE(t.destra(), 7797);
        QCOMPARE(t.xTesto(0), 62);
        QCOMPARE(t.xTesto(1), 62 + 425);
        QCOMPARE(t.xTesto(4), 62 + 425 + 3170 + 1035 + 1035);
        QCOMPARE(t.xTesto(5), 62 + 425 + 3170 + 3 * 1035);
        QCOMPARE(t.separatori(), (std::array<int, 5> {427, 3597, 4632, 5667, 6702}));
        QCOMPARE(TabellaStampata::altezzaRiga(276), 396);
    }

    // Printed columns keep 1:10:3:3:3:3 and fill the width they are given
    // without passing it.
    void larghezzeDiStampa_data()
    {
        QTest::addColumn<int>("disponibile");
        QTest::addColumn<int>("unita");
        // A4 landscape with 5 mm margins: 287 mm = 16271 twips, less the corner.
        QTest::newRow("A4 landscape") << 16269 << (16269 - 780) / 23;
        QTest::newRow("exact fit") << 780 + 23 * 100 << 100;
        QTest::newRow("one twip short of the next unit") << 780 + 23 * 101 - 1 << 100;
        QTest::newRow("no room") << 500 << 0;
    }
    void larghezzeDiStampa()
    {
        QFETCH(int, disponibile);
        QFETCH(int, unita);
        const Larghezze l = larghezzeStampa(disponibile);
        QCOMPARE(l, (Larghezze {unita, 10 * unita, 3 * unita, 3 * unita, 3 * unita, 3 * unita}));
        TabellaStampata t;
        t.larghezze = l;
        if (unita > 0) {
            QVERIFY(t.destra() <= disponibile);
            QVERIFY(t.destra() + 23 > disponibile);
        }
    }

    // Rows split over pages, the heading on every page taking one place.
    void pagine_data()
    {
        QTest::addColumn<int>("righe");
        QTest::addColumn<int>("prima");
        QTest::addColumn<int>("altre");
        QTest::addColumn<Pagine>("attese");
        using P = Pagine;
        QTest::newRow("heading alone") << 0 << 20 << 30 << P {{1, 0}};
        QTest::newRow("one page") << 5 << 20 << 30 << P {{1, 5}};
        QTest::newRow("exactly the first page") << 19 << 20 << 30 << P {{1, 19}};
        QTest::newRow("one row over") << 20 << 20 << 30 << P {{1, 19}, {20, 20}};
        QTest::newRow("a full table") << 500 << 20 << 30
                                      << P {{1, 19}, {20, 48}, {49, 77}, {78, 106}, {107, 135}, {136, 164},
                                            {165, 193}, {194, 222}, {223, 251}, {252, 280}, {281, 309},
                                            {310, 338}, {339, 367}, {368, 396}, {397, 425}, {426, 454},
                                            {455, 483}, {484, 500}};
        QTest::newRow("no room still moves on") << 3 << 0 << 1 << P {{1, 1}, {2, 2}, {3, 3}};
    }
    void pagine()
    {
        QFETCH(int, righe);
        QFETCH(int, prima);
        QFETCH(int, altre);
        QFETCH(Pagine, attese);
        QCOMPARE(pagineRighe(righe, prima, altre), attese);
    }

    // A text wider than its column is cut from the right until it fits.
    void testoLimitato_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("larghezza");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("fits") << QStringLiteral("Insiemi") << 70 << QStringLiteral("Insiemi");
        QTest::newRow("one too many") << QStringLiteral("Insiemi") << 69 << QStringLiteral("Insiem");
        QTest::newRow("cut short") << QStringLiteral("Trova gli intrusi") << 55 << QStringLiteral("Trova");
        QTest::newRow("nothing fits") << QStringLiteral("Vero") << 5 << QString();
        QTest::newRow("empty") << QString() << 100 << QString();
        QTest::newRow("a pair of surrogates is cut whole") << QStringLiteral("ab\U0001F600") << 25 << QStringLiteral("ab");
    }
    void testoLimitato()
    {
        QFETCH(QString, testo);
        QFETCH(int, larghezza);
        QFETCH(QString, atteso);
        // Ten units per character, a surrogate pair as one character.
        const auto misura = [](const QString &t) { return 10 * int(t.toUcs4().size()); };
        QCOMPARE(TestoLimitato(testo, larghezza, misura), atteso);
    }

    // The viewer's rows come from the table and never pass row 500.
    void righeMostrate()
    {
        StatoProgramma s;
        QVERIFY(righeDaTabella(s).isEmpty());
        iniziaRigaEsercizio(s, QStringLiteral("Insiemi"));
        completaSegmento(s, 1);
        QCOMPARE(righeDaTabella(s).size(), 2);
        QCOMPARE(righeDaTabella(s).at(0), (RigaRegistro {"Insiemi", "1", "0", "0"}));
        QCOMPARE(righeDaTabella(s).at(1), RigaRegistro {});
        QCOMPARE(ignorateDaTabella(s), (QStringList {"0", ""}));
        s.NumeroRighe = 501; // full
        s.RegistroAttivita[500][0] = QStringLiteral("ultima");
        QCOMPARE(righeDaTabella(s).size(), 500);
        QCOMPARE(righeDaTabella(s).last()[0], QStringLiteral("ultima"));
        QCOMPARE(ignorateDaTabella(s).size(), 500);
        s.NumeroRighe = -4; // a damaged count shows nothing rather than crash
        QVERIFY(righeDaTabella(s).isEmpty());
        QVERIFY(ignorateDaTabella(s).isEmpty());
    }

    // The date label: the words, then the short date of the language's locale.
    void etichettaDellaData()
    {
        const QDate giorno(2026, 12, 10);
        QCOMPARE(etichettaData(QStringLiteral("Esercizi eseguiti il "), giorno, localeDate(true)),
                 QStringLiteral("Esercizi eseguiti il 10/12/26"));
        QCOMPARE(etichettaData(QStringLiteral("Done on "), giorno, QLocale(QLocale::English, QLocale::UnitedStates)),
                 QStringLiteral("Done on 12/10/26"));
    }
};

QTEST_GUILESS_MAIN(TestVistaRegistro)
#include "tst_vistaregistro.moc"
