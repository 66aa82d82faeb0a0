// The character's voice from a new item to its first sound: says a list of
// sentences one after the other, as items come, each a second after the
// last ended, and prints for each the monotonic clock (ms) at which it was
// asked for: "chiesto <ms>". bench/voce.sh records the sound server's output
// and matches every start of sound with its request, beside the floor
// (bench_voce_pavimento), which plays the same sentences made beforehand.
//   bench_voce [sentences]
//   bench_voce scrivi <folder>   writes the sentences' sound for the floor
// Not a test.

#include "platform/AudioQt.h"
#include "platform/Voce.h"
#include "platform/VoceEspeak.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

const char *const kFrasi[] = {
    "Il tetto della pinnola è rosso.",
    "Le finestre sono gialle.",
    "La porta della pinnola è verde.",
    "Il camino è blu e il fumo è grigio.",
    "Clicca sulla pinnola che ha il tetto azzurro.",
    "Le mura sono arancioni.",
};

double adessoMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void chiesto()
{
    std::printf("chiesto %.1f\n", adessoMs());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int quante = int(std::size(kFrasi));

    if (argc > 2 && std::strcmp(argv[1], "scrivi") == 0) {
        // The sounds the floor plays: each sentence made beforehand.
        for (int n = 0; n < quante; ++n) {
            QFile file(QString::fromLocal8Bit(argv[2]) + QStringLiteral("/frase%1.raw").arg(n));
            const QByteArray pcm = sintetizzaVoce(QString::fromUtf8(kFrasi[n]), ParametriVoce()).pcm;
            if (!file.open(QIODevice::WriteOnly) || file.write(pcm) != pcm.size())
                return 1;
        }
        return 0;
    }
    const int numero = argc > 1 ? std::atoi(argv[1]) : 12;

    installaAudioQt();
    Voce voce;
    Voce::preparaMotore();
    int i = 0;
    std::function<void()> prossima = [&] {
        if (i == numero) {
            QCoreApplication::quit();
            return;
        }
        chiesto();
        voce.parla(QString::fromUtf8(kFrasi[i++ % quante]), ParametriVoce());
    };
    QObject::connect(&voce, &Voce::finito, [&] { QTimer::singleShot(1000, prossima); });
    QTimer::singleShot(1000, prossima);
    return app.exec();
}
