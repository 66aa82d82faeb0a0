#pragma once

// Small measuring helpers shared by the benchmarks.

#include "framework/TastiTenuti.h"
#include "platform/RipetizioneTasti.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

// Renders the whole window into an image, as a full repaint would.
inline void ridisegna(QWidget &finestra, QImage &tela)
{
    QPainter p(&tela);
    finestra.render(&p);
}

// CPU time of this thread: on a machine shared with other work the wall
// clock also counts the time others ran; this is our own work alone.
inline double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// One line: the minimum, median and maximum of the times in ms.
inline void stampa(const char *nome, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-46s min %6.3f  median %6.3f  max %6.3f ms (%zu rounds)\n", nome, ms.front(),
                ms[ms.size() / 2], ms.back(), ms.size());
}

// A held key's repeats as the program's start-up sets them: presses alone
// where the X server grants it (a release acts at once), release and press
// pairs elsewhere (a release waits to see whether a repeat follows).
inline void ripetizioniComeIlProgramma()
{
    TastiTenuti::impostaRipetizioni(chiediRipetizioneSenzaRilascio() ? TastiTenuti::Ripetizioni::SoloPressioni
                                                                      : TastiTenuti::Ripetizioni::ConRilascio);
}

// A key release as the keyboard sends it, with the key's hardware code (X's
// keycode), so that the key filter treats it as the window system's own and
// any wait for a repeat is counted.
inline void rilascioDaTastiera(QWidget *ricevitore, Qt::Key tasto)
{
    quint32 codice = 0;
    switch (tasto) {
    case Qt::Key_Right: codice = 114; break;
    case Qt::Key_Left: codice = 113; break;
    case Qt::Key_Down: codice = 116; break;
    case Qt::Key_Up: codice = 111; break;
    case Qt::Key_Space: codice = 65; break;
    case Qt::Key_Return: codice = 36; break;
    default: codice = 9; break;
    }
    QKeyEvent e(QEvent::KeyRelease, tasto, Qt::NoModifier, codice, 0, 0);
    QCoreApplication::sendEvent(ricevitore, &e);
}

// Counts the paints of the widgets it watches.
class Dipinti : public QObject
{
public:
    int n = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++n;
        return false;
    }
};

// Counts the paints of a window's controls, all together: a change is on
// the screen once the pass that paints the dirty controls has been served.
class DipintiFinestra : public Dipinti
{
public:
    explicit DipintiFinestra(QWidget &finestra)
    {
        for (QWidget *w : finestra.findChildren<QWidget *>())
            w->installEventFilter(this);
    }
};

// Serves events until every watched widget has been painted at least once
// more than before (the dirty region painted and flushed to the window
// system, as the screen shows it), at most limiteMs. False when nothing was
// painted in time.
inline bool attendiDipinti(const std::vector<Dipinti *> &dipinti, const std::vector<int> &prima, int limiteMs = 200)
{
    QElapsedTimer limite;
    limite.start();
    // Sleeps between events, as the program's own loop does: the CPU time
    // measured is work, not waiting.
    QTimer sveglia;
    sveglia.start(limiteMs + 1);
    for (;;) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        bool tutti = true;
        for (size_t i = 0; i < dipinti.size(); ++i)
            tutti = tutti && dipinti[i]->n > prima[i];
        if (tutti)
            return true;
        if (limite.elapsed() > limiteMs)
            return false;
    }
}
