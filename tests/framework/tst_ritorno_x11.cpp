#include "TestiItaliani.h"
#include "exercises/es1/FormEs1.h"
#include "menu/Form1.h"
#include "platform/Pannello.h"
#include "printing/FiguraStampabile.h"
#include "printing/frmStampa.h"
#include "vocabulary/Parole.h"

#include "StampantiFinte.h"
#include "TastiX11.h"
#include "menu/AmbienteMenu.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

#include <functional>

// Coming back from the print window and the picture for colouring (panels
// inside the full-screen exercise) on a real X server with no window manager,
// where nothing but the program gives the keys back: the exercise window must
// be active again with the keys in it, so its shortcuts (which act only in the
// active window) and its keys work. The keys are real ones, typed with xdotool.
class TestRitornoX11 : public QObject
{
    Q_OBJECT

private:
    AmbienteMenu m_ambiente;
    std::unique_ptr<StampantiFinte> m_stampanti;

    // The dialog now waiting for the child, once it has the keys: a panel
    // inside the exercise's full-screen window (the focus is in it) or a
    // window of its own (it is the active window); null otherwise.
    static QWidget *modalePronta(QWidget **aperta)
    {
        QWidget *focus = QApplication::focusWidget();
        if (QWidget *pannello = pannelloAperto()) {
            *aperta = pannello;
            return focus && (focus == pannello || pannello->isAncestorOf(focus)) ? pannello : nullptr;
        }
        *aperta = QApplication::activeModalWidget();
        return *aperta && QApplication::activeWindow() == *aperta ? *aperta : nullptr;
    }

    // While azione runs (it types the key that opens a dialog), each dialog
    // that gets the keys is handed to passo once; passo types the keys that
    // close it. Returns the dialogs seen, in order.
    static QStringList conModali(const std::function<void()> &azione, const std::function<void(QWidget *)> &passo)
    {
        QStringList viste;
        QWidget *ultima = nullptr;
        QTimer guida;
        guida.setInterval(30);
        QElapsedTimer orologio;
        orologio.start();
        connect(&guida, &QTimer::timeout, [&] {
            QWidget *aperta = nullptr;
            QWidget *modale = modalePronta(&aperta);
            // A dialog that never got the keys would hold the test for
            // ever: it is closed, and the list says so.
            if (aperta && aperta != ultima && orologio.elapsed() > 8000) {
                viste << QStringLiteral("never ready: ") + QString::fromLatin1(aperta->metaObject()->className());
                aperta->close();
                return;
            }
            if (!modale || modale == ultima)
                return;
            ultima = modale;
            orologio.restart();
            viste << QString::fromLatin1(modale->metaObject()->className());
            // Run apart from this timer, which does not fire again while its
            // own slot runs: passo may open a dialog of its own.
            QTimer::singleShot(0, modale, [&passo, modale] { passo(modale); });
        });
        guida.start();
        azione();
        // The keys are served, and the dialogs run and end, inside the wait.
        if (!QTest::qWaitFor(
                [&viste] { return !viste.isEmpty() && !pannelloAperto() && !QApplication::activeModalWidget(); },
                10000))
            viste << QStringLiteral("still open after 10 s");
        return viste;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "this test needs a real X server");
        preparaTestiItaliani();
        registraStampaEsercizi();
    }

    void init()
    {
        m_ambiente.azzera();
        m_stampanti = std::make_unique<StampantiFinte>();
        m_stampanti->elenco = {QStringLiteral("Finta")};
        m_stampanti->nomePredefinito = QStringLiteral("Finta");
        frmStampa::istanza().dimentica();
    }
    void cleanup()
    {
        m_ambiente.chiudiFinestre();
        m_stampanti.reset();
    }

    // The mouse, the keyboard and two switches: after the picture for
    // colouring (left with its own keys) and after the print window (left
    // with Escape), the exercise is the active window, Ctrl+P opens the
    // picture again and the arrow keys move the highlight.
    void tornaPronta_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("mouse") << int(IngressoMouse);
        QTest::newRow("keyboard") << int(IngressoTastiera);
        QTest::newRow("manual scanning") << int(IngressoScansioneManuale);
    }
    void tornaPronta()
    {
        QFETCH(int, modo);
        Stato().imp.ModoInput = static_cast<qint16>(modo);
        auto *f = new FormEs1;
        f->setAttribute(Qt::WA_DeleteOnClose);
        f->show();
        QVERIFY(TastiX11::attiva(f));
        QTRY_VERIFY(!f->Label1()->text().isEmpty());

        // Leaves the picture for colouring as its mode does: the mouse
        // clicks "Esci", the keys go round to it and choose it.
        const auto esciDaFigura = [modo](QWidget *w) {
            auto *figure = qobject_cast<Form1 *>(w);
            QVERIFY(figure);
            if (modo == IngressoMouse)
                QTest::mouseClick(figure->Command1(), Qt::LeftButton);
            else if (modo == IngressoTastiera)
                TastiX11::digita(QStringLiteral("Left Return"));
            else
                TastiX11::digita(QStringLiteral("space space space space Return"));
        };
        QCOMPARE(conModali([] { TastiX11::digita(QStringLiteral("ctrl+p")); }, esciDaFigura), QStringList{"Form1"});
        QTRY_COMPARE(QApplication::activeWindow(), f);

        // The print window from the keys, closed with Escape.
        const auto chiudiStampa = [](QWidget *w) {
            QVERIFY(qobject_cast<frmStampa *>(w));
            TastiX11::digita(QStringLiteral("Escape"));
        };
        QCOMPARE(conModali([] { TastiX11::digita(QStringLiteral("ctrl+o")); }, chiudiStampa), QStringList{"frmStampa"});
        QTRY_COMPARE(QApplication::activeWindow(), f);

        // From the picture for colouring into the print window and back: the
        // picture is active again (so it is handed over a second time) and
        // its own keys leave it.
        int volteFigura = 0;
        const auto stampaDaFigura = [modo, esciDaFigura, &volteFigura](QWidget *w) {
            if (auto *figure = qobject_cast<Form1 *>(w); figure && volteFigura++ == 0) {
                if (modo == IngressoMouse)
                    QTest::mouseClick(figure->Picture1(0), Qt::LeftButton);
                else
                    TastiX11::digita(QStringLiteral("Return"));
            } else if (figure) {
                esciDaFigura(w);
            } else {
                QVERIFY(qobject_cast<frmStampa *>(w));
                TastiX11::digita(QStringLiteral("Escape"));
            }
        };
        QCOMPARE(conModali([] { TastiX11::digita(QStringLiteral("ctrl+p")); }, stampaDaFigura),
                 (QStringList{"Form1", "frmStampa", "Form1"}));
        QTRY_COMPARE(QApplication::activeWindow(), f);

        // The exercise's own keys still reach it.
        if (modo != IngressoMouse) {
            const int prima = f->scansione().Posizione();
            TastiX11::digita(modo == IngressoTastiera ? QStringLiteral("Right") : QStringLiteral("space"));
            QTRY_VERIFY(f->scansione().Posizione() != prima);
        }
    }
};

QTEST_MAIN(TestRitornoX11)
#include "tst_ritorno_x11.moc"
