// Cost of "Insiemi" with both boxes full: twenty small houses and the house
// to sort on screen. Measures, in milliseconds of our own work (event
// handling plus rendering the window into an image):
//   - a right answer: the copy into its box and a new house to sort;
//   - a full repaint of the window;
//   - a key release on the key catcher -> the highlight moved and repainted.
// Not a test.
//   QT_QPA_PLATFORM=offscreen build/bench_es5 [rounds]

#include "core/Modulo1.h"
#include "exercises/es5/FormEs5.h"
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
    Stato().imp.ModoInput = IngressoTastiera;
    Stato().imp.SuoniAttivi = false;

    FormEs5 finestra;
    finestra.show();
    QTest::qWait(300);
    riempi(finestra, 0);
    QWidget *ricevitore = finestra.findChild<QWidget *>(QStringLiteral("PictureScansioneManuale"));
    QImage tela(finestra.size(), QImage::Format_ARGB32_Premultiplied);
    ridisegna(finestra, tela); // warm the caches

    std::vector<double> nuovaCasa, ridisegno, tasto, tastoSoloGestione, nuovaCasaCpu, ridisegnoCpu, tastoCpu;
    QElapsedTimer t;
    int giro = 0;
    while (int(nuovaCasa.size()) < giri) {
        if (finestra.esercizio().scatolaPiena()) {
            finestra.Command1_Click(Esercizio5::Avanti);
            riempi(finestra, ++giro);
            ridisegna(finestra, tela);
            continue;
        }
        // The scan on the right box, selected as Enter would.
        finestra.scansione().vaiA(finestra.esercizio().RispostaGiusta());
        t.start();
        const double c = cpuMs();
        finestra.scansione().seleziona();
        ridisegna(finestra, tela);
        if (!finestra.esercizio().scatolaPiena()) {
            nuovaCasa.push_back(t.nsecsElapsed() / 1e6);
            nuovaCasaCpu.push_back(cpuMs() - c);
        }
    }
    if (finestra.esercizio().scatolaPiena()) {
        finestra.Command1_Click(Esercizio5::Avanti);
        finestra.scansione().vaiA(0);
    }
    riempi(finestra, ++giro);
    for (int i = 0; i < giri; ++i) {
        t.start();
        const double c = cpuMs();
        ridisegna(finestra, tela);
        ridisegno.push_back(t.nsecsElapsed() / 1e6);
        ridisegnoCpu.push_back(cpuMs() - c);
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
    printf("window %dx%d, 20 small houses and the house to sort\n", finestra.width(), finestra.height());
    stampa("right answer -> copy + new house, repainted", nuovaCasa);
    stampa("full repaint of the window", ridisegno);
    stampa("key release -> highlight (handler only)", tastoSoloGestione);
    stampa("key release -> repainted window", tasto);
    stampa("right answer -> new house, CPU time", nuovaCasaCpu);
    stampa("full repaint, CPU time", ridisegnoCpu);
    stampa("key release -> repainted window, CPU time", tastoCpu);
    return 0;
}
