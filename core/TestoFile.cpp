#include "core/TestoFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>

#include <array>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

TestoFile::Guasto &guasto()
{
    static TestoFile::Guasto g;
    return g;
}

bool guastoIn(const QString &percorso, TestoFile::FaseScrittura fase)
{
    return guasto() && guasto()(percorso, fase);
}

// Closes a descriptor on every way out of a function.
class Descrittore
{
public:
    explicit Descrittore(int fd) : m_fd(fd) {}
    ~Descrittore()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descrittore(const Descrittore &) = delete;
    Descrittore &operator=(const Descrittore &) = delete;
    int fd() const { return m_fd; }
    // Closes now and tells whether the close succeeded (some file systems
    // report a failed write only here).
    bool chiudi()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool scriviTutto(int fd, const QByteArray &byte)
{
    const char *dati = byte.constData();
    qsizetype resto = byte.size();
    while (resto > 0) {
        const ssize_t scritti = ::write(fd, dati, static_cast<size_t>(resto));
        if (scritti < 0 && errno == EINTR)
            continue;
        if (scritti <= 0)
            return false;
        dati += scritti;
        resto -= scritti;
    }
    return true;
}

// A new file beside the final one, "<name>.XXXXXX", created exclusively so
// that nothing already there (a planted link among them) is ever opened.
int creaTemporaneo(const QString &percorso, QString *temporaneo)
{
    static const char kLettere[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int tentativo = 0; tentativo < 100; ++tentativo) {
        QString nome = percorso + QLatin1Char('.');
        for (int i = 0; i < 6; ++i)
            nome.append(QLatin1Char(kLettere[QRandomGenerator::global()->bounded(int(sizeof(kLettere) - 1))]));
        const int fd = ::open(QFile::encodeName(nome).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            *temporaneo = nome;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
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

std::optional<QByteArray> leggiByte(const QString &percorso, qint64 limite)
{
    if (percorso.isEmpty())
        return std::nullopt;
    // Non-blocking, so a FIFO in the file's place cannot hold the program;
    // what is opened is checked, so a link to a device is refused too.
    Descrittore file(::open(QFile::encodeName(percorso).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.fd() < 0 || ::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > limite)
        return std::nullopt;
    QByteArray byte;
    byte.resize(static_cast<qsizetype>(info.st_size));
    qsizetype letti = 0;
    // One byte more than the limit is asked for, so a file that grows while
    // it is read is still refused.
    char avanzo = 0;
    for (;;) {
        char *dove = letti < byte.size() ? byte.data() + letti : &avanzo;
        const size_t quanti = letti < byte.size() ? static_cast<size_t>(byte.size() - letti) : 1;
        const ssize_t n = ::read(file.fd(), dove, quanti);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        if (letti >= byte.size())
            return std::nullopt; // grew beyond what fstat said
        letti += n;
    }
    byte.truncate(letti);
    return byte;
}

bool leggi(const QString &percorso, QString *testo, qint64 limite)
{
    const std::optional<QByteArray> byte = leggiByte(percorso, limite);
    if (!byte)
        return false;
    *testo = decodifica(*byte);
    return true;
}

QString impronta(const QByteArray &byte)
{
    return QString::fromLatin1(QCryptographicHash::hash(byte, QCryptographicHash::Sha256).toHex().left(32));
}

QByteArray byteRighe(const QStringList &righe)
{
    QByteArray byte;
    for (const QString &riga : righe) {
        byte.append(codifica1252(riga));
        byte.append("\r\n");
    }
    return byte;
}

bool scriviRighe(const QString &percorso, const QStringList &righe)
{
    return scriviByte(percorso, byteRighe(righe));
}

bool scriviByte(const QString &percorso, const QByteArray &byte)
{
    if (percorso.isEmpty())
        return false;
    const QByteArray nome = QFile::encodeName(percorso);
    struct stat vecchio {};
    const bool esiste = ::lstat(nome.constData(), &vecchio) == 0;
    if (esiste && !S_ISREG(vecchio.st_mode) && !S_ISLNK(vecchio.st_mode))
        return false; // a folder, FIFO or device is never replaced
    if (esiste && S_ISREG(vecchio.st_mode) && vecchio.st_size == byte.size()) {
        const std::optional<QByteArray> attuale = leggiByte(percorso, byte.size());
        if (attuale && *attuale == byte)
            return true;
    }

    QString temporaneo;
    Descrittore file(creaTemporaneo(percorso, &temporaneo));
    if (file.fd() < 0)
        return false;
    const QByteArray nomeTemporaneo = QFile::encodeName(temporaneo);
    // The old file's permissions carry over to the new one.
    if (esiste && S_ISREG(vecchio.st_mode))
        ::fchmod(file.fd(), vecchio.st_mode & 07777);
    const bool scritto = !guastoIn(percorso, FaseScrittura::Scrittura) && scriviTutto(file.fd(), byte)
        && !guastoIn(percorso, FaseScrittura::Sincronizzazione) && ::fdatasync(file.fd()) == 0;
    if (!file.chiudi() || !scritto || guastoIn(percorso, FaseScrittura::Rinomina)
        || ::rename(nomeTemporaneo.constData(), nome.constData()) != 0) {
        ::unlink(nomeTemporaneo.constData());
        return false;
    }
    // The rename itself reaches the disk with the folder's entry.
    const qsizetype barra = percorso.lastIndexOf(QLatin1Char('/'));
    const QString nomeCartella = barra < 0 ? QStringLiteral(".") : barra == 0 ? QStringLiteral("/") : percorso.left(barra);
    const int cartella = ::open(QFile::encodeName(nomeCartella).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (cartella >= 0) {
        ::fsync(cartella);
        ::close(cartella);
    }
    return true;
}

void impostaGuasto(Guasto g)
{
    guasto() = std::move(g);
}

} // namespace TestoFile
