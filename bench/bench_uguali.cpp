// Latency of the two-house exercises ("Uguale - diverso", "Uguali - 1°",
// "Uguali - 2°") as a child meets it: from a new-item request to both houses
// repainted, and from a key release on the key catcher to the repainted
// highlight (the part frame, the next answer button, or the coloured outline
// of a part inside the second house). Prints milliseconds of our own work:
// event handling plus rendering into an image what the next paint redraws.
// Not a test.
//   QT_QPA_PLATFORM=offscreen build/bench_uguali [rounds]
// Under a real display of the wanted size (xvfb-run -s "-screen 0 1920x1080x24")
// the windows are measured at that size.

#include "core/Modulo1.h"
#include "exercises/es2/FormEs2.h"
#include "exercises/uguali/FormEs3.h"
#include "exercises/uguali/FormEs8.h"
#include "framework/Pulsante.h"
#include "platform/ShockwaveFlash.h"
#include "tools/comune/AvvioStrumento.h"

#include <QApplication>
#include <QList>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

void disegna(QWidget &w, QImage &tela)
{
    QPainter p(&tela);
    w.render(&p);
}

void stampa(const QString &nome, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    printf("%-58s min %6.3f  median %6.3f  worst %6.3f ms (%zu rounds)\n", qPrintable(nome), ms.front(),
           ms[ms.size() / 2], ms.back(), ms.size());
}

// One window: a new item repaints both houses (every item for the "Uguali"
// windows, every fourth for "Uguale - diverso", whose other items repaint
// the sentence and the buttons only: both are measured separately); a key
// release moves the highlight and the window is rendered again.
void misura(const QString &nome, FinestraEsercizio &finestra, ShockwaveFlash *casa1, ShockwaveFlash *casa2,
            const std::function<void()> &nuovoItem, const std::function<bool()> &caseNuove,
            const QList<QWidget *> &evidenziati, int giri)
{
    finestra.show();
    QTest::qWait(300);
    QWidget *ricevitore = finestra.findChild<QWidget *>(QStringLiteral("PictureScansioneManuale"));
    QImage tela(finestra.size(), QImage::Format_ARGB32_Premultiplied);
    QImage tela1(casa1->size(), QImage::Format_ARGB32_Premultiplied);
    QImage tela2(casa2->size(), QImage::Format_ARGB32_Premultiplied);
    disegna(finestra, tela); // warm the caches

    std::vector<double> case_, soloFrase, tasto, tastoGestione, tastoControlli;
    std::vector<QImage> tele;
    for (QWidget *w : evidenziati)
        tele.emplace_back(w->size(), QImage::Format_ARGB32_Premultiplied);
    QElapsedTimer t;
    for (int i = 0; i < giri; ++i) {
        t.start();
        nuovoItem();
        disegna(*casa1, tela1);
        disegna(*casa2, tela2);
        (caseNuove() ? case_ : soloFrase).push_back(t.nsecsElapsed() / 1e6);
    }
    for (int i = 0; i < giri; ++i) {
        t.start();
        QTest::keyRelease(ricevitore, Qt::Key_Right);
        const qint64 gestione = t.nsecsElapsed();
        for (int k = 0; k < evidenziati.size(); ++k)
            disegna(*evidenziati[k], tele[size_t(k)]);
        tastoControlli.push_back(t.nsecsElapsed() / 1e6);
        tastoGestione.push_back(gestione / 1e6);
    }
    for (int i = 0; i < giri; ++i) {
        t.start();
        QTest::keyRelease(ricevitore, Qt::Key_Right);
        disegna(finestra, tela);
        tasto.push_back(t.nsecsElapsed() / 1e6);
    }
    printf("%s: window %dx%d, house %dx%d\n", qPrintable(nome), finestra.width(), finestra.height(), casa1->width(),
           casa1->height());
    stampa(nome + QStringLiteral(" new item -> both houses repainted"), case_);
    if (!soloFrase.empty())
        stampa(nome + QStringLiteral(" new item, same houses -> houses drawn"), soloFrase);
    stampa(nome + QStringLiteral(" key release -> highlight (handler only)"), tastoGestione);
    stampa(nome + QStringLiteral(" key release -> highlighted controls repainted"), tastoControlli);
    stampa(nome + QStringLiteral(" key release -> whole window repainted"), tasto);
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
