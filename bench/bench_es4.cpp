// Latency of "Colora la pinnola" under scanning, in milliseconds of our own
// work (event handling plus rendering the window into an image):
//   - one colour step on the part of the sentence (the scanning timer's tick);
//   - a key release on the key catcher -> the next colour painted.
// Not a test.
//   QT_QPA_PLATFORM=offscreen build/bench_es4 [rounds]

#include "core/Modulo1.h"
#include "exercises/es4/FormEs4.h"
#include "bench/Misure.h"
#include "tools/comune/AvvioStrumento.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <ctime>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int giri = argc > 1 ? atoi(argv[1]) : 200;
    AvvioStrumento avvio;
    if (!avvio.pronto())
        return 1;
    Stato().imp.ModoInput = IngressoTastiera;
    Stato().imp.SuoniAttivi = false;

    FormEs4 finestra;
    finestra.show();
    QTest::qWait(300);
    QWidget *ricevitore = finestra.findChild<QWidget *>(QStringLiteral("PictureScansioneManuale"));
    QImage tela(finestra.size(), QImage::Format_ARGB32_Premultiplied);
    ridisegna(finestra, tela); // warm the caches

    std::vector<double> passo, tasto, tastoSoloGestione, passoCpu, tastoCpu;
    QElapsedTimer t;
    for (int i = 0; i < giri; ++i) {
        t.start();
        const double c = cpuMs();
        finestra.scansione().avanti(); // what the timer's tick does in automatic scanning
        ridisegna(finestra, tela);
        passo.push_back(t.nsecsElapsed() / 1e6);
        passoCpu.push_back(cpuMs() - c);
    }
    for (int i = 0; i < giri; ++i) {
        t.start();
        const double c = cpuMs();
        QTest::keyRelease(ricevitore, Qt::Key_Right);
        const qint64 gestione = t.nsecsElapsed();
        ridisegna(finestra, tela);
        tasto.push_back(t.nsecsElapsed() / 1e6);
        tastoCpu.push_back(cpuMs() - c);
        tastoSoloGestione.push_back(gestione / 1e6);
    }
    printf("window %dx%d\n", finestra.width(), finestra.height());
    stampa("one colour step -> repainted window", passo);
    stampa("key release -> colour step (handler only)", tastoSoloGestione);
    stampa("key release -> repainted window", tasto);
    stampa("one colour step, CPU time", passoCpu);
    stampa("key release -> repainted window, CPU time", tastoCpu);
    return 0;
}
