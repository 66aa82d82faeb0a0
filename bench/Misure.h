#pragma once

// Small measuring helpers shared by the benchmarks.

#include <QImage>
#include <QPainter>
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
