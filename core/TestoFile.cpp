#include "core/TestoFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>

namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> kAlti1252 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

QString decodifica1252(const QByteArray &byte)
{
    QString testo;
    testo.reserve(byte.size());
    for (char c : byte) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t u = TestoFile::carattere1252(b);
        // An unassigned byte keeps its own value rather than vanish.
        testo.append(QChar(u != 0 ? u : static_cast<char16_t>(b)));
    }
    return testo;
}

} // namespace

namespace TestoFile {

char16_t carattere1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kAlti1252[byte - 0x80];
    return static_cast<char16_t>(byte);
}

QString decodifica(const QByteArray &byte)
{
    QByteArray dati = byte;
    if (dati.startsWith("\xEF\xBB\xBF"))
        dati.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString testo = utf8.decode(dati);
    if (!utf8.hasError())
        return testo;
    return decodifica1252(dati);
}

bool carattereIn1252(QChar carattere)
{
    const char16_t u = carattere.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return true;
    for (const char16_t alto : kAlti1252) {
        if (alto != 0 && alto == u)
            return true;
    }
    return false;
}

QString soloCaratteri1252(const QString &testo)
{
    QString risultato;
    risultato.reserve(testo.size());
    for (const QChar c : testo) {
        if (carattereIn1252(c))
            risultato.append(c);
    }
    return risultato;
}

QByteArray codifica1252(const QString &testo)
{
    QByteArray byte;
    byte.reserve(testo.size());
    for (const QChar ch : testo) {
        const char16_t u = ch.unicode();
        // The five bytes the code page leaves unassigned were read as the
        // characters of the same value: they go back as those bytes.
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF) || (u <= 0x9F && kAlti1252[u - 0x80] == 0)) {
            byte.append(static_cast<char>(u));
            continue;
        }
        char fuori = '?';
        for (size_t i = 0; i < kAlti1252.size(); ++i) {
            if (kAlti1252[i] == u && u != 0) {
                fuori = static_cast<char>(0x80 + i);
                break;
            }
        }
        byte.append(fuori);
    }
    return byte;
}

QStringList righe(const QString &testo)
{
    QString normale = testo;
    normale.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normale.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList elenco = normale.split(QLatin1Char('\n'));
    if (!elenco.isEmpty() && elenco.last().isEmpty())
        elenco.removeLast();
    return elenco;
}

bool leggi(const QString &percorso, QString *testo)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *testo = decodifica(file.readAll());
    return true;
}

bool scriviRighe(const QString &percorso, const QStringList &righe)
{
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray byte;
    for (const QString &riga : righe) {
        byte.append(codifica1252(riga));
        byte.append("\r\n");
    }
    if (file.write(byte) != byte.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace TestoFile
