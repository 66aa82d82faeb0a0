#include "layout/ZonaLibera.h"

#include <QTest>

#include <algorithm>

// Where the character and its balloon may stand: the free rectangles left
// by the controls, and the place chosen among them.
class TestZonaLibera : public QObject
{
    Q_OBJECT

private:
    static bool liberoDa(const QRect &r, const QList<QRect> &ostacoli)
    {
        return std::none_of(ostacoli.begin(), ostacoli.end(), [&r](const QRect &o) { return o.intersects(r); });
    }

    static RichiestaPosto richiesta(const QList<QRect> &ostacoli, const QRect &preferita)
    {
        RichiestaPosto r;
        r.dentro = QRect(0, 0, 1000, 700);
        r.ostacoli = ostacoli;
        r.preferita = preferita;
        r.proporzioni = QSize(150, 200);
        r.fumettoMinimo = QSize(80, 25);
        r.fumettoComodo = QSize(300, 100);
        r.coda = 18;
        return r;
    }

private slots:
    // The free rectangles are exactly those that cannot grow: none meets an
    // obstacle, and together with the obstacles they cover the zone.
    void rettangoliLiberi_data()
    {
        QTest::addColumn<QList<QRect>>("ostacoli");
        QTest::addColumn<QList<QRect>>("attesi");
        const QRect zona(0, 0, 100, 80);
        QTest::newRow("nothing in the way") << QList<QRect>{} << QList<QRect>{zona};
        QTest::newRow("empty obstacle ignored") << QList<QRect>{QRect()} << QList<QRect>{zona};
        QTest::newRow("one in the middle")
            << QList<QRect>{QRect(40, 30, 20, 20)}
            << QList<QRect>{QRect(0, 0, 40, 80), QRect(60, 0, 40, 80), QRect(0, 0, 100, 30), QRect(0, 50, 100, 30)};
        QTest::newRow("a column splits it")
            << QList<QRect>{QRect(40, -10, 20, 200)} << QList<QRect>{QRect(0, 0, 40, 80), QRect(60, 0, 40, 80)};
        QTest::newRow("all taken") << QList<QRect>{QRect(-5, -5, 200, 200)} << QList<QRect>{};
    }

    void rettangoliLiberi()
    {
        QFETCH(QList<QRect>, ostacoli);
        QFETCH(QList<QRect>, attesi);
        QList<QRect> trovati = ::rettangoliLiberi(QRect(0, 0, 100, 80), ostacoli);
        const auto ordine = [](const QRect &a, const QRect &b) {
            return std::make_tuple(a.x(), a.y(), a.width(), a.height()) < std::make_tuple(b.x(), b.y(), b.width(), b.height());
        };
        std::sort(trovati.begin(), trovati.end(), ordine);
        std::sort(attesi.begin(), attesi.end(), ordine);
        QCOMPARE(trovati, attesi);
    }

    // Wherever the design's place is blocked, the character and its balloon
    // go where neither meets a control nor the other; the character keeps
    // its drawing's shape, shrinking where room is short, and the balloon's
    // zone lies against one of its sides.
    void postoLiberoEAccanto_data()
    {
        QTest::addColumn<QList<QRect>>("ostacoli");
        QTest::addColumn<QRect>("preferita");
        QTest::addColumn<bool>("delProgetto");
        QTest::addColumn<int>("altezzaMassima");
        // Free design place with room above: kept as it is.
        QTest::newRow("design place free")
            << QList<QRect>{QRect(0, 0, 500, 700), QRect(800, 400, 200, 300)} << QRect(550, 400, 150, 200) << true << 200;
        // Two houses side by side and a row of buttons with a gap: the
        // character stands small in the 80-pixel band under the houses,
        // its balloon beside it.
        QTest::newRow("only a low strip")
            << QList<QRect>{QRect(0, 0, 495, 620), QRect(505, 0, 495, 620), QRect(0, 630, 100, 70),
                            QRect(700, 630, 300, 70)}
            << QRect(450, 20, 100, 140) << false << 80;
        // The design place overlaps a button: moved off it.
        QTest::newRow("design place on a button")
            << QList<QRect>{QRect(0, 0, 600, 700), QRect(620, 300, 380, 100)} << QRect(700, 250, 150, 200) << false
            << 200;
    }

    void postoLiberoEAccanto()
    {
        QFETCH(QList<QRect>, ostacoli);
        QFETCH(QRect, preferita);
        QFETCH(bool, delProgetto);
        QFETCH(int, altezzaMassima);
        const RichiestaPosto r = richiesta(ostacoli, preferita);
        const PostoPersonaggio posto = scegliPostoPersonaggio(r);
        QVERIFY(!posto.figura.isEmpty());
        QVERIFY(!posto.fumetto.isEmpty());
        QVERIFY(r.dentro.contains(posto.figura));
        QVERIFY(r.dentro.contains(posto.fumetto));
        QVERIFY(liberoDa(posto.figura, ostacoli));
        QVERIFY(liberoDa(posto.fumetto, ostacoli));
        QVERIFY(!posto.fumetto.intersects(posto.figura));
        QCOMPARE(posto.figura == preferita, delProgetto);
        QVERIFY2(posto.figura.height() <= altezzaMassima, qPrintable(QStringLiteral("%1,%2 %3x%4").arg(posto.figura.x()).arg(posto.figura.y()).arg(posto.figura.width()).arg(posto.figura.height())));
        if (!delProgetto) {
            // The drawing's shape, 3:4, to the pixel's rounding.
            QVERIFY(std::abs(posto.figura.width() * 4 - posto.figura.height() * 3) <= 4);
        }
        // Against a side: the gap between them is no more than what is kept
        // between them, plus the rounding of the pieces' edges.
        const QRect attorno = posto.figura.adjusted(-r.distacco - 1, -r.distacco - 1, r.distacco + 1, r.distacco + 1);
        QVERIFY(attorno.intersects(posto.fumetto));
        QVERIFY(posto.fumetto.width() >= r.fumettoMinimo.width());
        QVERIFY(posto.fumetto.height() >= r.fumettoMinimo.height());
    }

    // No room for a balloon anywhere: the character still stands free of
    // the controls, small, and the balloon's zone is empty.
    void senzaPostoPerIlFumetto()
    {
        const QList<QRect> ostacoli{QRect(0, 0, 1000, 650), QRect(0, 650, 900, 50)};
        const PostoPersonaggio posto = scegliPostoPersonaggio(richiesta(ostacoli, QRect(400, 100, 150, 200)));
        QVERIFY(posto.fumetto.isEmpty());
        QVERIFY(!posto.figura.isEmpty());
        QVERIFY(liberoDa(posto.figura, ostacoli));
        QVERIFY(QRect(0, 0, 1000, 700).contains(posto.figura));
    }
};

QTEST_MAIN(TestZonaLibera)
#include "tst_zonalibera.moc"
