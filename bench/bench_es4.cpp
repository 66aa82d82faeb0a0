// Latency of "Colora la pinnola" under scanning, as the screen shows it:
//   - one colour step on the part of the sentence (the scanning timer's
//     tick) -> the house painted and flushed;
//   - a key release on the key catcher -> the next colour painted and
//     flushed. The release carries a keyboard's hardware code, so a wait of
//     the key filter for a held key's repeats is counted where it is in force
//     (no X server, or one that refuses detectable auto-repeat).
// Wall and CPU time of this thread, in milliseconds. Not a test.
//   QT_QPA_PLATFORM=offscreen build/bench_es4 [rounds]
//   tests/con-xvfb.sh --size=1920x1080 build/bench_es4 [rounds]   (a real X server)

#include "core/Modulo1.h"
#include "exercises/es4/FormEs4.h"
#include "platform/ShockwaveFlash.h"
#include "bench/Misure.h"
#include "tools/comune/AvvioStrumento.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <vector>

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

    FormEs4 finestra;
    finestra.show();
    QTest::qWait(300);
    QWidget *ricevitore = finestra.findChild<QWidget *>(QStringLiteral("PictureScansioneManuale"));
    Dipinti casa;
    finestra.ShockwaveFlash1()->installEventFilter(&casa);

    std::vector<double> passo, tasto, passoCpu, tastoCpu;
    QElapsedTimer t;
    for (int i = 0; i < giri; ++i) {
        QTest::qWait(1);
        t.start();
        const double c = cpuMs();
        finestra.scansione().avanti(); // what the timer's tick does in automatic scanning
        if (attendiDipinti({&casa}, {casa.n})) {
            passo.push_back(t.nsecsElapsed() / 1e6);
            passoCpu.push_back(cpuMs() - c);
        }
    }
    for (int i = 0; i < giri; ++i) {
        QTest::qWait(1);
        t.start();
        const double c = cpuMs();
        rilascioDaTastiera(ricevitore, Qt::Key_Right);
        if (attendiDipinti({&casa}, {casa.n})) {
            tasto.push_back(t.nsecsElapsed() / 1e6);
            tastoCpu.push_back(cpuMs() - c);
        }
    }
    printf("window %dx%d on %s\n", finestra.width(), finestra.height(), qPrintable(QGuiApplication::platformName()));
    stampa("one colour step -> house on screen", passo);
    stampa("one colour step -> house on screen, CPU time", passoCpu);
    stampa("key release -> colour on screen", tasto);
    stampa("key release -> colour on screen, CPU time", tastoCpu);
    return 0;
}
