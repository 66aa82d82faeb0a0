#include "TestiItaliani.h"
#include "exercises/es1/FormEs1.h"
#include "menu/FormAvvio.h"
#include "vocabulary/Parole.h"

#include "TastiX11.h"
#include "menu/AmbienteMenu.h"
#include "framework/TastiTenuti.h"
#include "platform/MessaggiQt.h"
#include "platform/RipetizioneTasti.h"
#include "platform/Suoni.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>

// Keys and switches held down for seconds on a real X server, whose key
// repeat sends the program a stream of repeats: every window must act once
// per stroke. xdotool holds the keys as a child holds a switch.
//
// Run twice: as the program runs where the server grants detectable
// auto-repeat (repeats as presses alone, releases act at once), and with
// PINNOLE_RIPETIZIONI=coppie as where it refuses it (release and press
// pairs, each release waits to see whether a repeat follows).
class TestTastiX11 : public QObject
{
    Q_OBJECT

private:
    AmbienteMenu m_ambiente;
    static constexpr int kTenuta = 2500; // how long a key is held, in ms

    // Holds the key for kTenuta ms with the program running; runs
    // duranteLaTenuta just before the release, then waits until the release
    // has surely been served.
    static void tieni(const QString &tasto, const std::function<void()> &duranteLaTenuta = {})
    {
        TastiX11::tieni(tasto, kTenuta, duranteLaTenuta);
        QTest::qWait(600);
    }

    static int contate() { return int(Stato().RisposteEsatte) + Stato().RisposteErrate; }

    static bool coppie() { return qgetenv("PINNOLE_RIPETIZIONI") == "coppie"; }

    // Counts the key events a plain widget gets from the server.
    struct Contatore : QWidget
    {
        int premuti = 0;
        int rilasciati = 0;
        void keyPressEvent(QKeyEvent *) override { ++premuti; }
        void keyReleaseEvent(QKeyEvent *) override { ++rilasciati; }
    };

    // Counts the strokes that reach a window: presses that are not a held
    // key's repeats, and releases.
    struct ContatoreColpi : QWidget
    {
        int colpi = 0;
        int rilasciati = 0;
        void keyPressEvent(QKeyEvent *e) override { colpi += e->isAutoRepeat() ? 0 : 1; }
        void keyReleaseEvent(QKeyEvent *e) override { rilasciati += e->isAutoRepeat() ? 0 : 1; }
    };

private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "this test needs a real X server");
        preparaTestiItaliani();
        // The server must repeat held keys, or this test proves nothing.
        QProcess xset;
        xset.start(QStringLiteral("xset"), {QStringLiteral("q")});
        QVERIFY(xset.waitForFinished());
        QVERIFY(QString::fromLocal8Bit(xset.readAllStandardOutput()).contains(QLatin1String("auto repeat:  on")));
        // As the program's start-up does; Xvfb grants the flag.
        if (coppie()) {
            QVERIFY(!chiediRipetizioneSenzaRilascio(false));
            TastiTenuti::impostaRipetizioni(TastiTenuti::Ripetizioni::ConRilascio);
        } else {
            QVERIFY(chiediRipetizioneSenzaRilascio());
            TastiTenuti::impostaRipetizioni(TastiTenuti::Ripetizioni::SoloPressioni);
        }
    }

    // What the server sends for a held key: with the flag, presses alone
    // and one release; without it, a release before every repeat's press.
    void ripetizioniDelServer()
    {
        Contatore w;
        w.setFocusPolicy(Qt::StrongFocus);
        w.resize(200, 200);
        w.show();
        QVERIFY(TastiX11::attiva(&w));
        w.setFocus();
        QTRY_VERIFY(w.hasFocus());
        tieni(QStringLiteral("space"));
        QVERIFY2(w.premuti > 5, qPrintable(QString::number(w.premuti))); // the key did repeat
        if (coppie())
            QCOMPARE(w.rilasciati, w.premuti);
        else
            QCOMPARE(w.rilasciati, 1);
    }

    void init() { m_ambiente.azzera(); }
    void cleanup() { m_ambiente.chiudiFinestre(); }

    void esercizioUnaVolta_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("tasto");
        QTest::addColumn<int>("passi");    // highlight moves while held and at the release
        QTest::addColumn<int>("risposte"); // answers counted

        QTest::newRow("manual: Space advances once") << 1 << "space" << 1 << 0;
        QTest::newRow("manual: Enter answers once") << 1 << "Return" << -1 << 1;
        QTest::newRow("automatic: Space answers once") << 2 << "space" << -1 << 1;
        QTest::newRow("keyboard: Right advances once") << 3 << "Right" << 1 << 0;
        QTest::newRow("keyboard: Left goes back once") << 3 << "Left" << 1 << 0;
        QTest::newRow("keyboard: Enter answers once") << 3 << "Return" << -1 << 1;
        QTest::newRow("mouse: Space does nothing") << 0 << "space" << 0 << 0;
        QTest::newRow("mouse: Enter does nothing") << 0 << "Return" << 0 << 0;
    }

    // "Vero o falso": a held key moves the highlight one step or counts one
    // answer; in automatic scanning the highlight stands still while held.
    void esercizioUnaVolta()
    {
        QFETCH(int, modo);
        QFETCH(QString, tasto);
        QFETCH(int, passi);
        QFETCH(int, risposte);
        Stato().imp.ModoInput = static_cast<qint16>(modo);
        // A step every second while not held: the hold lasts more than two
        // steps, and a loaded machine still presses before the first one.
        Stato().imp.VelocitaScansione = 4;
        auto *f = new FormEs1;
        f->setAttribute(Qt::WA_DeleteOnClose);
        f->show();
        QVERIFY(TastiX11::attiva(f));
        QTRY_VERIFY(!f->Label1()->text().isEmpty());
        if (modo == IngressoScansioneAutomatica) {
            // Press while the highlight is on the first answer.
            QTRY_COMPARE(f->scansione().Posizione(), 0);
        }
        QSignalSpy mossi(&f->scansione(), &ControlloScansione::evidenziazioneSpostata);
        tieni(tasto, [&] {
            if (modo == IngressoScansioneAutomatica) {
                QCOMPARE(mossi.count(), 0);
                QCOMPARE(contate(), 0);
            }
        });
        QCOMPARE(contate(), risposte);
        if (modo == IngressoScansioneAutomatica) {
            // The select happened on the release: nothing more came of the hold.
            QTest::qWait(100);
            QCOMPARE(contate(), 1);
        } else if (passi >= 0) {
            QCOMPARE(mossi.count(), passi);
        }
    }

    void tempiDelSensore_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("tasto");
        QTest::addColumn<int>("accettazione");
        QTest::addColumn<int>("antirimbalzo");
        QTest::addColumn<QList<int>>("colpi"); // held ms, then pause ms, for each stroke
        QTest::addColumn<int>("risposte");
        QTest::addColumn<int>("ignorate");

        QTest::newRow("manual, acceptance 300: a 100 ms tap does nothing")
            << 1 << "Return" << 300 << 0 << QList<int>{100, 300} << 0 << 1;
        QTest::newRow("manual, acceptance 300: a 500 ms hold answers once")
            << 1 << "Return" << 300 << 0 << QList<int>{500, 300} << 1 << 0;
        QTest::newRow("automatic, acceptance 300: a 100 ms tap does nothing")
            << 2 << "space" << 300 << 0 << QList<int>{100, 300} << 0 << 1;
        QTest::newRow("automatic, acceptance 300: a 500 ms hold answers once")
            << 2 << "space" << 300 << 0 << QList<int>{500, 300} << 1 << 0;
        QTest::newRow("automatic, acceptance 300: held with repeats, once")
            << 2 << "space" << 300 << 0 << QList<int>{kTenuta, 300} << 1 << 0;
        QTest::newRow("manual, debounce 500: a double hit answers once")
            << 1 << "Return" << 0 << 500 << QList<int>{80, 150, 80, 300} << 1 << 1;
        QTest::newRow("manual, both: tap, hold, bounce")
            << 1 << "Return" << 300 << 500 << QList<int>{100, 200, 500, 150, 400, 300} << 1 << 2;
    }

    // The acceptance and debounce times of a user on the real keyboard
    // path: a stroke counts by how long the switch was really down, whatever
    // the key repeat sends meanwhile.
    void tempiDelSensore()
    {
        QFETCH(int, modo);
        QFETCH(QString, tasto);
        QFETCH(int, accettazione);
        QFETCH(int, antirimbalzo);
        QFETCH(QList<int>, colpi);
        QFETCH(int, risposte);
        QFETCH(int, ignorate);
        Stato().imp.ModoInput = static_cast<qint16>(modo);
        Stato().imp.VelocitaScansione = 60; // the highlight waits on the first answer
        Stato().accesso.accettazioneMs = accettazione;
        Stato().accesso.antirimbalzoMs = antirimbalzo;
        auto *f = new FormEs1;
        f->setAttribute(Qt::WA_DeleteOnClose);
        f->show();
        QVERIFY(TastiX11::attiva(f));
        QTRY_VERIFY(!f->Label1()->text().isEmpty());
        for (int i = 0; i + 1 < colpi.size(); i += 2) {
            TastiX11::tieni(tasto, colpi.at(i));
            QTest::qWait(colpi.at(i + 1));
        }
        QTest::qWait(300);
        QCOMPARE(contate(), risposte);
        QCOMPARE(f->scansione().pressioniIgnorate(), ignorate);
        // The teacher sees the same count in the status bar, repeats never in it.
        QVERIFY(f->pannelloIgnorateVisibile());
        QCOMPARE(f->testoPannello(4), QStringLiteral("Ignorate %1").arg(ignorate));
        Stato().accesso = OpzioniAccesso();
    }

    void duePressioni_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("tasto");
        QTest::newRow("manual: Space hit twice") << 1 << "space";
        QTest::newRow("keyboard: Right hit twice") << 3 << "Right";
    }

    // A child who hits the switch twice in quick succession makes two real
    // strokes: telling a held key's repeats apart must not swallow the second.
    void duePressioni()
    {
        QFETCH(int, modo);
        QFETCH(QString, tasto);
        Stato().imp.ModoInput = static_cast<qint16>(modo);
        auto *f = new FormEs1;
        f->setAttribute(Qt::WA_DeleteOnClose);
        f->show();
        QVERIFY(TastiX11::attiva(f));
        QTRY_VERIFY(!f->Label1()->text().isEmpty());
        QSignalSpy mossi(&f->scansione(), &ControlloScansione::evidenziazioneSpostata);
        for (int colpo = 0; colpo < 2; ++colpo) {
            TastiX11::tieni(tasto, 80);
            QTest::qWait(150);
        }
        QTest::qWait(400);
        QCOMPARE(mossi.count(), 2);
        QCOMPARE(contate(), 0);
    }

    void menuUnaVolta_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("muovi"); // the forward key, held first ("" for none)
        QTest::addColumn<QString>("scegli");

        QTest::newRow("manual") << 1 << "space" << "Return";
        QTest::newRow("keyboard") << 3 << "Down" << "Return";
        QTest::newRow("automatic") << 2 << "" << "space";
    }

    // The menu: a held forward key moves one button; a held select opens
    // the exercise only at the release, exactly once, and the rest of the
    // hold does not reach the exercise.
    void menuUnaVolta()
    {
        QFETCH(int, modo);
        QFETCH(QString, muovi);
        QFETCH(QString, scegli);
        Stato().imp.ModoInput = static_cast<qint16>(modo);
        Stato().imp.VelocitaScansione = 4; // a step every second
        FormMenu *menu = m_ambiente.apriMenu();
        QVERIFY(TastiX11::attiva(menu));
        if (!muovi.isEmpty()) {
            QCOMPARE(menu->Posizione(), 0);
            QSignalSpy mossi(&menu->scansione(), &ControlloScansione::evidenziazioneSpostata);
            tieni(muovi);
            QCOMPARE(mossi.count(), 1);
            QCOMPARE(menu->Posizione(), 1);
            // Back to "Vero o falso".
            menu->scansione().vaiA(0);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(menu->Posizione(), 0, 10000);
        }
        tieni(scegli, [&] {
            QCOMPARE(Stato().NumeroRighe, 0);
            QVERIFY(!AmbienteMenu::aperta<FormEs1>());
        });
        QCOMPARE(Stato().NumeroRighe, 1);
        FormEs1 *es = AmbienteMenu::aperta<FormEs1>();
        QVERIFY(es);
        QCOMPARE(contate(), 0);
        QCOMPARE(m_ambiente.fini, 0);
    }

    // A question answered with a switch held down for seconds: the box takes
    // the stroke and closes once; neither the held key's release nor a new
    // stroke reaches the window below, which would act on it a second time.
    void domandaConTastoTenuto()
    {
        ContatoreColpi sotto;
        sotto.setFocusPolicy(Qt::StrongFocus);
        sotto.resize(300, 300);
        sotto.show();
        QVERIFY(TastiX11::attiva(&sotto));
        sotto.setFocus();
        // The box blocks this thread until answered: the key is held by a
        // process of its own, once the box is on the screen.
        QProcess tenuta;
        tenuta.start(QStringLiteral("sh"), {QStringLiteral("-c"),
                                            QStringLiteral("sleep 0.8; xdotool keydown Return; sleep %1; "
                                                           "xdotool keyup Return")
                                                .arg(kTenuta / 1000.0)});
        MessaggiQt messaggi;
        const RispostaDomanda risposta = messaggi.domanda(QStringLiteral("Continuare?"), QStringLiteral("Pinnole"),
                                                          PulsantiDomanda::SiNo, IconaMessaggio::Domanda);
        QVERIFY(tenuta.waitForFinished(10000));
        QTest::qWait(600);
        QCOMPARE(risposta, RispostaDomanda::Si);
        QCOMPARE(sotto.colpi, 0);
        QCOMPARE(sotto.rilasciati, 0);
        // The next stroke is the child's own and reaches the window.
        QVERIFY(TastiX11::attiva(&sotto));
        TastiX11::premi(QStringLiteral("Return"));
        QTRY_COMPARE(sotto.colpi, 1);
        QTRY_COMPARE(sotto.rilasciati, 1);
    }

    // The splash: its button held with Space opens one menu, with the sound
    // module opened right after the first paint, as in the program.
    void avvioUnaVolta()
    {
        auto *avvio = new FormAvvio;
        avvio->setAttribute(Qt::WA_DeleteOnClose);
        avvio->show();
        QVERIFY(TastiX11::attiva(avvio));
        QTRY_VERIFY(avvio->Command1()->hasFocus());
        QSignalSpy premuto(avvio->Command1(), &QAbstractButton::clicked);
        tieni(QStringLiteral("space"), [&] { QCOMPARE(premuto.count(), 0); });
        QCOMPARE(premuto.count(), 1);
        int menu = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            menu += qobject_cast<FormMenu *>(w) ? 1 : 0;
        QCOMPARE(menu, 1);
        auto *giocatore = dynamic_cast<QObject *>(&suoni());
        QVERIFY(giocatore);
        QCOMPARE(giocatore->metaObject()->className(), "SuoniQt");
    }
};

QTEST_MAIN(TestTastiX11)
#include "tst_tasti_x11.moc"
