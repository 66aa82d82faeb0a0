#include "printing/GeometriaStampa.h"

#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(RettangoloMm)

// The arithmetic of the print window and of the printer layer.
class TestGeometriaStampa : public QObject
{
    Q_OBJECT

private slots:
    void arrotondamento_data()
    {
        QTest::addColumn<double>("valore");
        QTest::addColumn<int>("atteso");
        QTest::newRow("0.5 to even 0") << 0.5 << 0;
        QTest::newRow("1.5 to even 2") << 1.5 << 2;
        QTest::newRow("93.5 to even 94") << 93.5 << 94;
        QTest::newRow("92.5 to even 92") << 92.5 << 92;
        QTest::newRow("-0.5 to even 0") << -0.5 << 0;
        QTest::newRow("-1.5 to even -2") << -1.5 << -2;
        QTest::newRow("2.4999 down") << 2.4999 << 2;
        QTest::newRow("A4 width 209.9 mm") << 595.0 / 72 * 25.4 << 210;
        QTest::newRow("A4 height 297.04 mm") << 842.0 / 72 * 25.4 << 297;
    }
    void arrotondamento()
    {
        QFETCH(double, valore);
        QFETCH(int, atteso);
        QCOMPARE(arrotondaPari(valore), atteso);
    }

    // The longer side of the drawing is 1905 twips.
    void foglioDisegnato_data()
    {
        QTest::addColumn<QSize>("foglio");
        QTest::addColumn<QSize>("twips");
        QTest::newRow("200 x 287 portrait") << QSize(200, 287) << QSize(1328, 1905);
        QTest::newRow("287 x 200 landscape") << QSize(287, 200) << QSize(1905, 1328);
        QTest::newRow("A4 portrait") << QSize(210, 297) << QSize(1347, 1905);
        QTest::newRow("A4 landscape") << QSize(297, 210) << QSize(1905, 1347);
        QTest::newRow("square") << QSize(200, 200) << QSize(1905, 1905);
    }
    void foglioDisegnato()
    {
        QFETCH(QSize, foglio);
        QFETCH(QSize, twips);
        QCOMPARE(dimensioniFoglioTwips(foglio.width(), foglio.height()), twips);
    }

    void anteprima_data()
    {
        QTest::addColumn<QSize>("anteprima");
        QTest::addColumn<QSize>("foglio");
        QTest::addColumn<RettangoloMm>("stampa");
        QTest::addColumn<QRect>("atteso");
        QTest::newRow("menu defaults, 200x287 sheet: 44.5 px to 44") << QSize(89, 127) << QSize(200, 287)
                                                        << RettangoloMm{10, 10, 100, 100} << QRect(4, 4, 44, 44);
        QTest::newRow("whole sheet") << QSize(127, 89) << QSize(287, 200) << RettangoloMm{0, 0, 287, 200}
                                     << QRect(0, 0, 127, 89);
        QTest::newRow("negative margin") << QSize(100, 100) << QSize(200, 200) << RettangoloMm{-20, -10, 100, 50}
                                         << QRect(-10, -5, 50, 25);
        QTest::newRow("half pixel to even") << QSize(100, 100) << QSize(200, 200) << RettangoloMm{5, 3, 1, 1}
                                            << QRect(2, 2, 0, 0);
    }
    void anteprima()
    {
        QFETCH(QSize, anteprima);
        QFETCH(QSize, foglio);
        QFETCH(RettangoloMm, stampa);
        QFETCH(QRect, atteso);
        QCOMPARE(rettangoloAnteprima(anteprima, foglio.width(), foglio.height(), stampa), atteso);
    }

    void fuoriDalFoglio_data()
    {
        QTest::addColumn<RettangoloMm>("stampa");
        QTest::addColumn<bool>("fuori");
        QTest::newRow("inside") << RettangoloMm{10, 10, 100, 100} << false;
        QTest::newRow("touches the edges") << RettangoloMm{0, 0, 200, 287} << false;
        QTest::newRow("10 mm too wide") << RettangoloMm{10, 10, 200, 100} << true;
        QTest::newRow("past the bottom") << RettangoloMm{10, 190, 100, 100} << true;
        QTest::newRow("negative left margin") << RettangoloMm{-1, 10, 100, 100} << true;
        QTest::newRow("negative top margin") << RettangoloMm{10, -1, 100, 100} << true;
    }
    void fuoriDalFoglio()
    {
        QFETCH(RettangoloMm, stampa);
        QFETCH(bool, fuori);
        QCOMPARE(fuoriFoglio(200, 287, stampa), fuori);
    }

    void centro_data()
    {
        QTest::addColumn<QSize>("immagine");
        QTest::addColumn<QPoint>("margini");
        QTest::newRow("100x100 on 200x287: 93.5 rounds to 94") << QSize(100, 100) << QPoint(50, 94);
        QTest::newRow("101x101: 49.5 to 50, 93 exact") << QSize(101, 101) << QPoint(50, 93);
        QTest::newRow("larger than the sheet") << QSize(300, 300) << QPoint(-50, -6);
    }
    void centro()
    {
        QFETCH(QSize, immagine);
        QFETCH(QPoint, margini);
        QCOMPARE(marginiAlCentro(200, 287, immagine.width(), immagine.height()), margini);
    }

    void massimo_data()
    {
        QTest::addColumn<RettangoloMm>("stampa");
        QTest::addColumn<bool>("proporzioni");
        QTest::addColumn<double>("proporzione");
        QTest::addColumn<bool>("alCentro");
        QTest::addColumn<RettangoloMm>("atteso");
        // Sheet 200 x 287.
        QTest::newRow("square: width fills") << RettangoloMm{10, 10, 100, 100} << true << 1.0 << false
                                             << RettangoloMm{0, 10, 200, 200};
        QTest::newRow("wide sheet ratio: height fills")
            << RettangoloMm{10, 10, 50, 100} << true << 0.5 << false << RettangoloMm{10, 0, 144, 287};
        QTest::newRow("no proportions: the whole sheet, margins pulled back")
            << RettangoloMm{10, 10, 100, 100} << false << 1.0 << false << RettangoloMm{0, 0, 200, 287};
        QTest::newRow("square, top margin pulled back")
            << RettangoloMm{10, 120, 100, 100} << true << 1.0 << false << RettangoloMm{0, 87, 200, 200};
        QTest::newRow("centred: margins left as they are")
            << RettangoloMm{10, 120, 100, 100} << false << 1.0 << true << RettangoloMm{10, 120, 200, 287};
    }
    void massimo()
    {
        QFETCH(RettangoloMm, stampa);
        QFETCH(bool, proporzioni);
        QFETCH(double, proporzione);
        QFETCH(bool, alCentro);
        QFETCH(RettangoloMm, atteso);
        const RettangoloMm r = stampaMassima(200, 287, stampa, proporzioni, proporzione, alCentro);
        QVERIFY2(r == atteso, qPrintable(QStringLiteral("%1,%2 %3x%4").arg(r.x).arg(r.y).arg(r.w).arg(r.h)));
    }

    void scala_data()
    {
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("origine");
        QTest::addColumn<double>("proporzione");
        QTest::addColumn<QSize>("atteso");
        QTest::newRow("1280 px window at 1:192") << 192.0 << 19200.0 << 1.0 << QSize(100, 100);
        QTest::newRow("wide proportion") << 100.0 << 20000.0 << 2.0 << QSize(200, 100);
        QTest::newRow("width capped at 2000") << 1.0 << 30000.0 << 1.0 << QSize(2000, 2000);
        QTest::newRow("height capped at 2000") << 1.0 << 1500.0 << 0.5 << QSize(1000, 2000);
        QTest::newRow("rounded to even") << 2.0 << 5.0 << 1.0 << QSize(2, 2);
    }
    void scala()
    {
        QFETCH(double, n);
        QFETCH(double, origine);
        QFETCH(double, proporzione);
        QFETCH(QSize, atteso);
        const std::optional<QSize> r = dimensioniPerScala(n, origine, proporzione);
        QVERIFY(r);
        QCOMPARE(*r, atteso);
    }

    void scalaNonValida()
    {
        QVERIFY(!dimensioniPerScala(0, 19200, 1));
        QVERIFY(!dimensioniPerScala(-3, 19200, 1));
    }

    void testoDellaScala_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("origine");
        QTest::addColumn<int>("larghezza");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("whole, Italian") << "it_IT" << 19200.0 << 100 << "192";
        QTest::newRow("decimals, Italian") << "it_IT" << 19200.0 << 128 << "150";
        QTest::newRow("one decimal, Italian") << "it_IT" << 15.0 << 10 << "1,5";
        QTest::newRow("two decimals, English") << "en_US" << 10.0 << 3 << "3.33";
        QTest::newRow("rounded to the nearest hundredth") << "en_US" << 20.0 << 3 << "6.67";
        QTest::newRow("grouping, Italian") << "it_IT" << 123456.0 << 1 << "123.456";
        QTest::newRow("grouping, English") << "en_US" << 1234567.5 << 1 << "1,234,567.5";
    }
    void testoDellaScala()
    {
        QFETCH(QString, locale);
        QFETCH(double, origine);
        QFETCH(int, larghezza);
        QFETCH(QString, atteso);
        QCOMPARE(testoScala(origine, larghezza, QLocale(locale)), atteso);
    }

    void letturaDellaScala_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("atteso"); // -1: not a number
        QTest::newRow("Italian comma") << "it_IT" << "1,5" << 1.5;
        QTest::newRow("Italian, dot typed") << "it_IT" << "1.5" << 1.5;
        QTest::newRow("Italian, grouped as shown") << "it_IT" << "1.234,5" << 1234.5;
        QTest::newRow("English dot") << "en_US" << "192.25" << 192.25;
        QTest::newRow("English grouped") << "en_US" << "1,234.5" << 1234.5;
        QTest::newRow("empty") << "it_IT" << "" << -1.0;
        QTest::newRow("letters") << "it_IT" << "abc" << -1.0;
        QTest::newRow("two dots") << "it_IT" << "1.2.3" << -1.0;
    }
    void letturaDellaScala()
    {
        QFETCH(QString, locale);
        QFETCH(QString, testo);
        QFETCH(double, atteso);
        const std::optional<double> r = leggiScala(testo, QLocale(locale));
        if (atteso < 0)
            QVERIFY(!r);
        else
            QCOMPARE(r.value_or(-1), atteso);
    }

    void dibSize_data()
    {
        QTest::addColumn<int>("bit");
        QTest::addColumn<int>("larghezza");
        QTest::addColumn<qint64>("atteso");
        QTest::newRow("1 bit, 9 px: 2 bytes padded to 4") << 1 << 9 << qint64(4 * 10);
        QTest::newRow("4 bit, 9 px: 5 -> 8") << 4 << 9 << qint64(8 * 10);
        QTest::newRow("8 bit, 5 px: 5 -> 8") << 8 << 5 << qint64(8 * 10);
        QTest::newRow("16 bit, 3 px: 6 -> 8") << 16 << 3 << qint64(8 * 10);
        QTest::newRow("24 bit, 1280 px") << 24 << 1280 << qint64(3840 * 10);
        QTest::newRow("24 bit, 5 px: 15 -> 16") << 24 << 5 << qint64(16 * 10);
        QTest::newRow("32 bit is unknown") << 32 << 100 << qint64(0);
        QTest::newRow("2 bit is unknown") << 2 << 100 << qint64(0);
    }
    void dibSize()
    {
        QFETCH(int, bit);
        QFETCH(int, larghezza);
        QFETCH(qint64, atteso);
        QCOMPARE(DibSize(bit, larghezza, 10), atteso);
    }

    void riduzione_data()
    {
        QTest::addColumn<RettangoloMm>("stampa");
        QTest::addColumn<RettangoloMm>("atteso");
        // Printable area 200 x 287.
        QTest::newRow("right edge 10 % past: 10/11") << RettangoloMm{20, 10, 200, 100}
                                                     << RettangoloMm{18, 9, 182, 91};
        QTest::newRow("bottom past") << RettangoloMm{0, 87, 100, 400} << RettangoloMm{0, 51, 59, 236};
        QTest::newRow("fits: unchanged") << RettangoloMm{10, 10, 100, 100} << RettangoloMm{10, 10, 100, 100};
    }
    void riduzione()
    {
        QFETCH(RettangoloMm, stampa);
        QFETCH(RettangoloMm, atteso);
        const RettangoloMm r = riduciAlFoglio(stampa, 200, 287);
        QVERIFY2(r == atteso, qPrintable(QStringLiteral("%1,%2 %3x%4").arg(r.x).arg(r.y).arg(r.w).arg(r.h)));
    }

    // Millimetres to printer pixels with separate factors for width and height.
    void dispositivo()
    {
        QCOMPARE(rettangoloDispositivo({10, 10, 100, 100}, 1200 / 25.4, 600 / 25.4), QRect(472, 236, 4724, 2362));
    }

    void limiti_data()
    {
        QTest::addColumn<double>("valore");
        QTest::addColumn<int>("minimo");
        QTest::addColumn<int>("massimo");
        QTest::addColumn<int>("atteso");
        QTest::newRow("width 0 -> 1") << 0.0 << 1 << 2000 << 1;
        QTest::newRow("width 2500 -> 2000") << 2500.0 << 1 << 2000 << 2000;
        QTest::newRow("margin -3000 -> -2000") << -3000.0 << -2000 << 2000 << -2000;
        QTest::newRow("copies 1111 -> 100") << 1111.0 << 0 << 100 << 100;
        QTest::newRow("in range") << 37.0 << 0 << 100 << 37;
    }
    void limiti()
    {
        QFETCH(double, valore);
        QFETCH(int, minimo);
        QFETCH(int, massimo);
        QFETCH(int, atteso);
        QCOMPARE(limitaValore(valore, minimo, massimo), atteso);
    }
};

QTEST_APPLESS_MAIN(TestGeometriaStampa)
#include "tst_geometria_stampa.moc"
