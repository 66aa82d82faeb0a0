#include "platform/LibreriaCups.h"

#include <QMutex>

#include <dlfcn.h>

namespace {

struct FunzioniCups
{
    decltype(&cupsPrintFile) stampaFile = nullptr;
    decltype(&cupsLastErrorString) ultimoErrore = nullptr;
    QString problema; // why libcups could not be used; empty when it can
};

const FunzioniCups &funzioniCups()
{
    static const FunzioniCups funzioni = [] {
        FunzioniCups f;
        // Kept open for the program's life: its functions are used again.
        void *libreria = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!libreria) {
            f.problema = QString::fromLocal8Bit(dlerror());
            return f;
        }
        f.stampaFile = reinterpret_cast<decltype(&cupsPrintFile)>(dlsym(libreria, "cupsPrintFile"));
        f.ultimoErrore = reinterpret_cast<decltype(&cupsLastErrorString)>(dlsym(libreria, "cupsLastErrorString"));
        if (!f.stampaFile || !f.ultimoErrore)
            f.problema = QStringLiteral("libcups.so.2: cupsPrintFile missing");
        return f;
    }();
    return funzioni;
}

} // namespace

int inviaFileCups(const char *stampante, const char *file, const char *titolo, int numeroOpzioni,
                  cups_option_t *opzioni, QString *errore)
{
    const FunzioniCups &cups = funzioniCups();
    if (!cups.problema.isEmpty()) {
        *errore = cups.problema;
        return 0;
    }
    // cupsLastErrorString belongs to the thread: read it on the one that sent.
    const int lavoro = cups.stampaFile(stampante, file, titolo, numeroOpzioni, opzioni);
    if (lavoro <= 0)
        *errore = QString::fromLocal8Bit(cups.ultimoErrore());
    return lavoro;
}
