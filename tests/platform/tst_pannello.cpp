#include "platform/Pannello.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// A dialog run as a panel inside a window: it takes the keys and keeps them,
// the window below neither acts on its shortcuts nor takes the keys back,
// and afterwards everything is as it was.
class TestPannello : public QObject
{
    Q_OBJECT

    struct Finestra
    {
        QMainWindow finestra;
        QAction *esci = nullptr;
        QAction *figura = nullptr;
        QPushButton *sotto = nullptr;

        Finestra()
        {
            esci = finestra.menuBar()->addAction(QStringLiteral("&Esci"));
            figura = new QAction(QStringLiteral("figura"), &finestra);
            figura->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
            finestra.addAction(figura);
            sotto = new QPushButton(QStringLiteral("sotto"), &finestra);
            finestra.setCentralWidget(sotto);
            finestra.resize(800, 600);
            finestra.showFullScreen();
            QApplication::setActiveWindow(&finestra);
            sotto->setFocus();
        }
    };

    struct Dialogo : QDialog
    {
        QPushButton *primo = new QPushButton(QStringLiteral("primo"), this);
        QPushButton *ultimo = new QPushButton(QStringLiteral("ultimo"), this);
        Dialogo()
        {
            resize(300, 200);
            primo->move(10, 10);
            ultimo->move(10, 60);
            ultimo->setDefault(true);
        }
    };

    // Runs passo once the panel is open, then leaves it with esito.
    static int conPannello(QDialog &d, QWidget *finestra, const std::function<void()> &passo, int esito = 7)
    {
        QTimer::singleShot(0, &d, [&d, passo, esito] {
            passo();
            d.done(esito);
        });
        return eseguiPannello(d, finestra);
    }

private slots:
    void prendeITastiEPoiRendeTutto()
    {
        Finestra f;
        Dialogo d;
        const int esito = conPannello(d, &f.finestra, [&] {
            QVERIFY(!d.isWindow());
            QCOMPARE(d.window(), &f.finestra);
            QCOMPARE(pannelloAperto(), &d);
            // It paints its own background over the dimmed window.
            QVERIFY(d.autoFillBackground());
            // The default button has the keys, and the window's menu bar and
            // its own shortcuts are off.
            QCOMPARE(QApplication::focusWidget(), d.ultimo);
            QVERIFY(!f.finestra.menuBar()->isEnabled());
            QVERIFY(!f.figura->isEnabled());
            QVERIFY(copertoDaPannello(f.sotto));
            QVERIFY(!copertoDaPannello(d.primo));
            // Tab goes round the panel's own controls, never to the window.
            QTest::keyClick(d.ultimo, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), d.primo);
            QTest::keyClick(d.primo, Qt::Key_Backtab);
            QCOMPARE(QApplication::focusWidget(), d.ultimo);
            // Keys given to the window below come back to the panel.
            f.sotto->setFocus();
            QVERIFY(QApplication::focusWidget() != f.sotto);
        });
        QCOMPARE(esito, 7);
        QVERIFY(d.isWindow());
        QCOMPARE(d.parentWidget(), nullptr);
        QVERIFY(!d.autoFillBackground());
        QCOMPARE(pannelloAperto(), nullptr);
        QVERIFY(!copertoDaPannello(f.sotto));
        QVERIFY(f.finestra.menuBar()->isEnabled());
        QVERIFY(f.figura->isEnabled());
        QCOMPARE(QApplication::focusWidget(), f.sotto);
        QVERIFY(!f.finestra.findChild<QWidget *>(QStringLiteral("VeloPannello")));
    }

    // A window where nothing else takes the keys (a child using the mouse)
    // does not keep the closed panel as its focused child: once the dialog
    // is gone, a key sent to the window reaches a live widget.
    void nessunFuocoRestaAlPannelloChiuso()
    {
        Finestra f;
        f.sotto->setFocusPolicy(Qt::NoFocus);
        f.sotto->clearFocus();
        {
            Dialogo d;
            conPannello(d, &f.finestra, [&] { QVERIFY(d.isAncestorOf(QApplication::focusWidget())); });
        }
        QWidget *fuoco = f.finestra.focusWidget();
        QVERIFY(!fuoco || QApplication::allWidgets().contains(fuoco));
        QTest::keyClick(f.finestra.windowHandle(), Qt::Key_Right);
    }

    // A panel opened from a panel takes the keys from it, and gives them
    // back when it closes.
    void unPannelloSopraUnAltro()
    {
        Finestra f;
        Dialogo esterno;
        Dialogo interno;
        conPannello(esterno, &f.finestra, [&] {
            esterno.primo->setFocus();
            conPannello(interno, &f.finestra, [&] {
                QCOMPARE(pannelloAperto(), &interno);
                QCOMPARE(QApplication::focusWidget(), interno.ultimo);
                QVERIFY(copertoDaPannello(esterno.primo));
                esterno.primo->setFocus();
                QVERIFY(QApplication::focusWidget() != esterno.primo);
            });
            QCOMPARE(pannelloAperto(), &esterno);
            QCOMPARE(QApplication::focusWidget(), esterno.primo);
        });
        QCOMPARE(pannelloAperto(), nullptr);
    }

    // Over a full-screen window a dialog is a panel; over another window it
    // stays a window of its own.
    void soloSopraUnaFinestraATuttoSchermo()
    {
        Finestra f;
        Dialogo d;
        bool pannello = false;
        QTimer::singleShot(0, &d, [&] {
            pannello = !d.isWindow();
            d.accept();
        });
        QCOMPARE(eseguiSopra(d, &f.finestra), int(QDialog::Accepted));
        QVERIFY(pannello);

        f.finestra.showNormal();
        QVERIFY(!f.finestra.isFullScreen());
        Dialogo finestra;
        QTimer::singleShot(0, &finestra, [&] {
            pannello = !finestra.isWindow();
            finestra.reject();
        });
        QCOMPARE(eseguiSopra(finestra, &f.finestra), int(QDialog::Rejected));
        QVERIFY(!pannello);
    }
};

QTEST_MAIN(TestPannello)
#include "tst_pannello.moc"
