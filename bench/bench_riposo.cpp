// A window left alone, for counting what the program does while nothing
// happens: opens the menu or an exercise in an input mode, says "pronto"
// with its process id, and serves events until it is killed. bench/riposo.sh
// counts its wake-ups and threads from outside. Not a test.
//   bench_riposo menu|es1|es3|es4 MODE [SPEED [FRAME]]   (MODE: 0 mouse, 1 two
//   switches, 2 automatic scanning, 3 keyboard; SPEED in quarters of a second,
//   4 by default; FRAME the highlight frame's thickness in pixels, 0 by default)

#include "core/Modulo1.h"
#include "exercises/es1/FormEs1.h"
#include "exercises/es4/FormEs4.h"
#include "framework/Pulsante.h"
#include "framework/TastiTenuti.h"
#include "exercises/uguali/FormEs3.h"
#include "menu/FormMenu.h"
#include "platform/RipetizioneTasti.h"
#include "tools/comune/AvvioStrumento.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_riposo menu|es1|es3|es4 MODE [SPEED]\n");
        return 2;
    }
    AvvioStrumento avvio;
    if (!avvio.pronto())
        return 1;
    // As the program's start-up does.
    TastiTenuti::impostaRipetizioni(chiediRipetizioneSenzaRilascio() ? TastiTenuti::Ripetizioni::SoloPressioni
                                                                      : TastiTenuti::Ripetizioni::ConRilascio);
    const QByteArray finestra = argv[1];
    Stato().imp.ModoInput = qint16(atoi(argv[2]));
    Stato().imp.VelocitaScansione = qint16(argc > 3 ? atoi(argv[3]) : 4);
    Stato().accesso.spessoreEvidenziazione = argc > 4 ? atoi(argv[4]) : 0;
    Stato().imp.SuoniAttivi = false;
    Stato().imp.VoceAttiva = false;
    QWidget *w = nullptr;
    if (finestra == "menu")
        w = FormMenu::apri();
    else if (finestra == "es1")
        w = new FormEs1;
    else if (finestra == "es3")
        w = new FormEs3;
    else if (finestra == "es4")
        w = new FormEs4;
    if (!w)
        return 2;
    w->show();
    w->activateWindow();
    // Settled once the window is painted and its first sentence is done.
    // "Vero o falso" also says where its two answers are on the screen (the
    // highlight moves between them), for bench_tasto_schermo.
    auto *es1 = qobject_cast<FormEs1 *>(w);
    QTimer::singleShot(2000, [es1] {
        QRect r;
        if (es1) {
            for (int i = 0; i < 2; ++i)
                r |= QRect(es1->Command1(i)->mapToGlobal(QPoint(0, 0)), es1->Command1(i)->size());
        }
        std::printf("pronto %d %d %d %d %d\n", int(getpid()), r.x(), r.y(), r.width(), r.height());
        std::fflush(stdout);
    });
    return app.exec();
}
