// Text decoding: any bytes decode without crashing; bytes that are not UTF-8
// are Windows-1252, one character per byte, and encode back to the same
// bytes; line splitting never yields a line holding a line break.
#include "Fuzz.h"

#include "core/TestoFile.h"

#include <QStringDecoder>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione)
{
    const QByteArray byte = fuzz::byte(dati, dimensione);
    const QString testo = TestoFile::decodifica(byte);

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)utf8.decode(byte.startsWith("\xEF\xBB\xBF") ? byte.mid(3) : byte);
    if (utf8.hasError()) {
        fuzz::verifica(testo.size() == byte.size(), "Windows-1252: one character per byte");
        fuzz::verifica(TestoFile::codifica1252(testo) == byte, "Windows-1252 round trip");
    }
    const QByteArray codificato = TestoFile::codifica1252(testo);
    fuzz::verifica(codificato.size() == testo.size(), "one byte per character when encoding");

    for (const QString &riga : TestoFile::righe(testo))
        fuzz::verifica(!riga.contains(QLatin1Char('\r')) && !riga.contains(QLatin1Char('\n')),
                       "a line holds no line break");
    return 0;
}
