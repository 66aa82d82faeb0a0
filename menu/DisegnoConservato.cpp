#include "menu/DisegnoConservato.h"

#include "core/TestoFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cmath>
#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kMagia[8] = {'P', 'N', 'L', 'D', 'S', 'G', '1', '\0'};
constexpr auto kFormato = QImage::Format_ARGB32_Premultiplied;
// No screen needs a larger picture: 8K at 4 bytes a pixel.
constexpr qint64 kPixelMassimi = qint64(7680) * 4320;

// The entry's header, followed by the rows of the picture (4 bytes a pixel).
// The entries stay on the machine that made them, so the numbers are kept in
// its own byte order.
struct Intestazione
{
    char magia[8];
    qint32 controlloL, controlloA; // the control's size
    qint32 rapporto;               // the screen's pixel ratio, in hundredths
    qint32 areaX, areaY, areaL, areaA;
    qint32 pixelL, pixelA;         // the picture's size in pixels
    qint32 riservato;
    qint64 byteSvg;      // the drawing file's size
    qint64 modificatoMs; // and modification time when it was rendered
};
static_assert(sizeof(Intestazione) == 64, "the header is 64 bytes, keeping the rows aligned");

QString voce(const QFileInfo &svg)
{
    return DisegnoConservato::cartella() + QLatin1Char('/')
        + TestoFile::impronta(svg.absoluteFilePath().toUtf8()) + QStringLiteral(".disegno");
}

qint32 centesimi(qreal rapporto)
{
    return qint32(std::lround(rapporto * 100));
}

struct Mappa
{
    void *inizio;
    size_t byte;
};

void liberaMappa(void *mappa)
{
    auto *m = static_cast<Mappa *>(mappa);
    ::munmap(m->inizio, m->byte);
    delete m;
}

// Whether the header describes a picture of the drawing for this control
// that fits a file of this size.
bool valida(const Intestazione &t, const QFileInfo &svg, const QSize &controllo, qreal rapporto, qint64 byteFile)
{
    if (std::memcmp(t.magia, kMagia, sizeof kMagia) != 0 || t.controlloL != controllo.width()
        || t.controlloA != controllo.height() || t.rapporto != centesimi(rapporto) || t.byteSvg != svg.size()
        || t.modificatoMs != svg.lastModified().toMSecsSinceEpoch())
        return false;
    if (t.pixelL <= 0 || t.pixelA <= 0 || qint64(t.pixelL) * t.pixelA > kPixelMassimi)
        return false;
    const QRect area(t.areaX, t.areaY, t.areaL, t.areaA);
    return !area.isEmpty() && QRect(QPoint(), controllo).contains(area)
        && byteFile == qint64(sizeof(Intestazione)) + qint64(t.pixelL) * t.pixelA * 4;
}

} // namespace

namespace DisegnoConservato {

QString cartella()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/disegni");
}

std::optional<Disegno> leggi(const QString &fileSvg, const QSize &controllo, qreal rapporto)
{
    const QFileInfo svg(fileSvg);
    if (controllo.isEmpty() || !svg.isFile())
        return std::nullopt;
    // Only a regular file whose size the header accounts for exactly, never
    // a link (an entry is always written as a file of its own); opened
    // without blocking, so a FIFO in its place cannot hold the program.
    const int fd = ::open(QFile::encodeName(voce(svg)).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    Intestazione t{};
    void *mappa = MAP_FAILED;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > qint64(sizeof t)
        && ::pread(fd, &t, sizeof t, 0) == ssize_t(sizeof t) && valida(t, svg, controllo, rapporto, info.st_size))
        mappa = ::mmap(nullptr, size_t(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (mappa == MAP_FAILED)
        return std::nullopt;
    // The picture is read where it lies in the file, page by page as it is
    // drawn. The file is never changed in place (a new one is renamed over
    // it), so the mapped pages stay as they were.
    auto *mappata = new Mappa{mappa, size_t(info.st_size)};
    Disegno disegno;
    disegno.area = QRect(t.areaX, t.areaY, t.areaL, t.areaA);
    disegno.pixel = QImage(static_cast<const uchar *>(mappa) + sizeof(Intestazione), t.pixelL, t.pixelA,
                           qsizetype(t.pixelL) * 4, kFormato, liberaMappa, mappata);
    if (disegno.pixel.isNull())
        return std::nullopt;
    disegno.pixel.setDevicePixelRatio(rapporto);
    return disegno;
}

bool scrivi(const QString &fileSvg, const QSize &controllo, qreal rapporto, const Disegno &disegno)
{
    const QFileInfo svg(fileSvg);
    const QImage pixel = disegno.pixel.convertToFormat(kFormato);
    if (pixel.isNull() || controllo.isEmpty() || !svg.isFile())
        return false;
    Intestazione t{};
    std::memcpy(t.magia, kMagia, sizeof kMagia);
    t.controlloL = controllo.width();
    t.controlloA = controllo.height();
    t.rapporto = centesimi(rapporto);
    t.areaX = disegno.area.x();
    t.areaY = disegno.area.y();
    t.areaL = disegno.area.width();
    t.areaA = disegno.area.height();
    t.pixelL = pixel.width();
    t.pixelA = pixel.height();
    t.byteSvg = svg.size();
    t.modificatoMs = svg.lastModified().toMSecsSinceEpoch();
    if (!valida(t, svg, controllo, rapporto, qint64(sizeof t) + qint64(t.pixelL) * t.pixelA * 4))
        return false;
    QByteArray byte;
    byte.reserve(qsizetype(sizeof t) + qsizetype(pixel.width()) * pixel.height() * 4);
    byte.append(reinterpret_cast<const char *>(&t), sizeof t);
    for (int y = 0; y < pixel.height(); ++y)
        byte.append(reinterpret_cast<const char *>(pixel.constScanLine(y)), qsizetype(pixel.width()) * 4);
    if (!QDir().mkpath(cartella()))
        return false;
    return TestoFile::scriviByte(voce(svg), byte);
}

} // namespace DisegnoConservato
