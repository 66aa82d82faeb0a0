// Latency of "Trova gli intrusi" and "Indovina chi?" at level 5, twelve
// houses, as a child meets it:
//  - a new item: from the next-item request to the houses painted, the
//    sentences written and the window repainted, without the one-second
//    pause the exercise takes on purpose after loading the houses;
//  - a key: from the release of an arrow on the key catcher to the highlight
//    frame repainted.
// "repainted" is the paint Qt does of what changed (the posted update
// request served); "whole window" renders every control into an image, the
// most a repaint could cost. Prints milliseconds of our own work: the CPU
// time of the program's thread, so other programs sharing the machine do not
// count. Not a test.
//   QT_QPA_PLATFORM=offscreen build/bench_es67 [rounds] [width height]

#include "core/Modulo1.h"
#include "exercises/es6/FormEs6.h"
#include "exercises/es7/FormEs7.h"
#include "tools/comune/AvvioStrumento.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <ctime>
#include <memory>
#include <vector>

namespace {

// CPU time of this thread.
class Cronometro
{
public:
    void start() { m_inizio = adesso(); }
    double nsecsElapsed() const { return adesso() - m_inizio; }

private:
    static double adesso()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
    }
    double m_inizio = 0;
};

void ridisegnaTutto(QWidget &finestra, QImage &tela)
{
    QPainter p(&tela);
    finestra.render(&p);
}

// Serves the pending paint of what changed, as the event loop would next.
void ridisegnaCambiato()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
}

void stampa(const char *finestra, const char *nome, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    printf("%-8s %-44s median %7.3f  p90 %7.3f  max %7.3f ms (%zu rounds)\n", finestra, nome, ms[ms.size() / 2],
           ms[ms.size() * 9 / 10], ms.back(), ms.size());
}

template <typename Finestra>
void misura(const char *nome, int giri)
{
    std::vector<double> nuovo, nuovoTutto, tastoGestione, tasto, tastoTutto;
    Cronometro t;

    // New items, with the mouse: the next-item button's click.
    Stato().imp.ModoInput = IngressoMouse;
    {
        Finestra finestra;
        finestra.impostaAttesa([](double) {});
        finestra.show();
        QTest::qWait(300);
        finestra.mnuLiv_Click(5);
        QTest::qWait(100);
        QImage tela(finestra.size(), QImage::Format_ARGB32_Premultiplied);
        ridisegnaTutto(finestra, tela); // warm the caches
        for (int i = 0; i < giri; ++i) {
            t.start();
            finestra.Command1_Click(0);
            nuovo.push_back(t.nsecsElapsed() / 1e6);
            t.start();
            ridisegnaTutto(finestra, tela);
            nuovoTutto.push_back(nuovo.back() + t.nsecsElapsed() / 1e6);
        }
        printf("%s window %dx%d\n", nome, finestra.width(), finestra.height());
    }

    // Keys, in keyboard mode: Right and Down released in turn.
    Stato().imp.ModoInput = IngressoTastiera;
    {
        Finestra finestra;
        finestra.impostaAttesa([](double) {});
        finestra.show();
        QTest::qWait(300);
        finestra.mnuLiv_Click(5);
        QTest::qWait(100);
        QWidget *ricevitore = finestra.template findChild<QWidget *>(QStringLiteral("PictureScansioneManuale"));
        QImage tela(finestra.size(), QImage::Format_ARGB32_Premultiplied);
        ridisegnaTutto(finestra, tela);
        for (int i = 0; i < giri; ++i) {
            const Qt::Key k = i % 3 == 2 ? Qt::Key_Down : Qt::Key_Right;
            t.start();
            QTest::keyRelease(ricevitore, k);
            tastoGestione.push_back(t.nsecsElapsed() / 1e6);
            ridisegnaCambiato();
            tasto.push_back(t.nsecsElapsed() / 1e6);
            t.start();
            ridisegnaTutto(finestra, tela);
            tastoTutto.push_back(tasto.back() + t.nsecsElapsed() / 1e6);
        }
    }
    stampa(nome, "next item (handler only)", nuovo);
    stampa(nome, "next item -> whole window rendered", nuovoTutto);
    stampa(nome, "key release -> highlight (handler only)", tastoGestione);
    stampa(nome, "key release -> highlight frame repainted", tasto);
    stampa(nome, "key release -> whole window rendered", tastoTutto);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int giri = argc > 1 ? atoi(argv[1]) : 200;
    AvvioStrumento avvio;
    if (!avvio.pronto())
        return 1;
    Stato().imp.SuoniAttivi = false;
    Stato().imp.VoceAttiva = false;
    misura<FormEs6>("FormEs6", giri);
    misura<FormEs7>("FormEs7", giri);
    return 0;
}
