// The progress history and window with a generated school year of daily
// play (some 2,000 segments): the cost of appending one segment (a
// transaction of its own, written through to the disk), the size of the
// year's file, and the time from creating the "Progressi" window to its
// charts and table painted. Wall and CPU time of this thread, in
// milliseconds. bench_progressi_pavimento does the same work with Qt alone
// (one bare table, one chart): bench/progressi.sh prints both. Not a test.
//   QT_QPA_PLATFORM=offscreen build/bench_progressi [rounds]

#include "StoriaGenerata.h"
#include "bench/Misure.h"
#include "core/Modulo1.h"
#include "core/StoriaProgressi.h"
#include "tools/comune/AvvioStrumento.h"
#include "users/FormProgressi.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QFileInfo>
#include <QTableWidget>

#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int giri = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    AvvioStrumento avvio;
    if (!avvio.pronto())
        return 1;
    StatoProgramma &stato = Stato();
    stato.imp.TracciaAttivita = true;
    const QString percorso = percorsoStoria(stato.UtenteCorrente);

    // A year appended one segment at a time, as the exercises do.
    const QList<SegmentoStoria> anno = annoGenerato(1);
    std::vector<double> muro, cpu;
    {
        StoriaProgressi storia(percorso);
        storia.apri();
        QElapsedTimer t;
        for (const SegmentoStoria &s : anno) {
            const double c0 = cpuMs();
            t.start();
            if (!storia.aggiungi(s)) {
                std::fprintf(stderr, "append failed\n");
                return 1;
            }
            muro.push_back(t.nsecsElapsed() / 1e6);
            cpu.push_back(cpuMs() - c0);
        }
    }
    std::printf("segments in the year: %lld\n", static_cast<long long>(anno.size()));
    stampa("append one segment, wall", muro);
    stampa("append one segment, CPU", cpu);
    qint64 byte = QFileInfo(percorso).size();
    for (const char *lato : {"-wal", "-shm", "-journal"})
        byte += QFileInfo(percorso + QLatin1String(lato)).size();
    std::printf("history file of the year: %.1f KB\n", byte / 1024.0);

    // The window opened on the year, "everything" shown, to its first paint.
    muro.clear();
    cpu.clear();
    for (int g = 0; g < giri; ++g) {
        const double c0 = cpuMs();
        QElapsedTimer t;
        t.start();
        auto *f = new FormProgressi;
        f->show();
        while (!f->attivata())
            QCoreApplication::processEvents();
        f->cboPeriodo()->setCurrentIndex(2);
        std::vector<Dipinti *> dipinti;
        std::vector<int> prima;
        DipintiFinestra d(*f);
        dipinti.push_back(&d);
        prima.push_back(d.n);
        f->repaint();
        attendiDipinti(dipinti, prima, 2000);
        muro.push_back(t.nsecsElapsed() / 1e6);
        cpu.push_back(cpuMs() - c0);
        delete f;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    stampa("open the window on the year, wall", muro);
    stampa("open the window on the year, CPU", cpu);
    return 0;
}
