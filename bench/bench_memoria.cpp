// Memory over a school morning, for bench/memoria.sh: the program starts as
// a returning player does, opens the main menu, and tours the eight exercises
// from the menu's own buttons; each stays open a while, then is left, and the
// menu comes back. It prints RSS, PSS and the heap after each window (while it
// is open and once it is left) and after each tour.
//   bench_memoria [tours] [seconds per window]     the tour (2 tours, 5 s)
//   bench_memoria solo <0..7> [seconds]            one exercise in a fresh
//                                                  process (3 = "Uguali - 2°")
// Not a test.

#include "platform/Moduli.h"
#include "platform/Voce.h"
#include "Memoria.h"

#include "core/Avvio.h"
#include "framework/Navigazione.h"
#include "menu/Form1.h"
#include "menu/FormMenu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLockFile>
#include <QMainWindow>

#include <cstdio>
#include <cstring>

namespace {

void attendi(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

FormMenu *menuAperto()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *menu = qobject_cast<FormMenu *>(w); menu && menu->isVisible())
            return menu;
    }
    return nullptr;
}

// The exercise window that is open, if any.
QMainWindow *esercizioAperto()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *finestra = qobject_cast<QMainWindow *>(w);
        if (finestra && finestra->isVisible() && !qobject_cast<FormMenu *>(w))
            return finestra;
    }
    return nullptr;
}

const char *const kNomi[8] = {"Vero o falso", "Uguale - diverso", "Uguali - 1", "Uguali - 2",
                              "Colora la pinnola", "Insiemi", "Trova gli intrusi", "Indovina chi"};

// Opens exercise i from the menu, waits, leaves it and waits in the menu.
bool visita(int i, int secondi, bool torna)
{
    FormMenu *menu = menuAperto();
    if (!menu) {
        std::fprintf(stderr, "no menu\n");
        return false;
    }
    menu->AvviaEsercizi(i);
    attendi(secondi * 1000);
    char riga[80];
    std::snprintf(riga, sizeof riga, "in %s", kNomi[i]);
    stampaMemoria(riga, misuraMemoria());
    if (!torna)
        return true;
    if (QMainWindow *finestra = esercizioAperto())
        finestra->close();
    attendi(1500);
    std::snprintf(riga, sizeof riga, "back in the menu from %s", kNomi[i]);
    stampaMemoria(riga, misuraMemoria());
    return menuAperto() != nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pinnole"));
    Avvio avvio = AvvioProgramma();
    if (avvio.esito != EsitoAvvio::Continua)
        return 1;
    impostaApriMenu([] { FormMenu::apri(); });
    registraStampaEsercizi();
    // As after the splash: the sound module is opened and the voice readied.
    apriModulo("audio");
    Voce::preparaMotore();
    FormMenu::apri();
    attendi(1500);
    stampaMemoria("menu", misuraMemoria());

    if (argc > 2 && std::strcmp(argv[1], "solo") == 0) {
        const int i = std::atoi(argv[2]);
        if (i < 0 || i > 7)
            return 2;
        return visita(i, argc > 3 ? std::atoi(argv[3]) : 5, false) ? 0 : 1;
    }
    const int giri = argc > 1 ? std::atoi(argv[1]) : 2;
    const int secondi = argc > 2 ? std::atoi(argv[2]) : 5;
    for (int giro = 1; giro <= giri; ++giro) {
        for (int i = 0; i < 8; ++i) {
            if (!visita(i, secondi, true))
                return 1;
        }
        char riga[40];
        std::snprintf(riga, sizeof riga, "after tour %d, in the menu", giro);
        stampaMemoria(riga, misuraMemoria());
    }
    return 0;
}
