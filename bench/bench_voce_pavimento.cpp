// The floor of bench/voce.sh: the least a Qt program does to play a sound
// it already has. One QAudioSink, started for each sentence's sound (written
// beforehand by "bench_voce scrivi"), a second after the last ended; prints
// "chiesto <ms>" on the monotonic clock as each is started. Links Qt
// Multimedia alone. Not a test.
//   bench_voce_pavimento <folder> [sentences]

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <functional>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const int numero = argc > 2 ? std::atoi(argv[2]) : 12;
    QVector<QByteArray> suoni;
    const QDir cartella(QString::fromLocal8Bit(argv[1]));
    for (const QString &nome : cartella.entryList({QStringLiteral("*.raw")}, QDir::Files, QDir::Name)) {
        QFile file(cartella.filePath(nome));
        if (file.open(QIODevice::ReadOnly))
            suoni.append(file.readAll());
    }
    if (suoni.isEmpty())
        return 1;
    constexpr int kFrequenza = 22050;
    QAudioFormat formato;
    formato.setSampleRate(kFrequenza);
    formato.setChannelCount(1);
    formato.setSampleFormat(QAudioFormat::Int16);
    QAudioSink uscita(QMediaDevices::defaultAudioOutput(), formato);
    QBuffer flusso;
    int i = 0;
    std::function<void()> prossima = [&] {
        if (i == numero) {
            QCoreApplication::quit();
            return;
        }
        uscita.stop();
        flusso.close();
        const QByteArray &suono = suoni.at(i++ % suoni.size());
        flusso.setData(suono);
        flusso.open(QIODevice::ReadOnly);
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        std::printf("chiesto %.1f\n", t.tv_sec * 1e3 + t.tv_nsec / 1e6);
        std::fflush(stdout);
        uscita.start(&flusso);
        QTimer::singleShot(int(suono.size() / 2 * 1000 / kFrequenza) + 1000, prossima);
    };
    QTimer::singleShot(1000, prossima);
    return app.exec();
}
