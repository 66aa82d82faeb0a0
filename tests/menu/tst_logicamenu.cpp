#include "menu/LogicaMenu.h"

#include <QTest>

// The menu's rules that need no window: captions, font sizes, the splash
// gradient and the about window's texts.
class TestLogicaMenu : public QObject
{
    Q_OBJECT

private slots:
    // Buttons 2, 3 and 6 are composed from keys 0059..0064; the others get a
    // line break in front of their translated caption.
    void didascalie_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("attesa");
        QTest::newRow("0 line break in front") << 0 << QStringLiteral("\nT0");
        QTest::newRow("1 line break in front") << 1 << QStringLiteral("\nT1");
        QTest::newRow("2 from 0059 0060 and 0187") << 2 << QStringLiteral("k0059\nk0060\nk0187");
        QTest::newRow("3 from 0061 0062 and 0188") << 3 << QStringLiteral("k0061\nk0062\nk0188");
        QTest::newRow("4 line break in front") << 4 << QStringLiteral("\nT4");
        QTest::newRow("6 from 0063 0064 after a break") << 6 << QStringLiteral("\nk0063\nk0064");
        QTest::newRow("8 esci") << 8 << QStringLiteral("\nT8");
    }
    void didascalie()
    {
        QFETCH(int, indice);
        QFETCH(QString, attesa);
        QStringList tradotte;
        for (int i = 0; i < kPulsantiMenu; ++i)
            tradotte << QStringLiteral("T%1").arg(i);
        const QStringList d = didascalieMenu(tradotte, [](const QString &k) { return QLatin1Char('k') + k; });
        QCOMPARE(d.size(), kPulsantiMenu);
        QCOMPARE(d.at(indice), attesa);
    }

    void chiaviDeiNomiEsercizio_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("chiave");
        QTest::newRow("first") << 0 << QStringLiteral("0065");
        QTest::newRow("Uguali 1 is button 2") << 2 << QStringLiteral("0067");
        QTest::newRow("last exercise") << 7 << QStringLiteral("0072");
        QTest::newRow("esci has none") << 8 << QString();
        QTest::newRow("out of range") << -1 << QString();
    }
    void chiaviDeiNomiEsercizio()
    {
        QFETCH(int, indice);
        QFETCH(QString, chiave);
        QCOMPARE(chiaveNomeEsercizio(indice), chiave);
    }

    void casoDelTesto_data()
    {
        QTest::addColumn<QString>("stile");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("maiuscolo") << QStringLiteral("maiuscolo") << QStringLiteral("\nUGUALI - 1°");
        QTest::newRow("minuscolo") << QStringLiteral("minuscolo") << QStringLiteral("\nuguali - 1°");
        QTest::newRow("corsivo is lower case") << QStringLiteral("corsivo") << QStringLiteral("\nuguali - 1°");
    }
    void casoDelTesto()
    {
        QFETCH(QString, stile);
        QFETCH(QString, atteso);
        QCOMPARE(casoTesto(QStringLiteral("\nUguali - 1°"), stile), atteso);
    }

    // From 14 up, the first size whose measuring text is as wide as the
    // button; 14 however narrow the button.
    void dimensioneFontPulsanti_data()
    {
        QTest::addColumn<int>("larghezzaPulsante");
        QTest::addColumn<int>("attesa");
        // Text width = 10 units per point.
        QTest::newRow("narrow button stays at 14") << 50 << 14;
        QTest::newRow("exactly 14 wide") << 140 << 14;
        QTest::newRow("one unit wider than 14") << 141 << 15;
        QTest::newRow("wide button") << 300 << 30;
    }
    void dimensioneFontPulsanti()
    {
        QFETCH(int, larghezzaPulsante);
        QFETCH(int, attesa);
        QCOMPARE(::dimensioneFontPulsanti(larghezzaPulsante, [](int punti) { return punti * 10; }), attesa);
    }

    // A measure that never grows cannot hang the menu.
    void unaMisuraFermaNonBloccaIlMenu()
    {
        QCOMPARE(::dimensioneFontPulsanti(500, [](int) { return 0; }), kMassimoFontPulsanti);
    }

    void dimensioneFontUtenti_data()
    {
        QTest::addColumn<int>("pulsanti");
        QTest::addColumn<int>("attesa");
        QTest::newRow("14 gives the minimum") << 14 << 14;
        QTest::newRow("24 gives the minimum") << 24 << 14;
        QTest::newRow("25 gives 15") << 25 << 15;
        QTest::newRow("30 gives 20") << 30 << 20;
    }
    void dimensioneFontUtenti()
    {
        QFETCH(int, pulsanti);
        QFETCH(int, attesa);
        QCOMPARE(::dimensioneFontUtenti(pulsanti), attesa);
    }

    // White at the top, green at the bottom; each band one 256th of the
    // height, band i ending at height i.
    void bandeDellAvvio_data()
    {
        QTest::addColumn<int>("banda");
        QTest::addColumn<QColor>("colore");
        QTest::addColumn<qreal>("alto");
        QTest::newRow("0 white, above the window") << 0 << QColor(255, 255, 255) << -2.0;
        QTest::newRow("192 three quarters down") << 192 << QColor(63, 255, 63) << 382.0;
        QTest::newRow("255 pure green") << 255 << QColor(0, 255, 0) << 508.0;
    }
    void bandeDellAvvio()
    {
        QFETCH(int, banda);
        QFETCH(QColor, colore);
        QFETCH(qreal, alto);
        QCOMPARE(coloreBanda(banda), colore);
        const QRectF r = rettangoloBanda(banda, QSizeF(640, 512));
        QCOMPARE(r.top(), alto);
        QCOMPARE(r.height(), 2.0);
        QCOMPARE(r.width(), 640.0);
    }

    // Label4 holds the extra lines that the language gives, in key order.
    void righeDellaFinestraInformazioni_data()
    {
        QTest::addColumn<QStringList>("chiavi");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("only 9996 and 9998") << QStringList{QStringLiteral("9996"), QStringLiteral("9998")}
                                            << QStringLiteral("t9996\nt9998\n");
        QTest::newRow("all four") << QStringList{QStringLiteral("9996"), QStringLiteral("9997"), QStringLiteral("9998"),
                                                 QStringLiteral("9999")}
                                  << QStringLiteral("t9996\nt9997\nt9998\nt9999\n");
        QTest::newRow("none") << QStringList() << QString();
    }
    void righeDellaFinestraInformazioni()
    {
        QFETCH(QStringList, chiavi);
        QFETCH(QString, atteso);
        QCOMPARE(testoInfoLabel4([&chiavi](const QString &k) {
                     return chiavi.contains(k) ? QLatin1Char('t') + k : QString();
                 }),
                 atteso);
        QCOMPARE(testoInfoLabel3(), QStringLiteral("\n\n"));
        QVERIFY(testoInfoLabel1([](const QString &k) { return QLatin1Char('k') + k; }).startsWith(QStringLiteral("k0191\n ")));
        QVERIFY(testoInfoLabel1([](const QString &) { return QString(); }).endsWith(QStringLiteral("\n\n")));
    }
};

QTEST_GUILESS_MAIN(TestLogicaMenu)
#include "tst_logicamenu.moc"
