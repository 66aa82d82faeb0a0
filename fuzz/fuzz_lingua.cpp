// The language file reader and writer: any file is read without crashing
// (small files by section, files over 64000 bytes line by line); writing a
// key keeps the file readable, and in a small file the key then reads back
// as written. The first input byte chooses a padding that takes the file
// past the large-file size, and the value written.
#include "Fuzz.h"

#include "core/Lingua.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

const QString &cartella()
{
    static QTemporaryDir dir;
    static const QString percorso = dir.path();
    return percorso;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione)
{
    if (dimensione == 0)
        return 0;
    const bool grande = dati[0] & 1;
    QByteArray contenuto = fuzz::byte(dati + 1, dimensione - 1);
    if (grande) {
        while (contenuto.size() <= 64000)
            contenuto += "\r\n; riempimento oltre la dimensione dei file piccoli";
    }
    const QString file = cartella() + QStringLiteral("/prova.lng");
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            fuzz::violazione("the temporary file can be written");
        f.write(contenuto);
    }
    Lingua::svuotaCache();

    for (const char *chiave : {"0001", "0004", "0105", "FormMenu.Caption", "Command1(3).Caption"}) {
        const auto valore = MLSReadKey(file, QStringLiteral("Strings"), QString::fromLatin1(chiave));
        fuzz::verifica(valore.has_value(), "an existing file is read");
        fuzz::verifica(valore->size() <= 511, "values are at most 511 characters");
        fuzz::verifica(!valore->contains(QChar(0)), "values end at a zero character");
    }
    (void)MLSReadKey(file, QStringLiteral("FormMenu"), QStringLiteral("FormMenu.Caption"));

    // A plain value made from the input: letters and digits.
    QString scelta = QStringLiteral("L");
    for (size_t i = 1; i < dimensione && scelta.size() < 20; ++i) {
        const char c = static_cast<char>(dati[i]);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            scelta += QLatin1Char(c);
    }
    fuzz::verifica(MLSWriteKey(file, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"), scelta),
                   "a key is written");
    const auto riletta = MLSReadKey(file, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"));
    fuzz::verifica(riletta.has_value(), "a written file is read");
    if (QFileInfo(file).size() <= 64000)
        fuzz::verifica(*riletta == scelta, "a written key reads back in a small file");
    return 0;
}
