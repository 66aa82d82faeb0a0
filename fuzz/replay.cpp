// Replays corpus files through a harness once each, without fuzzing: the
// test command runs every corpus this way, so an input that once crashed a
// reader keeps proving it no longer does. Arguments are files or folders
// (every file directly inside). Exit status 0 when every input passed; a
// failing input aborts, naming itself first.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione);

int main(int argc, char **argv)
{
    QStringList file;
    for (int i = 1; i < argc; ++i) {
        const QString argomento = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(argomento).isDir()) {
            const QDir cartella(argomento);
            for (const QString &nome : cartella.entryList(QDir::Files | QDir::Hidden, QDir::Name))
                file << cartella.filePath(nome);
        } else {
            file << argomento;
        }
    }
    if (file.isEmpty()) {
        std::fprintf(stderr, "no corpus file given\n");
        return 1;
    }
    for (const QString &percorso : file) {
        QFile f(percorso);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(percorso));
            return 1;
        }
        const QByteArray dati = f.readAll();
        std::fprintf(stderr, "%s\n", qPrintable(percorso));
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(dati.constData()), size_t(dati.size()));
    }
    std::printf("%lld inputs replayed\n", static_cast<long long>(file.size()));
    return 0;
}
