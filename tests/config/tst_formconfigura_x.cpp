#include "menu/AmbienteMenu.h"

#include "DialoghiFinti.h"
#include "TastiX11.h"

#include "config/CasellaColorata.h"
#include "config/FormConfigura.h"
#include "config/LogicaConfigura.h"
#include "framework/ControlloScansione.h"
#include "framework/Pulsante.h"
#include "platform/AgenteQt.h"
#include "vocabulary/ModuloColoriSuoni.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QThread>

// The configuration window on a real X server with a window manager, driven
// by real key events (xdotool), with the real speaking character, whose
// window is a top-level window of its own.
class TestFormConfiguraX : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AmbienteMenu> m_ambiente;
    std::unique_ptr<DialoghiFinti> m_dialoghi;

    // Keys go to the focused window: wait until the events have been served.
    static void tasto(const QString &tasto, int volte = 1)
    {
        for (int i = 0; i < volte; ++i)
            TastiX11::premi(tasto);
        QTest::qWait(150);
    }

    static QList<QWidget *> finestreVisibili()
    {
        QList<QWidget *> visibili;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->objectName().startsWith(QLatin1String("qt_")))
                visibili << w;
        return visibili;
    }

private slots:
    void initTestCase()
    {
        m_ambiente = std::make_unique<AmbienteMenu>();
        if (!TastiX11::disponibile())
            QSKIP("xdotool is missing");
    }
    void init()
    {
        m_ambiente->azzera();
        AgenteFinto::disinstalla(); // the real character
        PreparaTavolozza(Stato().TavolozzaVB, Stato().TavolozzaHex);
        m_dialoghi = std::make_unique<DialoghiFinti>();
    }
    void cleanup()
    {
        m_ambiente->chiudiFinestre();
        m_dialoghi.reset();
    }
    void cleanupTestCase() { m_ambiente.reset(); }

    // Arrows on the tab strip change tabs; the character's own window shows
    // on the voice tab only and goes with the window; a palette cell is
    // reached with Tab and the arrows and chosen with Enter, once even when
    // the key is held; "Esci" from the keyboard brings the menu back.
    void tastieraReale()
    {
        FormMenu *menu = m_ambiente->apriMenu();
        menu->mnuConfigura()->trigger();
        FormConfigura *d = AmbienteMenu::aperta<FormConfigura>();
        QVERIFY(d);
        QVERIFY(QTest::qWaitFor([d] { return d->attivata(); }));
        QVERIFY(TastiX11::attiva(d, 5000));
        QCOMPARE(QApplication::focusWidget(), d->TabStrip1());

        tasto(QStringLiteral("Right"), FormConfigura::SchedaSuoniEVoce);
        QCOMPARE(d->TabStrip1()->currentIndex(), int(FormConfigura::SchedaSuoniEVoce));
        auto *personaggio = qobject_cast<AgenteQt *>(d->personaggio());
        QVERIFY(personaggio);
        QVERIFY(QTest::qWaitFor([personaggio] { return personaggio->finestraPersonaggio()->isVisible(); }));
        // It stands inside the dialog's voice frame (screen coordinates, whether
        // it is a window of its own or drawn inside the dialog).
        const QWidget *figura = personaggio->finestraPersonaggio();
        const QWidget *frame = d->frameScheda(FormConfigura::SchedaSuoniEVoce);
        const QRect zona(frame->mapToGlobal(QPoint(0, 0)), frame->size());
        QVERIFY(zona.contains(figura->mapToGlobal(figura->rect().center())));

        tasto(QStringLiteral("Right"));
        QCOMPARE(d->TabStrip1()->currentIndex(), int(FormConfigura::SchedaModalitaInput));
        QVERIFY(QTest::qWaitFor([personaggio] { return !personaggio->finestraPersonaggio()->isVisible(); }));

        tasto(QStringLiteral("Left"), 4);
        QCOMPARE(d->TabStrip1()->currentIndex(), int(FormConfigura::SchedaColoriPinnole));
        d->Option2(1)->setChecked(true);
        m_ambiente->messaggi->risposte = {QStringLiteral("viola"), QStringLiteral("viola"), QStringLiteral("viola"),
                                          QStringLiteral("viola")};
        tasto(QStringLiteral("Tab"));
        QCOMPARE(QApplication::focusWidget(), d->CasellaColorata_(0));
        tasto(QStringLiteral("Down"), 2);
        tasto(QStringLiteral("Right"));
        const int attesa = casellaInPosizione(1, 2);
        QCOMPARE(QApplication::focusWidget(), d->CasellaColorata_(attesa));
        // Held for a second, long enough for the key to repeat.
        TastiX11::tieni(QStringLiteral("Return"), 1000);
        QTest::qWait(300);
        QCOMPARE(m_ambiente->messaggi->domande.size(), 4);
        QCOMPARE(Stato().imp.TabellaColori[1][0], Stato().TavolozzaHex[size_t(attesa)]);

        tasto(QStringLiteral("alt+e"));
        QVERIFY(QTest::qWaitFor([] { return AmbienteMenu::aperta<FormMenu>() != nullptr; }));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(200);
        const QList<QWidget *> visibili = finestreVisibili();
        QCOMPARE(visibili.size(), 1);
        QVERIFY(qobject_cast<FormMenu *>(visibili.first()));
    }

    // The preview of the switch-access tab with two switches on a real X
    // server and an acceptance time of 300 ms: started from the keyboard, a
    // 100 ms tap does nothing, a switch held for a second (long enough for the
    // key to repeat) moves the highlight one step, a 500 ms press of the
    // other switch chooses; Esc gives the keys back to the window.
    void provaConSensoriReali()
    {
        Stato().imp.ModoInput = IngressoScansioneManuale;
        Stato().accesso.accettazioneMs = 300;
        FormMenu *menu = m_ambiente->apriMenu();
        menu->mnuConfigura()->trigger();
        FormConfigura *d = AmbienteMenu::aperta<FormConfigura>();
        QVERIFY(d);
        QVERIFY(QTest::qWaitFor([d] { return d->attivata(); }));
        QVERIFY(TastiX11::attiva(d, 5000));
        d->mostraScheda(FormConfigura::SchedaAccessoSensori);
        auto tieni = [](const QString &tasto, int ms) {
            TastiX11::tieni(tasto, ms);
            QTest::qWait(250);
        };
        // The window's buttons take the user's acceptance time too.
        d->CommandProvaScansione()->setFocus(Qt::TabFocusReason);
        tieni(QStringLiteral("space"), 400);
        QVERIFY(d->anteprima().attivo());
        QCOMPARE(d->anteprima().Posizione(), 0);

        tieni(QStringLiteral("space"), 100);
        QCOMPARE(d->anteprima().Posizione(), 0);
        QCOMPARE(d->anteprima().pressioniIgnorate(), 1);
        tieni(QStringLiteral("space"), 1000);
        QCOMPARE(d->anteprima().Posizione(), 1);
        QVERIFY(d->LabelSceltaAnteprima()->text().isEmpty());
        tieni(QStringLiteral("Return"), 500);
        QCOMPARE(d->LabelSceltaAnteprima()->text(), QStringLiteral("Scelto: Due"));
        QCOMPARE(d->anteprima().Posizione(), 1);

        tasto(QStringLiteral("Escape"));
        QVERIFY(!d->anteprima().attivo());
        QCOMPARE(QApplication::focusWidget(), d->CommandProvaScansione());
        QVERIFY(!d->PulsanteAnteprima(1)->evidenziato());
    }
};

QTEST_MAIN(TestFormConfiguraX)
#include "tst_formconfigura_x.moc"
