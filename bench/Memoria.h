#pragma once

// What a process holds in memory, read from the kernel's own accounting and
// from the C library's heap figures, for the memory benchmarks.

#include <QByteArray>
#include <QFile>

#include <malloc.h>
#include <sys/resource.h>

#include <cstdio>

struct MemoriaProcesso
{
    long rssKb = 0;
    long pssKb = 0;
    long heapInUsoKb = 0; // malloc'd and not yet freed
    long heapTenutoKb = 0; // what the heap holds from the system, free parts included
};

inline MemoriaProcesso misuraMemoria()
{
    MemoriaProcesso m;
    QFile smaps(QStringLiteral("/proc/self/smaps_rollup"));
    if (smaps.open(QIODevice::ReadOnly)) {
        for (const QByteArray &riga : smaps.readAll().split('\n')) {
            const QList<QByteArray> campi = riga.simplified().split(' ');
            if (campi.size() < 2)
                continue;
            if (campi[0] == "Rss:")
                m.rssKb = campi[1].toLong();
            else if (campi[0] == "Pss:")
                m.pssKb = campi[1].toLong();
        }
    }
    const struct mallinfo2 heap = mallinfo2();
    m.heapInUsoKb = long((heap.uordblks + heap.hblkhd) / 1024);
    m.heapTenutoKb = long((heap.arena + heap.hblkhd) / 1024);
    return m;
}

// One line: what, then RSS, PSS and the heap in MB.
inline void stampaMemoria(const char *cosa, const MemoriaProcesso &m)
{
    std::printf("%-34s RSS %6.1f MB  PSS %6.1f MB  heap in use %6.1f MB, held %6.1f MB\n", cosa,
                m.rssKb / 1024.0, m.pssKb / 1024.0, m.heapInUsoKb / 1024.0, m.heapTenutoKb / 1024.0);
    std::fflush(stdout);
}

// The CPU time and peak RSS of the process so far, on one line the start-up
// benchmark reads: "cpu <ms> maxrss <KB>".
inline void stampaCpuEPicco()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    const double cpu = (uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) * 1e3
        + (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e3;
    std::printf("cpu %.1f maxrss %ld\n", cpu, uso.ru_maxrss);
    std::fflush(stdout);
}
