#include "TestiItaliani.h"
#include "exercises/es1/FormEs1.h"
#include "framework/Personaggio.h"
#include "framework/Pulsante.h"
#include "platform/AgenteQt.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/Parole.h"

#include "TastiX11.h"
#include "menu/AmbienteMenu.h"

#include <QFontMetrics>
#include <QLabel>
#include <QScreen>

// The speaking character on a real desktop: an X server with a window
// manager, which keeps full-screen windows above ordinary ones. The real
// character (not a recording fake) must be seen above "Vero o falso", its
// balloon must hold all its text without covering the house or the buttons,
// and the keys must still reach the exercise while it speaks.
class TestPersonaggioX11 : public QObject
{
    Q_OBJECT

private:
    AmbienteMenu m_ambiente;

    static QRect globale(const QWidget *w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

    // Pixels of the screen inside r that differ between two screenshots.
    static int diversi(const QImage &a, const QImage &b, const QRect &r)
    {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x)
                n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
        return n;
    }

    static QImage schermo()
    {
        QCoreApplication::processEvents();
        QTest::qWait(300); // the server has drawn what was asked
        return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "this test needs a real X server");
        preparaTestiItaliani();
    }

    void init()
    {
        m_ambiente.azzera();
        AgenteFinto::disinstalla(); // the real character
    }
    void cleanup() { m_ambiente.chiudiFinestre(); }

    void sopraLaFinestraAScermoIntero()
    {
        Impostazioni &imp = Stato().imp;
        imp.ModoInput = IngressoTastiera;
        imp.VoceAttiva = true;
        imp.FumettoVisibile = true;
        imp.FumettoContieneTesto = true;
        imp.VelocitaVoce = 80; // slow, so the balloon stays while the checks run
        auto *f = new FormEs1;
        f->setAttribute(Qt::WA_DeleteOnClose);
        f->show();
        QVERIFY(TastiX11::attiva(f));
        QTRY_VERIFY(!f->Label1()->text().isEmpty());
        auto *agente = qobject_cast<AgenteQt *>(f->personaggio());
        QVERIFY(agente);
        QWidget *figura = agente->finestraPersonaggio();
        FumettoPersonaggio *fumetto = agente->finestraFumetto();
        QTRY_VERIFY(figura->isVisible());

        // A long sentence, so that the balloon needs several lines.
        const QString frase = QStringLiteral("Il tetto non è rosso e le finestre sono verdi, la porta è gialla.");
        LeggiTesto(*agente, frase);
        QTRY_VERIFY(fumetto->isVisible());
        const QImage con = schermo();
        if (!qEnvironmentVariableIsEmpty("PINNOLE_SCHERMATA"))
            con.save(qEnvironmentVariable("PINNOLE_SCHERMATA"));
        QVERIFY(agente->Speaking());

        // The character and its balloon are on the screen: hiding the
        // character changes the pixels where it stands, and the balloon's
        // pale fill is there.
        const QRect rFigura = globale(figura);
        const QRect rFumetto = globale(fumetto);
        figura->hide();
        const QImage senza = schermo();
        figura->show();
        QVERIFY2(diversi(con, senza, rFigura) > rFigura.width() * rFigura.height() / 10, "the character is not seen");
        int fondo = 0;
        for (int y = rFumetto.top(); y <= rFumetto.bottom(); ++y) {
            for (int x = rFumetto.left(); x <= rFumetto.right(); ++x)
                fondo += con.pixel(x, y) == qRgb(255, 255, 246) ? 1 : 0;
        }
        QVERIFY2(fondo > rFumetto.width() * rFumetto.height() / 3, "the balloon is not seen");

        // Neither covers the house or the buttons, and the balloon holds the
        // whole text inside its outline.
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!rFigura.intersects(globale(f->Command1(i))));
            QVERIFY(!rFumetto.intersects(globale(f->Command1(i))));
        }
        QVERIFY(!rFigura.intersects(globale(f->ShockwaveFlash1())));
        QVERIFY(!rFumetto.intersects(globale(f->ShockwaveFlash1())));
        QVERIFY(f->rect().contains(QRect(f->mapFromGlobal(rFumetto.topLeft()), rFumetto.size())));
        QTRY_COMPARE_WITH_TIMEOUT(fumetto->righeVisibili().join(QLatin1Char(' ')), frase, 15000);
        const QFontMetrics metrica(fumetto->carattere());
        QVERIFY(fumetto->righeVisibili().size() >= 2);
        QVERIFY(fumetto->righeVisibili().size() * metrica.lineSpacing() <= fumetto->areaTesto().height());
        for (const QString &riga : fumetto->righeVisibili())
            QVERIFY2(metrica.horizontalAdvance(riga) <= fumetto->areaTesto().width(), qPrintable(riga));
        QVERIFY(fumetto->rect().contains(fumetto->areaTesto()));

        // The keys still reach the exercise while the character speaks.
        LeggiTesto(*agente, frase);
        QTRY_VERIFY(agente->Speaking());
        QCOMPARE(f->scansione().Posizione(), 0);
        TastiX11::premi(QStringLiteral("Right"));
        QTRY_COMPARE(f->scansione().Posizione(), 1);
        QVERIFY(agente->Speaking());
        QVERIFY(!figura->hasFocus() && !fumetto->hasFocus());
    }
};

QTEST_MAIN(TestPersonaggioX11)
#include "tst_personaggio_x11.moc"
