#include "framework/TastiTenuti.h"

#include <QKeyEvent>
#include <QScopeGuard>
#include <QTest>

// Key strokes as the window system delivers them while a key or switch is
// held: each stroke must reach the window as one press and one release.
class TestTastiTenuti : public QObject
{
    Q_OBJECT

private slots:
    // A script is a list of events: "P<time>" a press, "R<time>" a release,
    // "p"/"r" the same marked as repeats by the toolkit, "Q"/"S" a press or
    // release the program makes itself (no hardware code), "w" a pause longer
    // than a repeat's wait. The result lists the actions in order.
    void unaVoltaPerColpo_data()
    {
        QTest::addColumn<QString>("copione");
        QTest::addColumn<QString>("azioni");
        // The X server sends a held key's repeats as presses alone.
        QTest::addColumn<bool>("soloPressioni");

        QTest::newRow("a short stroke") << "P10 R90 w" << "P R" << false;
        QTest::newRow("release waits for a possible repeat") << "P10 R90" << "P" << false;
        QTest::newRow("held: repeats as release and press pairs")
            << "P10 R670 P670 R710 P710 R750 P750 R790 P790 R2400 w" << "P R" << false;
        QTest::newRow("held: pairs the toolkit marked as repeats")
            << "P10 r670 p670 R710 P710 r750 p750 R2400 w" << "P R" << false;
        QTest::newRow("held: repeats as presses only") << "P10 P670 p710 P750 R2400 w" << "P R" << false;
        QTest::newRow("two strokes") << "P10 R90 w P400 R480 w" << "P R P R" << false;
        QTest::newRow("busy machine: a repeat's press after the wait")
            << "P10 R670 w P670 R710 P710 R2400 w P3000 R3100 w" << "P R P R" << false;
        QTest::newRow("busy machine: a second stroke before the wait ended")
            << "P10 R60 P140 R200 w" << "P R P R" << false;
        QTest::newRow("quick strokes 40 ms apart") << "P10 R50 P90 R130 P170 R210 w" << "P R P R P R" << false;
        QTest::newRow("program's own events act at once") << "Q S Q S" << "P R P R" << false;
        QTest::newRow("program's own release alone") << "S" << "R" << false;
        QTest::newRow("program's own repeat release ignored") << "Q s S" << "P R" << false;
        QTest::newRow("a repeat seen first is not a stroke") << "p670 R2400 w" << "R" << false;
        QTest::newRow("presses only: a release acts at once") << "P10 R90" << "P R" << true;
        QTest::newRow("presses only: held") << "P10 P670 P710 p750 R2400" << "P R" << true;
        QTest::newRow("presses only: two quick strokes") << "P10 R60 P90 R140" << "P R P R" << true;
        QTest::newRow("presses only: program's own events") << "Q S Q s S" << "P R P R" << true;
    }

    void unaVoltaPerColpo()
    {
        QFETCH(QString, copione);
        QFETCH(QString, azioni);
        QFETCH(bool, soloPressioni);
        TastiTenuti::impostaRipetizioni(soloPressioni ? TastiTenuti::Ripetizioni::SoloPressioni
                                                      : TastiTenuti::Ripetizioni::ConRilascio);
        const auto ripristino = qScopeGuard(
            [] { TastiTenuti::impostaRipetizioni(TastiTenuti::Ripetizioni::ConRilascio); });
        QStringList fatte;
        TastiTenuti tasti([&fatte](int tasto, bool rilasciato) {
            QCOMPARE(tasto, int(Qt::Key_Space));
            fatte << (rilasciato ? QStringLiteral("R") : QStringLiteral("P"));
        });
        for (const QString &passo : copione.split(QLatin1Char(' '))) {
            const QChar c = passo.at(0);
            if (c == QLatin1Char('w')) {
                QTest::qWait(TastiTenuti::attesaRipetizione * 3);
                continue;
            }
            const bool nativo = c != QLatin1Char('Q') && c != QLatin1Char('S') && c != QLatin1Char('s');
            const bool rilascio = c == QLatin1Char('R') || c == QLatin1Char('r') || c == QLatin1Char('S')
                || c == QLatin1Char('s');
            const bool ripetizione = c == QLatin1Char('r') || c == QLatin1Char('p') || c == QLatin1Char('s');
            const quint64 orario = passo.mid(1).toULongLong();
            QKeyEvent e(rilascio ? QEvent::KeyRelease : QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier,
                        nativo ? 65 : 0, nativo ? 32 : 0, 0, QStringLiteral(" "), ripetizione);
            e.setTimestamp(orario);
            QVERIFY(tasti.evento(e));
        }
        QCOMPARE(fatte.join(QLatin1Char(' ')), azioni);
    }

    // Each key has its own state: holding one does not swallow another.
    void tastiIndipendenti()
    {
        QStringList fatte;
        TastiTenuti tasti([&fatte](int tasto, bool rilasciato) {
            fatte << QString(rilasciato ? QLatin1Char('R') : QLatin1Char('P'))
                    + (tasto == Qt::Key_Space ? QLatin1Char('s') : QLatin1Char('e'));
        });
        tasti.evento(Qt::Key_Space, false, false, true, 10);
        tasti.evento(Qt::Key_Return, false, false, true, 20);
        tasti.evento(Qt::Key_Return, true, false, true, 60);
        tasti.evento(Qt::Key_Space, true, false, true, 700);
        tasti.evento(Qt::Key_Space, false, false, true, 700);
        QTRY_COMPARE(fatte.join(QLatin1Char(' ')), QStringLiteral("Ps Pe Re"));
        QVERIFY(tasti.giu(Qt::Key_Space));
        QVERIFY(!tasti.giu(Qt::Key_Return));
    }

    // After the keys went elsewhere, a fresh press acts even if its release
    // was never seen.
    void dimenticaDopoLaPerditaDelFuoco()
    {
        int premuti = 0;
        TastiTenuti tasti([&premuti](int, bool rilasciato) { premuti += rilasciato ? 0 : 1; });
        tasti.evento(Qt::Key_Space, false, false, true, 10);
        tasti.evento(Qt::Key_Space, false, false, true, 500);
        QCOMPARE(premuti, 1);
        tasti.dimentica();
        tasti.evento(Qt::Key_Space, false, false, true, 900);
        QCOMPARE(premuti, 2);
    }

    // A release still waiting to be told from a repeat when the keys go
    // elsewhere is not lost: the stroke ends, once.
    void rilascioInAttesaDopoLaPerditaDelFuoco()
    {
        int rilasci = 0;
        TastiTenuti tasti([&rilasci](int, bool rilasciato) { rilasci += rilasciato ? 1 : 0; });
        tasti.evento(Qt::Key_Space, false, false, true, 10);
        tasti.evento(Qt::Key_Space, true, false, true, 300);
        tasti.dimentica();
        QTRY_COMPARE_WITH_TIMEOUT(rilasci, 1, 1000);
        QTest::qWait(2 * TastiTenuti::attesaRipetizione);
        QCOMPARE(rilasci, 1);
    }
};

QTEST_GUILESS_MAIN(TestTastiTenuti)
#include "tst_tasti_tenuti.moc"
