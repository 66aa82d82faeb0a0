#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "framework/ControlloScansione.h"
#include "framework/Pulsante.h"
#include "menu/Form1.h"
#include "printing/FiguraStampabile.h"
#include "printing/frmStampa.h"

#include "MessaggiFinti.h"
#include "StampantiFinte.h"
#include "TestPaths.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>

// The picture for colouring as a child uses it: mouse, keyboard or switches.
class TestForm1 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StampantiFinte> m_stampanti;
    std::unique_ptr<MessaggiFinti> m_messaggi;

    QWidget *ricevitore(Form1 &f, const char *nome) { return f.findChild<QWidget *>(QLatin1String(nome)); }

    // Prints from the print window as soon as it shows.
    void stampaQuandoAperta(QTimer &guida)
    {
        guida.setInterval(10);
        connect(&guida, &QTimer::timeout, this, [&guida] {
            frmStampa &s = frmStampa::istanza();
            if (s.isVisible()) {
                guida.stop();
                s.cmdStampa_Click();
            }
        });
        guida.start();
    }

private slots:
    void initTestCase()
    {
        Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_PROGRAM_DIR));
        LinguaCorrente() = QStringLiteral("Italiano");
    }

    void init()
    {
        ImpostazioniPredefinite(Stato().imp, QStringLiteral("{it}"));
        m_stampanti = std::make_unique<StampantiFinte>();
        m_messaggi = std::make_unique<MessaggiFinti>();
        frmStampa::istanza().dimentica();
    }

    void cleanup()
    {
        m_messaggi.reset();
        m_stampanti.reset();
    }

    void quattroDisegni()
    {
        Form1 f;
        QCOMPARE(f.Label1()->text(), QStringLiteral("Clicca sulla pinnola che vuoi stampare"));
        for (int i = 0; i < Form1::kFigure; ++i) {
            QVERIFY2(f.Picture1(i)->valida(), qPrintable(Form1::fileFigura(i)));
            QCOMPARE(f.Picture1(i)->toolTip(), QStringLiteral("Stampa questa pinnola"));
        }
        QCOMPARE(f.Command1()->text(), QStringLiteral("Esci"));
    }

    // A click prints the drawing with the fixed values; the window stays.
    void clicStampa()
    {
        Form1 f;
        f.show();
        QTimer guida;
        stampaQuandoAperta(guida);
        QTest::mouseClick(f.Picture1(3), Qt::LeftButton);
        QCOMPARE(m_stampanti->lavori.size(), 1);
        const StampantiFinte::Lavoro &l = m_stampanti->lavori.first();
        QCOMPARE(l.rettangolo, (RettangoloMm{10, 10, 100, 100}));
        QCOMPARE(l.impostazioni.orientamento, 1);
        QCOMPARE(l.titolo, QString());
        QCOMPARE(l.dimensione, f.Picture1(3)->size());
        QVERIFY(f.isVisible());
        f.mnuesci()->trigger();
        QVERIFY(!f.isVisible());
    }

    // Keyboard: the arrows go round the drawings and "Esci"; Enter chooses.
    void tastiera()
    {
        Stato().imp.ModoInput = IngressoTastiera;
        Form1 f;
        f.show();
        QVERIFY(f.Picture1(0)->evidenziato());
        QWidget *tasti = ricevitore(f, "PictureScansioneManuale");
        QTest::keyRelease(tasti, Qt::Key_Right);
        QVERIFY(!f.Picture1(0)->evidenziato());
        QVERIFY(f.Picture1(1)->evidenziato());
        QTest::keyRelease(tasti, Qt::Key_Left);
        QTest::keyRelease(tasti, Qt::Key_Left);
        QVERIFY(f.Command1()->evidenziato());
        // A mouse click counts for nothing while the keys are in use.
        QTest::mouseClick(f.Picture1(2), Qt::LeftButton);
        QVERIFY(m_stampanti->lavori.isEmpty());
        QTest::keyRelease(tasti, Qt::Key_Return);
        QVERIFY(!f.isVisible());
        QCOMPARE(f.result(), int(QDialog::Accepted));
    }

    // One switch: the highlight moves by itself, holds while the switch is
    // held (for seconds, repeating), and the release chooses.
    void unSensore()
    {
        Stato().imp.ModoInput = IngressoScansioneAutomatica;
        Stato().imp.VelocitaScansione = 60;
        Form1 f;
        f.show();
        f.scansione().Timer1_Timer();
        f.scansione().Timer1_Timer();
        QVERIFY(f.Picture1(2)->evidenziato());
        QWidget *sensore = ricevitore(f, "PictureScansioneAutomatica");
        QTest::keyPress(sensore, Qt::Key_Space);
        QVERIFY(!f.scansione().Timer1()->isActive());
        for (int i = 0; i < 5; ++i) {
            QKeyEvent ripetuto(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
            QApplication::sendEvent(sensore, &ripetuto);
        }
        QVERIFY(!f.scansione().Timer1()->isActive());
        QVERIFY(f.Picture1(2)->evidenziato());
        QTimer guida;
        stampaQuandoAperta(guida);
        QTest::keyRelease(sensore, Qt::Key_Space);
        QCOMPARE(m_stampanti->lavori.size(), 1);
        QCOMPARE(m_stampanti->lavori.first().dimensione, f.Picture1(2)->size());
        QVERIFY(f.isVisible());
        QVERIFY(f.scansione().Timer1()->isActive());
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestForm1 t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_form1.moc"
