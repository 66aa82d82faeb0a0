// Latency of "Vero o falso" as a child meets it: from a key release on the
// key catcher to the repainted highlight, and from a next-item request to the
// repainted house and sentence. Prints milliseconds of our own work. Not a test.
//
// Two measures of each step:
// - the screen's path: the event handled, then the window's pending updates
//   served by the event loop, which paints only the dirty region and flushes
//   it to the window system (what a real screen does);
// - a full render of the whole window into an image (an upper bound).
// The screen's releases carry a keyboard's hardware code, as the window
// system's do: where the key filter must wait to tell a held key's repeats
// from a new stroke (no X server, or one that refuses detectable
// auto-repeat), that wait is counted.
//   build/bench_es1 [rounds] [accesso]            (offscreen)
//   tests/con-xvfb.sh --size=1920x1080 build/bench_es1   (a real X server)
// With "accesso" every switch-access option is on (acceptance 300 ms,
// debounce 500 ms, spoken names, a 12-pixel frame): each stroke is held past
// the acceptance time and the next comes after the debounce time; only the
// release to the highlight on screen is timed, as without the options.

#include "core/Modulo1.h"
#include "exercises/es1/FormEs1.h"
#include "framework/Pulsante.h"
#include "bench/Misure.h"
#include "tools/comune/AvvioStrumento.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int giri = argc > 1 ? atoi(argv[1]) : 200;
    const bool accesso = argc > 2 && QByteArray(argv[2]) == "accesso";
    AvvioStrumento avvio;
    if (!avvio.pronto())
        return 1;
    ripetizioniComeIlProgramma();
    Stato().imp.ModoInput = IngressoTastiera;
    Stato().imp.SuoniAttivi = false;
    if (accesso) {
        Stato().accesso.accettazioneMs = 300;
        Stato().accesso.antirimbalzoMs = 500;
        Stato().accesso.scansioneParlata = true;
        Stato().accesso.spessoreEvidenziazione = 12;
    }

    FormEs1 finestra;
    finestra.show();
    QTest::qWait(300);
    QWidget *ricevitore = finestra.findChild<QWidget *>(QStringLiteral("PictureScansioneManuale"));
    QImage tela(finestra.size(), QImage::Format_ARGB32_Premultiplied);
    ridisegna(finestra, tela); // warm the caches

    std::vector<double> tasto, tastoSoloGestione, nuovoItem, tastoSchermo, nuovoItemSchermo;
    QElapsedTimer t;
    // The screen's path: the handler, then the events the loop serves until
    // the changed controls have been painted (dirty region only) and flushed.
    Dipinti pulsante0, pulsante1, frase;
    finestra.Command1(0)->installEventFilter(&pulsante0);
    finestra.Command1(1)->installEventFilter(&pulsante1);
    finestra.Label1()->installEventFilter(&frase);
    for (int i = 0; i < giri; ++i) {
        QTest::qWait(1);
        if (accesso) {
            QTest::qWait(Stato().accesso.antirimbalzoMs);
            QTest::keyPress(ricevitore, Qt::Key_Right);
            QTest::qWait(Stato().accesso.accettazioneMs + 20);
        }
        t.start();
        rilascioDaTastiera(ricevitore, Qt::Key_Right);
        if (attendiDipinti({&pulsante0, &pulsante1}, {pulsante0.n, pulsante1.n}))
            tastoSchermo.push_back(t.nsecsElapsed() / 1e6);
    }
    if (accesso) {
        // The other measures send bare releases, which the acceptance time
        // (rightly) ignores.
        printf("window %dx%d on %s, every access option on\n", finestra.width(), finestra.height(),
               qPrintable(QGuiApplication::platformName()));
        stampa("key release -> highlight and frame on screen", tastoSchermo);
        return 0;
    }
    for (int i = 0; i < giri; ++i) {
        QTest::qWait(1);
        // Every fourth item paints a new house; the window paints all its
        // dirty controls in one pass, so the sentence's paint covers it.
        t.start();
        finestra.Command1_Click(2);
        if (attendiDipinti({&frase}, {frase.n}))
            nuovoItemSchermo.push_back(t.nsecsElapsed() / 1e6);
    }
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
    printf("window %dx%d on %s\n", finestra.width(), finestra.height(),
           qPrintable(QGuiApplication::platformName()));
    stampa("key release -> highlight on screen", tastoSchermo);
    stampa("next item -> house and sentence on screen", nuovoItemSchermo);
    stampa("key release -> highlight (handler only)", tastoSoloGestione);
    stampa("key release -> repainted window", tasto);
    stampa("next item -> repainted house and sentence", nuovoItem);
    return 0;
}
