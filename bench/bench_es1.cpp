// Latency of "Vero o falso" as a child meets it: from a key release on the
// key catcher to the repainted highlight, and from a next-item request to the
// repainted house and sentence. Prints milliseconds of our own work (event
// handling plus rendering the window into an image). Not a test.
//   QT_QPA_PLATFORM=offscreen build/bench_es1 [rounds]

#include "core/Modulo1.h"
#include "exercises/es1/FormEs1.h"
#include "tools/comune/AvvioStrumento.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

// Renders the whole window, as the next paint would.
void ridisegna(QWidget &finestra, QImage &tela)
{
    QPainter p(&tela);
    finestra.render(&p);
}

void stampa(const char *nome, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    printf("%-40s min %6.3f  median %6.3f  max %6.3f ms (%zu rounds)\n", nome, ms.front(), ms[ms.size() / 2],
           ms.back(), ms.size());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int giri = argc > 1 ? atoi(argv[1]) : 200;
    AvvioStrumento avvio;
    if (!avvio.pronto())
        return 1;
    Stato().imp.ModoInput = IngressoTastiera;
    Stato().imp.SuoniAttivi = false;

    FormEs1 finestra;
    finestra.show();
    QTest::qWait(300);
    QWidget *ricevitore = finestra.findChild<QWidget *>(QStringLiteral("PictureScansioneManuale"));
    QImage tela(finestra.size(), QImage::Format_ARGB32_Premultiplied);
    ridisegna(finestra, tela); // warm the caches

    std::vector<double> tasto, tastoSoloGestione, nuovoItem;
    QElapsedTimer t;
    for (int i = 0; i < giri; ++i) {
        t.start();
        QTest::keyRelease(ricevitore, Qt::Key_Right);
        const qint64 gestione = t.nsecsElapsed();
        ridisegna(finestra, tela);
        tasto.push_back(t.nsecsElapsed() / 1e6);
        tastoSoloGestione.push_back(gestione / 1e6);
    }
    for (int i = 0; i < giri; ++i) {
        // Every fourth item paints a new house: the measure includes them.
        t.start();
        finestra.Command1_Click(2);
        ridisegna(finestra, tela);
        nuovoItem.push_back(t.nsecsElapsed() / 1e6);
    }
    printf("window %dx%d\n", finestra.width(), finestra.height());
    stampa("key release -> highlight (handler only)", tastoSoloGestione);
    stampa("key release -> repainted window", tasto);
    stampa("next item -> repainted house and sentence", nuovoItem);
    return 0;
}
