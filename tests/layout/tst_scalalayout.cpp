#include "layout/ScalaLayout.h"

#include <QtTest>

class TestScalaLayout : public QObject
{
    Q_OBJECT

private slots:
    // A tag's directive picks which stored values follow the window; the
    // others keep what the control has now. Lines map L T W H to X1 Y1 X2 Y2.
    void directiveSelectsValues_data();
    void directiveSelectsValues();

    // Values are stored value * current / stored, rounded to nearest.
    void scaledValuesRound_data();
    void scaledValuesRound();

    // A layout stored with no area gives no ratio and moves nothing.
    void emptyStoredSizeMovesNothing();

    void twipsToPixels_data();
    void twipsToPixels();
};

void TestScalaLayout::directiveSelectsValues_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QRect>("rettangolo");
    QTest::addColumn<QLine>("linea");

    // Stored at 8000 x 6000, shown at 16000 x 12000. The current rectangle
    // (100, 100, 50, 50) and line (1, 2, 3, 4) show which values were kept.
    QTest::newRow("empty tag: all four") << QString()
        << QRect(2400, 720, 2040, 1470) << QLine(2400, 720, 4440, 2190);
    QTest::newRow("@L,T,W,H") << QStringLiteral("@L,T,W,H")
        << QRect(2400, 720, 2040, 1470) << QLine(2400, 720, 4440, 2190);
    QTest::newRow("@L,T only moves") << QStringLiteral("@L,T")
        << QRect(2400, 720, 50, 50) << QLine(2400, 720, 3, 4);
    QTest::newRow("@w lower case") << QStringLiteral("@w")
        << QRect(100, 100, 2040, 50) << QLine(1, 2, 4440, 4);
    QTest::newRow("@H") << QStringLiteral("@H")
        << QRect(100, 100, 50, 1470) << QLine(1, 2, 3, 2190);
    QTest::newRow("letters anywhere: @TH") << QStringLiteral("@ TH")
        << QRect(100, 720, 50, 1470) << QLine(1, 720, 3, 2190);
    QTest::newRow("@ alone pins") << QStringLiteral("@")
        << QRect(100, 100, 50, 50) << QLine(1, 2, 3, 4);
    QTest::newRow("no @ prefix: all four") << QStringLiteral("L,T")
        << QRect(2400, 720, 2040, 1470) << QLine(2400, 720, 4440, 2190);
    QTest::newRow("@ not first: all four") << QStringLiteral(" @W")
        << QRect(2400, 720, 2040, 1470) << QLine(2400, 720, 4440, 2190);
}

void TestScalaLayout::directiveSelectsValues()
{
    QFETCH(QString, tag);
    QFETCH(QRect, rettangolo);
    QFETCH(QLine, linea);

    const ScalaLayout scala(QSize(8000, 6000));
    const DirettivaScala direttiva = DirettivaScala::daTag(tag);
    const QSize schermo(16000, 12000);
    QCOMPARE(scala.scalaRettangolo(QRect(1200, 360, 1020, 735), QRect(100, 100, 50, 50),
                                   schermo, direttiva),
             rettangolo);
    QCOMPARE(scala.scalaLinea(QLine(1200, 360, 2220, 1095), QLine(1, 2, 3, 4), schermo, direttiva),
             linea);
}

void TestScalaLayout::scaledValuesRound_data()
{
    QTest::addColumn<int>("memorizzata"); // stored inner width
    QTest::addColumn<int>("valore");
    QTest::addColumn<int>("corrente");
    QTest::addColumn<int>("atteso");

    QTest::newRow("exact double") << 8000 << 1200 << 16000 << 2400;
    QTest::newRow("fraction below half rounds down") << 3 << 100 << 7 << 233;
    QTest::newRow("fraction above half rounds up") << 3 << 101 << 7 << 236;
    QTest::newRow("half rounds up") << 2 << 1 << 3 << 2;
    QTest::newRow("negative half rounds away from zero") << 2 << -1 << 3 << -2;
    QTest::newRow("shrinking") << 6000 << 735 << 4500 << 551;
    QTest::newRow("product beyond 32 bits") << 1000 << 3000000 << 2000 << 6000000;
}

void TestScalaLayout::scaledValuesRound()
{
    QFETCH(int, memorizzata);
    QFETCH(int, valore);
    QFETCH(int, corrente);
    QFETCH(int, atteso);

    const ScalaLayout scala(QSize(memorizzata, memorizzata));
    QCOMPARE(scala.scalaX(valore, corrente), atteso);
    QCOMPARE(scala.scalaY(valore, corrente), atteso);
}

void TestScalaLayout::emptyStoredSizeMovesNothing()
{
    const ScalaLayout scala(QSize(0, 400));
    QVERIFY(!scala.valida());
    const QRect attuale(10, 20, 30, 40);
    QCOMPARE(scala.scalaRettangolo(QRect(1, 2, 3, 4), attuale, QSize(800, 600), DirettivaScala()),
             attuale);
}

void TestScalaLayout::twipsToPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixel");

    QTest::newRow("whole pixels") << 1200 << 80;
    QTest::newRow("below half") << 7 << 0;
    QTest::newRow("above half") << 8 << 1;
    QTest::newRow("negative") << -8 << -1;
    QTest::newRow("design width 8000") << 8000 << 533;
}

void TestScalaLayout::twipsToPixels()
{
    QFETCH(int, twips);
    QFETCH(int, pixel);
    QCOMPARE(pixelDaTwips(twips), pixel);
}

QTEST_GUILESS_MAIN(TestScalaLayout)
#include "tst_scalalayout.moc"
