// Cost of "Insiemi" with both boxes full (twenty small houses and the
// house to sort), as the screen shows it, in milliseconds of wall and CPU
// time of this thread:
//   - a right answer -> the copy into its box and a new house to sort,
//     painted and flushed;
//   - a key release on the key catcher -> the highlight moved, painted and
//     flushed. The release carries a keyboard's hardware code, so a wait of
//     the key filter for a held key's repeats is counted where it is in force
//     (no X server, or one that refuses detectable auto-repeat).
// Not a test.
//   QT_QPA_PLATFORM=offscreen build/bench_es5 [rounds]
//   tests/con-xvfb.sh --size=1920x1080 build/bench_es5 [rounds]   (a real X server)

#include "core/Modulo1.h"
#include "exercises/es5/FormEs5.h"
#include "framework/Pulsante.h"
#include "platform/ShockwaveFlash.h"
#include "bench/Misure.h"
#include "tools/comune/AvvioStrumento.h"
#include "vocabulary/ElementiCasa.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <ctime>
#include <vector>

namespace {

// Every small house shown, in colours of its own: both boxes full.
void riempi(FormEs5 &f, int giro)
{
    static const char *const colori[] = {"00FF00", "FF0000", "0000FF", "FFFF00"};
    for (int i = 0; i < 20; ++i) {
        ShockwaveFlash *c = i < 10 ? f.ShockwaveFlash2(i) : f.ShockwaveFlash3(i - 10);
        for (int p = 1; p <= 6; ++p) {
            c->SetVariable(QStringLiteral("QualeOggetto"), ElementiCasa::idInterno(p));
            c->SetVariable(QStringLiteral("TestoColore.QualeColore"), QLatin1String(colori[(i + p + giro) % 4]));
        }
        c->TSetProperty(QStringLiteral("fumo"), 7, QString::number((i + giro) % 2));
        c->show();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int giri = argc > 1 ? atoi(argv[1]) : 200;
    AvvioStrumento avvio;
    if (!avvio.pronto())
        return 1;
    ripetizioniComeIlProgramma();
    Stato().imp.ModoInput = IngressoTastiera;
    Stato().imp.SuoniAttivi = false;

    FormEs5 finestra;
    finestra.show();
    QTest::qWait(300);
    riempi(finestra, 0);
    QWidget *ricevitore = finestra.findChild<QWidget *>(QStringLiteral("PictureScansioneManuale"));
    DipintiFinestra dipinti(finestra);
    attendiDipinti({&dipinti}, {dipinti.n});

    std::vector<double> nuovaCasa, tasto, nuovaCasaCpu, tastoCpu;
    QElapsedTimer t;
    int giro = 0;
    while (int(nuovaCasa.size()) < giri) {
        if (finestra.esercizio().scatolaPiena()) {
            finestra.Command1_Click(Esercizio5::Avanti);
            riempi(finestra, ++giro);
            attendiDipinti({&dipinti}, {dipinti.n});
            continue;
        }
        // The scan on the right box, selected as Enter would.
        finestra.scansione().vaiA(finestra.esercizio().RispostaGiusta());
        attendiDipinti({&dipinti}, {dipinti.n});
        QTest::qWait(1);
        t.start();
        const double c = cpuMs();
        finestra.scansione().seleziona();
        const bool dipinto = attendiDipinti({&dipinti}, {dipinti.n});
        if (dipinto && !finestra.esercizio().scatolaPiena()) {
            nuovaCasa.push_back(t.nsecsElapsed() / 1e6);
            nuovaCasaCpu.push_back(cpuMs() - c);
        }
    }
    if (finestra.esercizio().scatolaPiena()) {
        finestra.Command1_Click(Esercizio5::Avanti);
        finestra.scansione().vaiA(0);
    }
    riempi(finestra, ++giro);
    attendiDipinti({&dipinti}, {dipinti.n});
    // The highlight moves over the window's buttons.
    Dipinti pulsanti;
    for (int i = 0; i < 3; ++i)
        finestra.Command1(i)->installEventFilter(&pulsanti);
    for (int i = 0; i < giri; ++i) {
        QTest::qWait(1);
        t.start();
        const double c = cpuMs();
        rilascioDaTastiera(ricevitore, Qt::Key_Right);
        if (attendiDipinti({&pulsanti}, {pulsanti.n})) {
            tasto.push_back(t.nsecsElapsed() / 1e6);
            tastoCpu.push_back(cpuMs() - c);
        }
    }
    printf("window %dx%d on %s, 20 small houses and the house to sort\n", finestra.width(), finestra.height(),
           qPrintable(QGuiApplication::platformName()));
    stampa("right answer -> copy + new house on screen", nuovaCasa);
    stampa("right answer -> copy + new house on screen, CPU", nuovaCasaCpu);
    stampa("key release -> highlight on screen", tasto);
    stampa("key release -> highlight on screen, CPU", tastoCpu);
    return 0;
}
