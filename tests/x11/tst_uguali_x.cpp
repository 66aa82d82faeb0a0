#include "TestiItaliani.h"
#include "core/Casuale.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "exercises/uguali/FormEs3.h"
#include "exercises/uguali/FormEs8.h"
#include "framework/Cornice.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/Parole.h"

#include "Copione.h"
#include "SuoniFinti.h"
#include "TastiX11.h"
#include "TestPaths.h"
#include "framework/AgenteFinto.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

// The two "Uguali" windows on a real X server: the pointer clicks a painted
// part where the screen shows it, and a switch held down for a second
// (the keyboard repeats it) moves the highlight once.
class TestUgualiX : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_casa;
    std::unique_ptr<SuoniFinti> m_suoni;
    std::unique_ptr<Copione> m_fonte;

    template <typename Finestra>
    std::unique_ptr<Finestra> apri(int modo, const QList<double> &copione)
    {
        Stato().imp.ModoInput = static_cast<qint16>(modo);
        Stato().imp.VelocitaScansione = 60;
        m_fonte = std::make_unique<Copione>(copione);
        impostaFonteCasuale(m_fonte.get());
        auto f = std::make_unique<Finestra>();
        f->show();
        if (!QTest::qWaitForWindowExposed(f.get()) || !QTest::qWaitFor([&f] { return f->ShockwaveFlash2()->eCasa(); }))
            qWarning("the window did not open");
        QTest::qWait(300);
        return f;
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_casa.path().toUtf8());
        preparaTestiItaliani();
        ImpostazioniPredefinite(Stato().imp, QStringLiteral("{it}"));
        AgenteFinto::installa();
        m_suoni = std::make_unique<SuoniFinti>();
    }

    void cleanupTestCase()
    {
        m_suoni.reset();
        AgenteFinto::disinstalla();
        impostaFonteCasuale(nullptr);
    }

    // A real click on the door of the second house puts the door right.
    void clicRealeSullaParte()
    {
        const QList<double> r{colore(1), colore(2), colore(3), colore(4), colore(1), colore(2), bit(1), bit(0),
                              parte(Porta), colore(3)};
        auto f = apri<FormEs3>(IngressoMouse, r);
        const std::optional<QPoint> punto = f->ShockwaveFlash2()->puntoSullaParte(Porta);
        QVERIFY(punto);
        const QPoint schermo = f->ShockwaveFlash2()->mapToGlobal(*punto);
        TastiX11::puntaA(schermo);
        TastiX11::xdotool({QStringLiteral("click"), QStringLiteral("1")});
        QVERIFY(QTest::qWaitFor([&f] { return f->gioco().completo(); }, 3000));
        QCOMPARE(f->testoPannello(1), QStringLiteral("Esatti 1"));
        QCOMPARE(f->ShockwaveFlash2()->coloreElemento(QStringLiteral("porta.interno")), QColor(0x00FF00));
    }

    // Space held for a second in manual scanning moves the frame once.
    void sensoreTenutoPremuto()
    {
        const QList<double> r{colore(1), colore(2), colore(3), colore(4), colore(1), colore(2), bit(1), bit(0),
                              parte(Tetto), colore(4)};
        auto f = apri<FormEs8>(IngressoScansioneManuale, r);
        const QPoint centro = f->mapToGlobal(f->rect().center());
        TastiX11::puntaA(centro);
        f->activateWindow();
        QVERIFY(QTest::qWaitFor([&f] { return f->isActiveWindow(); }, 3000));
        f->scansione().Timer1_Timer(); // the catcher takes the focus
        QVERIFY(f->Shape1(0)->isVisible());
        TastiX11::tieni(QStringLiteral("space"), 1200);
        QVERIFY(QTest::qWaitFor([&f] { return f->Shape1(1)->isVisible(); }, 2000));
        QTest::qWait(200);
        QCOMPARE(f->scansione().Posizione(), 1);
        QVERIFY(!f->Shape1(0)->isVisible() && !f->Shape1(2)->isVisible());
    }
};

QTEST_MAIN(TestUgualiX)
#include "tst_uguali_x.moc"
