// Latency of the two-house exercises ("Uguale - diverso", "Uguali - 1°",
// "Uguali - 2°") as a child meets it, as the screen shows it: from a
// new-item request to both houses painted and flushed, and from a key
// release on the key catcher to the highlight painted and flushed (the part
// frame, the next answer button, or the coloured outline of a part inside
// the second house). The release carries a keyboard's hardware code, so a
// wait of the key filter for a held key's repeats is counted where it is in
// force (no X server, or one that refuses detectable auto-repeat). Wall and
// CPU time of this thread, in milliseconds. Not a test.
//   QT_QPA_PLATFORM=offscreen build/bench_uguali [rounds]
//   tests/con-xvfb.sh --size=1920x1080 build/bench_uguali [rounds]   (a real X server)

#include "core/Modulo1.h"
#include "exercises/es2/FormEs2.h"
#include "exercises/uguali/FormEs3.h"
#include "exercises/uguali/FormEs8.h"
#include "framework/Pulsante.h"
#include "platform/ShockwaveFlash.h"
#include "bench/Misure.h"
#include "tools/comune/AvvioStrumento.h"

#include <QApplication>
#include <QList>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

void stampa(const QString &nome, const std::vector<double> &ms)
{
    ::stampa(qPrintable(nome), ms);
}

// One window: a new item repaints both houses (every item for the "Uguali"
// windows, every fourth for "Uguale - diverso", whose other items repaint
// the sentence and the buttons only: only items with new houses count); a
// key release moves the highlight.
void misura(const QString &nome, FinestraEsercizio &finestra, ShockwaveFlash *casa1, ShockwaveFlash *casa2,
            const std::function<void()> &nuovoItem, const std::function<bool()> &caseNuove,
            const QList<QWidget *> &evidenziati, int giri)
{
    finestra.show();
    QTest::qWait(300);
    QWidget *ricevitore = finestra.findChild<QWidget *>(QStringLiteral("PictureScansioneManuale"));
    Dipinti dipinti1, dipinti2;
    casa1->installEventFilter(&dipinti1);
    casa2->installEventFilter(&dipinti2);
    std::vector<Dipinti> dipintiEvidenziati(size_t(evidenziati.size()));
    std::vector<Dipinti *> osservati;
    for (int k = 0; k < evidenziati.size(); ++k) {
        evidenziati[k]->installEventFilter(&dipintiEvidenziati[size_t(k)]);
        osservati.push_back(&dipintiEvidenziati[size_t(k)]);
    }
    const auto conti = [&osservati] {
        std::vector<int> n;
        for (const Dipinti *d : osservati)
            n.push_back(d->n);
        return n;
    };

    std::vector<double> case_, caseCpu, tasto, tastoCpu;
    QElapsedTimer t;
    for (int i = 0; i < giri; ++i) {
        QTest::qWait(1);
        t.start();
        const double c = cpuMs();
        nuovoItem();
        const bool nuove = caseNuove();
        if (attendiDipinti({&dipinti1, &dipinti2}, {dipinti1.n, dipinti2.n}) && nuove) {
            case_.push_back(t.nsecsElapsed() / 1e6);
            caseCpu.push_back(cpuMs() - c);
        }
    }
    for (int i = 0; i < giri; ++i) {
        QTest::qWait(1);
        const std::vector<int> prima = conti();
        t.start();
        const double c = cpuMs();
        rilascioDaTastiera(ricevitore, Qt::Key_Right);
        // The highlight reaches at least one of the watched controls.
        QElapsedTimer limite;
        limite.start();
        QTimer sveglia;
        sveglia.start(201);
        bool dipinto = false;
        while (!dipinto && limite.elapsed() < 200) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            const std::vector<int> ora = conti();
            for (size_t k = 0; k < ora.size(); ++k)
                dipinto = dipinto || ora[k] > prima[k];
        }
        if (dipinto) {
            tasto.push_back(t.nsecsElapsed() / 1e6);
            tastoCpu.push_back(cpuMs() - c);
        }
    }
    printf("%s: window %dx%d on %s, house %dx%d\n", qPrintable(nome), finestra.width(), finestra.height(),
           qPrintable(QGuiApplication::platformName()), casa1->width(), casa1->height());
    if (!case_.empty()) {
        stampa(nome + QStringLiteral(" new item -> both houses on screen"), case_);
        stampa(nome + QStringLiteral(" new item -> both houses on screen, CPU"), caseCpu);
    }
    if (!tasto.empty()) {
        stampa(nome + QStringLiteral(" key release -> highlight on screen"), tasto);
        stampa(nome + QStringLiteral(" key release -> highlight on screen, CPU"), tastoCpu);
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
    {
        FormEs2 f;
        misura(QStringLiteral("FormEs2"), f, f.ShockwaveFlash1(), f.ShockwaveFlash2(),
               [&f] { f.Command1_Click(2); }, [&f] { return f.esercizio().coppiaNuova(); },
               {f.Command1(0), f.Command1(1)}, giri);
    }
    {
        FormEs8 f;
        // The frames of the strip.
        misura(QStringLiteral("FormEs8"), f, f.ShockwaveFlash1(), f.ShockwaveFlash2(), [&f] { f.Command1_Click(0); },
               [] { return true; }, {f.Picture1()}, giri);
    }
    {
        FormEs3 f;
        // The part outline inside the second house.
        misura(QStringLiteral("FormEs3"), f, f.ShockwaveFlash1(), f.ShockwaveFlash2(), [&f] { f.Command1_Click(0); },
               [] { return true; }, {f.ShockwaveFlash2()}, giri);
    }
    return 0;
}
