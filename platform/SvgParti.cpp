#include "platform/SvgParti.h"

#include "platform/CacheCondivisa.h"
#include "vocabulary/ElementiCasa.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>


namespace {

using Variante = SvgPartiDocumento::Variante;

QImage disegnaVariante(const SvgPartiDocumento &documento, int strato, Variante v, QSize dimensione)
{
    QImage immagine(dimensione, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    documento.renderer(strato, v).render(&pittore, QRectF(QPointF(0, 0), dimensione));
    return immagine;
}

// The box of the pixels that are not fully transparent.
QRect areaUsata(const QImage &immagine)
{
    const int larghezza = immagine.width();
    const int altezza = immagine.height();
    int sinistra = larghezza, destra = -1, alto = altezza, basso = -1;
    for (int y = 0; y < altezza; ++y) {
        const QRgb *riga = reinterpret_cast<const QRgb *>(immagine.constScanLine(y));
        int primo = -1, ultimo = -1;
        for (int x = 0; x < larghezza; ++x) {
            if (qAlpha(riga[x]) != 0) {
                if (primo < 0)
                    primo = x;
                ultimo = x;
            }
        }
        if (primo < 0)
            continue;
        sinistra = qMin(sinistra, primo);
        destra = qMax(destra, ultimo);
        alto = qMin(alto, y);
        basso = y;
    }
    return destra < 0 ? QRect() : QRect(QPoint(sinistra, alto), QPoint(destra, basso));
}

// White minus black, channel by channel, kept within the pixel's alpha so
// that black + difference * c / 255 never carries into the next channel.
QImage differenza(const QImage &nero, const QImage &bianco)
{
    QImage risultato(nero.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < nero.height(); ++y) {
        const QRgb *n = reinterpret_cast<const QRgb *>(nero.constScanLine(y));
        const QRgb *b = reinterpret_cast<const QRgb *>(bianco.constScanLine(y));
        QRgb *d = reinterpret_cast<QRgb *>(risultato.scanLine(y));
        for (int x = 0; x < nero.width(); ++x) {
            const int alfa = qAlpha(n[x]);
            const auto canale = [&](int scuro, int chiaro) { return qBound(0, qMin(chiaro, alfa) - scuro, alfa - scuro); };
            d[x] = qRgba(canale(qRed(n[x]), qRed(b[x])), canale(qGreen(n[x]), qGreen(b[x])),
                         canale(qBlue(n[x]), qBlue(b[x])), 0);
        }
    }
    return risultato;
}

// The last sets used stay alive through a reload of the same file.
using CacheParti = CacheCondivisa<SvgParti, 12>;

CacheParti &cacheParti()
{
    static CacheParti cache;
    return cache;
}

} // namespace

SvgParti::SvgParti(std::shared_ptr<const SvgPartiDocumento> documento, QSize dimensione, qreal rapporto)
    : m_documento(std::move(documento))
    , m_dimensione(dimensione)
    , m_rapporto(rapporto)
{
    const QList<SvgPartiDocumento::Strato> &strati = m_documento->strati();
    m_strati.reserve(strati.size());
    for (int i = 0; i < strati.size(); ++i) {
        StratoDisegnato disegnato;
        const QImage originale = disegnaVariante(*m_documento, i, Variante::Originale, dimensione);
        QRect area = areaUsata(originale);
        QImage nero, bianco;
        if (strati[i].colorabile()) {
            nero = disegnaVariante(*m_documento, i, Variante::Nero, dimensione);
            bianco = disegnaVariante(*m_documento, i, Variante::Bianco, dimensione);
            area |= areaUsata(nero) | areaUsata(bianco);
        }
        if (!area.isEmpty()) {
            disegnato.posizione = area.topLeft();
            disegnato.originale = originale.copy(area);
            if (strati[i].colorabile()) {
                disegnato.nero = nero.copy(area);
                disegnato.differenza = differenza(disegnato.nero, bianco.copy(area));
                disegnato.nero.setDevicePixelRatio(rapporto);
            }
            disegnato.originale.setDevicePixelRatio(rapporto);
        }
        m_strati.append(disegnato);
    }
}

std::shared_ptr<const SvgParti> SvgParti::per(const std::shared_ptr<const SvgPartiDocumento> &documento,
                                              QSize dimensione, qreal rapporto)
{
    const QString chiave = QStringLiteral("%1|%2x%3|%4")
                               .arg(quintptr(documento.get()))
                               .arg(dimensione.width())
                               .arg(dimensione.height())
                               .arg(rapporto);
    CacheParti &cache = cacheParti();
    std::shared_ptr<const SvgParti> parti = cache.trova(chiave);
    // The key names the document by its address: a set still alive keeps its
    // document alive, so a live set found here is of this very document.
    if (parti && parti->m_documento == documento)
        return parti;
    parti.reset(new SvgParti(documento, dimensione, rapporto));
    cache.conserva(chiave, parti);
    return parti;
}

const SvgParti::Alone &SvgParti::alone(int parte) const
{
    const auto trovato = m_aloni.constFind(parte);
    if (trovato != m_aloni.constEnd())
        return *trovato;
    Alone alone;
    const int contorno = m_documento->indiceStrato(ElementiCasa::idContorno(parte));
    if (contorno >= 0) {
        const QImage bordo = disegnaVariante(*m_documento, contorno, Variante::AloneBordo, m_dimensione);
        const QRect usata = areaUsata(bordo);
        if (!usata.isEmpty()) {
            alone.posizione = usata.topLeft();
            alone.banda = disegnaVariante(*m_documento, contorno, Variante::Alone, m_dimensione).copy(usata);
            alone.chiaro = disegnaVariante(*m_documento, contorno, Variante::AloneChiaro, m_dimensione).copy(usata);
            alone.bordo = bordo.copy(usata);
            // The part's fill stays uncovered: the band lies outside it.
            alone.fuori = QImage(usata.size(), QImage::Format_Alpha8);
            alone.fuori.fill(255);
            const int interno = m_documento->indiceStrato(ElementiCasa::idInterno(parte));
            if (interno >= 0 && !m_strati[interno].nero.isNull()) {
                const StratoDisegnato &fondo = m_strati[interno];
                const QRect comune = fondo.rettangolo() & usata;
                for (int y = comune.top(); y <= comune.bottom(); ++y) {
                    const QRgb *f = reinterpret_cast<const QRgb *>(fondo.nero.constScanLine(y - fondo.posizione.y()));
                    uchar *r = alone.fuori.scanLine(y - usata.top());
                    for (int x = comune.left(); x <= comune.right(); ++x)
                        r[x - usata.left()] = uchar(255 - qAlpha(f[x - fondo.posizione.x()]));
                }
            }
        }
    }
    return *m_aloni.insert(parte, alone);
}

QImage coloraAlone(const SvgParti::Alone &alone, qreal rapporto, QRgb colore)
{
    QImage risultato(alone.banda.size(), QImage::Format_ARGB32_Premultiplied);
    risultato.setDevicePixelRatio(rapporto);
    const int rosso = qRed(colore), verde = qGreen(colore), blu = qBlue(colore);
    for (int y = 0; y < risultato.height(); ++y) {
        const QRgb *b = reinterpret_cast<const QRgb *>(alone.banda.constScanLine(y));
        const QRgb *c = reinterpret_cast<const QRgb *>(alone.chiaro.constScanLine(y));
        const QRgb *o = reinterpret_cast<const QRgb *>(alone.bordo.constScanLine(y));
        const uchar *f = alone.fuori.constScanLine(y);
        QRgb *d = reinterpret_cast<QRgb *>(risultato.scanLine(y));
        for (int x = 0; x < risultato.width(); ++x) {
            // Black edge, white edge over it, the band in the colour on top
            // (premultiplied "over"), then only outside the part.
            const int banda = qAlpha(b[x]);
            const int chiaro = qAlpha(c[x]);
            const int sottoAlfa = chiaro + qAlpha(o[x]) * (255 - chiaro) / 255; // white over black
            const int alfa = banda + sottoAlfa * (255 - banda) / 255;
            const int bianco = chiaro * (255 - banda) / 255; // the white showing through the band
            const int resto = f[x];
            const auto canale = [&](int k) { return ((k * banda + 255 * bianco) * resto + 32512) / 65025; };
            d[x] = qRgba(canale(rosso), canale(verde), canale(blu), (alfa * resto + 127) / 255);
        }
    }
    return risultato;
}

const QImage &SvgParti::stratoColorato(int indice, QRgb colore) const
{
    const quint64 chiave = (quint64(quint32(indice)) << 32) | quint32(colore | 0xFF000000u);
    auto trovato = m_colorati.find(chiave);
    if (trovato == m_colorati.end()) {
        // A teacher trying many colours must not make the set grow without end.
        if (m_colorati.size() >= 256)
            m_colorati.clear();
        trovato = m_colorati.insert(chiave, colora(m_strati.at(indice), colore));
    }
    return *trovato;
}

bool VisibilitaGruppi::mostra(int gruppo) const
{
    if (gruppo == ElementiCasa::kFumo)
        return fumo;
    if (gruppo == ElementiCasa::kNuvole)
        return nuvole;
    return true;
}

QImage colora(const SvgParti::StratoDisegnato &strato, QRgb colore)
{
    if (strato.nero.isNull())
        return strato.originale;
    // d * c / 255 for every d, per channel, in the channel's place.
    quint32 tabelle[3][256];
    const int rgb[3] = {qRed(colore), qGreen(colore), qBlue(colore)};
    for (int c = 0; c < 3; ++c) {
        const int spostamento = 16 - 8 * c;
        for (int d = 0; d < 256; ++d)
            tabelle[c][d] = quint32((d * rgb[c] + 127) / 255) << spostamento;
    }
    QImage risultato(strato.nero.size(), QImage::Format_ARGB32_Premultiplied);
    risultato.setDevicePixelRatio(strato.nero.devicePixelRatio());
    const int larghezza = risultato.width();
    for (int y = 0; y < risultato.height(); ++y) {
        const quint32 *n = reinterpret_cast<const quint32 *>(strato.nero.constScanLine(y));
        const quint32 *d = reinterpret_cast<const quint32 *>(strato.differenza.constScanLine(y));
        quint32 *r = reinterpret_cast<quint32 *>(risultato.scanLine(y));
        for (int x = 0; x < larghezza; ++x) {
            const quint32 dx = d[x];
            r[x] = n[x] + tabelle[0][(dx >> 16) & 0xFF] + tabelle[1][(dx >> 8) & 0xFF] + tabelle[2][dx & 0xFF];
        }
    }
    return risultato;
}

namespace {

bool coperto(const SvgParti::StratoDisegnato &strato, QPoint punto)
{
    if (!strato.rettangolo().contains(punto))
        return false;
    const QImage &forma = strato.nero.isNull() ? strato.originale : strato.nero;
    return qAlpha(forma.pixel(punto - strato.posizione)) >= 128;
}

} // namespace

bool contieneElemento(const SvgParti &parti, const QString &id, QPoint punto)
{
    const QList<SvgPartiDocumento::Strato> &strati = parti.documento().strati();
    for (int i = 0; i < strati.size(); ++i) {
        if (strati[i].colorabile() && strati[i].id == id && coperto(parti.strati()[i], punto))
            return true;
    }
    return false;
}

int parteNelPunto(const SvgParti &parti, QPoint punto, const VisibilitaGruppi &visibili)
{
    const QList<SvgPartiDocumento::Strato> &strati = parti.documento().strati();
    for (int i = int(strati.size()) - 1; i >= 0; --i) {
        const SvgPartiDocumento::Strato &strato = strati[i];
        if (strato.colorabile() && visibili.mostra(strato.gruppo) && coperto(parti.strati()[i], punto))
            return strato.parte;
    }
    return 0;
}

QRect estensioneDisegno(const SvgParti &parti, const VisibilitaGruppi &visibili)
{
    QRect estensione;
    const QList<SvgPartiDocumento::Strato> &strati = parti.documento().strati();
    for (int i = 0; i < strati.size(); ++i) {
        if (visibili.mostra(strati[i].gruppo))
            estensione |= parti.strati()[i].rettangolo();
    }
    return estensione;
}

std::optional<QPoint> puntoDellaParte(const SvgParti &parti, int parte, const VisibilitaGruppi &visibili)
{
    const int interno = parti.documento().indiceStrato(ElementiCasa::idInterno(parte));
    if (interno < 0)
        return std::nullopt;
    const QRect area = parti.strati()[interno].rettangolo();
    QList<QPoint> punti;
    qint64 sommaX = 0, sommaY = 0;
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        for (int x = area.left(); x <= area.right(); x += 2) {
            if (parteNelPunto(parti, QPoint(x, y), visibili) == parte) {
                punti << QPoint(x, y);
                sommaX += x;
                sommaY += y;
            }
        }
    }
    if (punti.isEmpty())
        return std::nullopt;
    // Points well inside the part, when it has any: a click there is not
    // at the mercy of an edge.
    QList<QPoint> interni;
    for (const QPoint &p : std::as_const(punti)) {
        const QPoint vicini[4] = {p + QPoint(4, 0), p - QPoint(4, 0), p + QPoint(0, 4), p - QPoint(0, 4)};
        if (std::all_of(std::begin(vicini), std::end(vicini),
                        [&](QPoint v) { return parteNelPunto(parti, v, visibili) == parte; }))
            interni << p;
    }
    if (!interni.isEmpty())
        punti = interni;
    // The point nearest the middle of the uncovered area: for a shape in two
    // pieces (two windows) the middle itself may lie between them.
    const QPoint centro(int(sommaX / punti.size()), int(sommaY / punti.size()));
    QPoint migliore = punti.first();
    for (const QPoint &p : std::as_const(punti)) {
        if ((p - centro).manhattanLength() < (migliore - centro).manhattanLength())
            migliore = p;
    }
    return migliore;
}
