#pragma once

// What every harness shares. A harness is one function,
// LLVMFuzzerTestOneInput, that feeds one input to one reader of the program
// and checks what must hold for any input; it returns 0, and it aborts with a
// message when a check fails, so the fuzzer (or the replay of the corpus)
// reports the input.

#include <QByteArray>
#include <QGuiApplication>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline QByteArray byte(const uint8_t *dati, size_t dimensione)
{
    return QByteArray(reinterpret_cast<const char *>(dati), static_cast<qsizetype>(dimensione));
}

[[noreturn]] inline void violazione(const char *regola)
{
    std::fprintf(stderr, "violated: %s\n", regola);
    std::fflush(stderr);
    std::abort();
}

inline void verifica(bool condizione, const char *regola)
{
    if (!condizione)
        violazione(regola);
}

// Readers that lay out text or draw need a GUI application; the offscreen
// platform needs no display. Created once, kept for the whole run.
inline void applicazioneGrafica()
{
    static int argc = 1;
    static char nome[] = "pinnole-fuzz";
    static char *argv[] = {nome, nullptr};
    if (QGuiApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication *app = new QGuiApplication(argc, argv);
    (void)app;
}

} // namespace fuzz
