#include "AgenteFinto.h"
#include "VoceScansioneFinta.h"
#include "core/Modulo1.h"
#include "framework/ControlloScansione.h"
#include "framework/Personaggio.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTest>

// The switch-access options as the scanning mechanism follows them, on a
// window of three buttons: the acceptance and debounce times, the dwell on
// the first position and the loop limit of automatic scanning, the spoken
// names and the bold frame.
class TestAccessoScansione : public QObject
{
    Q_OBJECT

private:
    struct Finestra
    {
        QWidget finestra;
        QList<QPushButton *> pulsanti;
        ControlloScansione *scansione = nullptr;
        QList<int> scelte;
        bool fraseInCorso = false;

        Finestra(int modo, const OpzioniAccesso &opzioni)
        {
            finestra.resize(400, 200);
            for (int i = 0; i < 3; ++i) {
                auto *p = new QPushButton(QStringList{"&Uno", "Due", "Tre"}.at(i), &finestra);
                p->setGeometry(20 + 120 * i, 60, 100, 50);
                pulsanti << p;
            }
            scansione = new ControlloScansione(&finestra);
            scansione->impostaOpzioni(opzioni);
            scansione->impostaFraseInCorso([this] { return fraseInCorso; });
            ControlloScansione::Anello anello;
            anello.posizioni = ::Anello(3);
            anello.evidenzia = [](int, bool) {};
            anello.seleziona = [this](int p) { scelte << p; };
            anello.nome = [this](int p) { return nomeControllo(pulsanti.value(p)); };
            anello.riquadro = [this](int p) { return riquadroControllo(pulsanti.value(p), &finestra); };
            finestra.show();
            if (!QTest::qWaitForWindowActive(&finestra))
                qWarning("the window did not become active");
            scansione->avvia(modo, 60, anello); // the tests step the timer themselves
        }
        QWidget *tasti() const
        {
            return scansione->modo() == IngressoScansioneAutomatica ? scansione->PictureScansioneAutomatica()
                                                                     : scansione->PictureScansioneManuale();
        }
        // A stroke held for durata ms, then a pause of dopo ms.
        void colpo(Qt::Key tasto, int durata, int dopo = 0)
        {
            QTest::keyPress(tasti(), tasto);
            QTest::qWait(durata);
            QTest::keyRelease(tasti(), tasto);
            if (dopo > 0)
                QTest::qWait(dopo);
        }
    };

    static OpzioniAccesso opzioni(int accettazione, int antirimbalzo = 0)
    {
        OpzioniAccesso o;
        o.accettazioneMs = accettazione;
        o.antirimbalzoMs = antirimbalzo;
        return o;
    }

private slots:
    void init() { Stato().imp = Impostazioni(); }

    // Real strokes with real pauses against the times: (duration, pause)
    // pairs of Enter in manual scanning, each select counted.
    void filtri_data()
    {
        QTest::addColumn<int>("accettazione");
        QTest::addColumn<int>("antirimbalzo");
        QTest::addColumn<QList<int>>("colpi");
        QTest::addColumn<int>("scelte");
        QTest::addColumn<int>("ignorate");

        QTest::newRow("no options: every stroke") << 0 << 0 << QList<int>{20, 20, 20, 20} << 2 << 0;
        QTest::newRow("tap shorter than acceptance") << 300 << 0 << QList<int>{100, 50} << 0 << 1;
        QTest::newRow("hold past acceptance selects once") << 300 << 0 << QList<int>{500, 50} << 1 << 0;
        QTest::newRow("double hit within debounce") << 0 << 500 << QList<int>{40, 60, 40, 50} << 1 << 1;
        QTest::newRow("hit after debounce") << 0 << 300 << QList<int>{40, 400, 40, 50} << 2 << 0;
        QTest::newRow("both: tap, hold, bounce")
            << 200 << 400 << QList<int>{60, 50, 300, 100, 250, 50} << 1 << 2;
    }

    void filtri()
    {
        QFETCH(int, accettazione);
        QFETCH(int, antirimbalzo);
        QFETCH(QList<int>, colpi);
        QFETCH(int, scelte);
        QFETCH(int, ignorate);

        Finestra f(IngressoScansioneManuale, opzioni(accettazione, antirimbalzo));
        QSignalSpy segnalate(f.scansione, &ControlloScansione::pressioneIgnorata);
        for (int i = 0; i + 1 < colpi.size(); i += 2)
            f.colpo(Qt::Key_Return, colpi.at(i), colpi.at(i + 1));
        QCOMPARE(f.scelte.size(), scelte);
        QCOMPARE(f.scansione->pressioniIgnorate(), ignorate);
        QCOMPARE(segnalate.size(), ignorate);
    }

    // In automatic scanning the press stops the highlight only once it is
    // accepted: a short touch lets the scan go on.
    void accettazioneScansioneAutomatica()
    {
        Finestra f(IngressoScansioneAutomatica, opzioni(300));
        QTest::keyPress(f.tasti(), Qt::Key_Space);
        QTest::qWait(100);
        QVERIFY(f.scansione->Timer1()->isActive());
        QTest::qWait(300);
        QVERIFY(!f.scansione->Timer1()->isActive()); // held long enough: the highlight stays
        QTest::keyRelease(f.tasti(), Qt::Key_Space);
        QCOMPARE(f.scelte, QList<int>{0});
        QVERIFY(f.scansione->Timer1()->isActive());
    }

    // Timer1 ticks of automatic scanning: the position after each tick, '-'
    // for a tick while scanning has stopped by itself; "|" is a stroke of
    // the switch.
    void ritmo_data()
    {
        QTest::addColumn<int>("sosta");
        QTest::addColumn<int>("limite");
        QTest::addColumn<QString>("copione");
        QTest::addColumn<QString>("visti");
        QTest::addColumn<QList<int>>("scelte");

        QTest::newRow("defaults") << 1 << 0 << "......." << "1201201" << QList<int>{};
        QTest::newRow("first position three ticks") << 3 << 0 << "......" << "001200" << QList<int>{};
        QTest::newRow("two turns then stop") << 1 << 2 << "........" << "120120--" << QList<int>{};
        QTest::newRow("a stroke while stopped only wakes")
            << 2 << 1 << "......|...." << "0120--0120" << QList<int>{};
        QTest::newRow("a stroke gives full turns again")
            << 1 << 1 << "..|....." << "120120-" << QList<int>{2};
    }

    void ritmo()
    {
        QFETCH(int, sosta);
        QFETCH(int, limite);
        QFETCH(QString, copione);
        QFETCH(QString, visti);
        QFETCH(QList<int>, scelte);

        OpzioniAccesso o;
        o.sostaPrimaPosizione = sosta;
        o.limiteGiri = limite;
        Finestra f(IngressoScansioneAutomatica, o);
        QString posizioni;
        for (const QChar c : copione) {
            if (c == QLatin1Char('|')) {
                f.colpo(Qt::Key_Space, 10);
                continue;
            }
            if (f.scansione->fermaPerGiri()) {
                posizioni += QLatin1Char('-');
                f.scansione->Timer1_Timer();
                continue;
            }
            f.scansione->Timer1_Timer();
            posizioni += QString::number(f.scansione->Posizione());
        }
        QCOMPARE(posizioni, visti);
        QCOMPARE(f.scelte, scelte);
    }

    // Each position reached is named, the access-key mark left out; nothing
    // is said over the window's sentence, and a sentence silences the name.
    void scansioneParlata()
    {
        VoceScansioneFinta voce;
        OpzioniAccesso o;
        o.scansioneParlata = true;
        Finestra f(IngressoScansioneManuale, o);
        QTRY_COMPARE(voce.nomi(), QStringList{"Uno"});
        f.colpo(Qt::Key_Space, 10, 50);
        f.colpo(Qt::Key_Space, 10, 50);
        QCOMPARE(voce.nomi(), (QStringList{"Uno", "Due", "Tre"}));
        f.fraseInCorso = true;
        f.colpo(Qt::Key_Space, 10, 50);
        QCOMPARE(voce.nomi().size(), 3);
        f.fraseInCorso = false;
        // Quick steps: only where the highlight stops is named.
        QTest::keyRelease(f.tasti(), Qt::Key_Space);
        QTest::keyRelease(f.tasti(), Qt::Key_Space);
        QTRY_COMPARE(voce.nomi().size(), 4);
        QTest::qWait(50);
        QCOMPARE(voce.nomi().constLast(), QStringLiteral("Tre"));

        AgenteFinto personaggio;
        voce.detti.clear();
        LeggiTesto(personaggio, QStringLiteral("Il tetto è rosso."));
        QCOMPARE(voce.detti, QStringList{"-"});

        OpzioniAccesso spenta;
        Finestra g(IngressoScansioneManuale, spenta);
        voce.detti.clear();
        g.colpo(Qt::Key_Space, 10, 50);
        QCOMPARE(voce.nomi(), QStringList{});
    }

    // The frame lies around the lit button and follows it; without a
    // thickness there is none, as without the option.
    void cornice()
    {
        OpzioniAccesso o;
        o.spessoreEvidenziazione = 12;
        Finestra f(IngressoScansioneManuale, o);
        auto *cornice = f.finestra.findChild<QWidget *>(QStringLiteral("CorniceScansione"));
        QVERIFY(cornice);
        QVERIFY(cornice->isVisible());
        QCOMPARE(f.scansione->riquadroCornice(), f.pulsanti.at(0)->geometry());
        QCOMPARE(f.scansione->zonaCornice().boundingRect(), f.pulsanti.at(0)->geometry().adjusted(-13, -13, 13, 13));
        QVERIFY(!f.scansione->zonaCornice().contains(f.pulsanti.at(0)->geometry().center()));
        f.colpo(Qt::Key_Space, 10);
        QCOMPARE(f.scansione->zonaCornice().boundingRect(), f.pulsanti.at(1)->geometry().adjusted(-13, -13, 13, 13));
        f.scansione->ferma();
        QVERIFY(!cornice->isVisible());

        Finestra g(IngressoScansioneManuale, OpzioniAccesso());
        QVERIFY(!g.finestra.findChild<QWidget *>(QStringLiteral("CorniceScansione"))->isVisible());
    }

    // Between strokes nothing ticks, in every mode but automatic scanning,
    // yet the frame follows a lit control that is moved, hidden or shown
    // again, and the keys come back to the catcher when another control
    // takes them.
    void senzaOrologio_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("two switches") << int(IngressoScansioneManuale);
        QTest::newRow("keyboard") << int(IngressoTastiera);
        QTest::newRow("automatic scanning") << int(IngressoScansioneAutomatica);
    }

    void senzaOrologio()
    {
        QFETCH(int, modo);
        OpzioniAccesso o;
        o.spessoreEvidenziazione = 12;
        Finestra f(modo, o);
        int attivi = 0;
        for (QTimer *t : f.finestra.findChildren<QTimer *>())
            attivi += t->isActive();
        QCOMPARE(attivi, modo == IngressoScansioneAutomatica ? 1 : 0);
        const auto attorno = [&f](QWidget *w) { return w->geometry().adjusted(-13, -13, 13, 13); };
        QPushButton *lit = f.pulsanti.at(0);
        QTRY_COMPARE(f.scansione->zonaCornice().boundingRect(), attorno(lit));
        lit->move(40, 100);
        QTRY_COMPARE(f.scansione->zonaCornice().boundingRect(), attorno(lit));
        lit->hide();
        QTRY_VERIFY(f.scansione->zonaCornice().isEmpty());
        lit->show();
        QTRY_COMPARE(f.scansione->zonaCornice().boundingRect(), attorno(lit));

        QTRY_VERIFY(f.tasti()->hasFocus());
        f.pulsanti.at(2)->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(f.tasti()->hasFocus());
        f.scansione->sospendi();
        f.pulsanti.at(2)->setFocus(Qt::OtherFocusReason);
        QTest::qWait(50);
        QVERIFY(f.pulsanti.at(2)->hasFocus());
        QVERIFY(!f.scansione->Timer1()->isActive());
        f.scansione->riprendi();
        QVERIFY(f.tasti()->hasFocus());
        QCOMPARE(f.scansione->Timer1()->isActive(), modo == IngressoScansioneAutomatica);
    }

    // Without options of its own the mechanism follows the current user's.
    void opzioniDellUtente()
    {
        Stato().accesso = opzioni(300);
        QWidget w;
        ControlloScansione c(&w);
        c.avvia(IngressoScansioneManuale, 60, {});
        QCOMPARE(c.opzioni().accettazioneMs, 300);
        Stato().accesso = OpzioniAccesso();
        c.avvia(IngressoScansioneManuale, 60, {});
        QCOMPARE(c.opzioni(), OpzioniAccesso());
    }
};

QTEST_MAIN(TestAccessoScansione)
#include "tst_accesso_scansione.moc"
