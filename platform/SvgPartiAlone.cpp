#include "platform/SvgParti.h"

#include "vocabulary/ElementiCasa.h"

#include <algorithm>
#include <cmath>
#include <vector>

// The band of a lit part: where it may lie inside the part, and its pixels
// in a colour.

namespace {

// Distances kept in a band's map: 255 thirds of a pixel reach well past the
// broadest band.
constexpr int kDistanzaMassima = 255;
constexpr QRgb kLineaScura = qRgb(40, 40, 40);

// Whether a layer covers a point of the picture at least half.
bool copreMeta(const SvgParti::StratoDisegnato &strato, QPoint punto)
{
    if (strato.forma.isNull() || !strato.rettangolo().contains(punto))
        return false;
    const QPoint p = punto - strato.posizione;
    return strato.forma.constScanLine(p.y())[p.x()] >= 128;
}

// Squared Euclidean distances to the nearest seed (0 in f; every other
// cell a large value) over a w x h grid, row by row and then column by
// column, each pass the lower envelope of parabolas of one line.
std::vector<double> distanzeQuadrate(const std::vector<double> &f, int w, int h)
{
    constexpr double kInfinito = 1e20;
    std::vector<double> d(f);
    const auto passo = [](const double *in, double *out, int n, int salto, std::vector<int> &v,
                          std::vector<double> &z, std::vector<double> &riga) {
        for (int q = 0; q < n; ++q)
            riga[size_t(q)] = in[size_t(q) * size_t(salto)];
        const auto incrocio = [&](int q, int r) {
            return ((riga[size_t(q)] + double(q) * q) - (riga[size_t(r)] + double(r) * r)) / (2.0 * (q - r));
        };
        int k = 0;
        v[0] = 0;
        z[0] = -kInfinito;
        z[1] = kInfinito;
        for (int q = 1; q < n; ++q) {
            double s = incrocio(q, v[size_t(k)]);
            while (s <= z[size_t(k)]) {
                --k;
                s = incrocio(q, v[size_t(k)]);
            }
            ++k;
            v[size_t(k)] = q;
            z[size_t(k)] = s;
            z[size_t(k) + 1] = kInfinito;
        }
        k = 0;
        for (int q = 0; q < n; ++q) {
            while (z[size_t(k) + 1] < q)
                ++k;
            const int r = v[size_t(k)];
            out[size_t(q) * size_t(salto)] = double(q - r) * (q - r) + riga[size_t(r)];
        }
    };
    const int n = std::max(w, h);
    std::vector<int> v(static_cast<size_t>(n) + 1);
    std::vector<double> z(static_cast<size_t>(n) + 2);
    std::vector<double> riga(static_cast<size_t>(n));
    for (int y = 0; y < h; ++y)
        passo(d.data() + size_t(y) * size_t(w), d.data() + size_t(y) * size_t(w), w, 1, v, z, riga);
    for (int x = 0; x < w; ++x)
        passo(d.data() + x, d.data() + x, h, w, v, z, riga);
    return d;
}

} // namespace

const SvgParti::Alone &SvgParti::alone(int parte) const
{
    const auto trovato = m_aloni.constFind(parte);
    if (trovato != m_aloni.constEnd())
        return *trovato;
    Alone alone;
    const int interno = m_documento->indiceStrato(ElementiCasa::idInterno(parte));
    const int contorno = m_documento->indiceStrato(ElementiCasa::idContorno(parte));
    if (interno >= 0 && !m_strati[interno].forma.isNull()) {
        const StratoDisegnato &fondo = m_strati[interno];
        const StratoDisegnato *linea =
            contorno >= 0 && !m_strati[contorno].forma.isNull() ? &m_strati[contorno] : nullptr;
        // One pixel of margin, so the edge of the part always has an outside.
        QRect area = fondo.rettangolo();
        if (linea)
            area |= linea->rettangolo();
        area.adjust(-1, -1, 1, 1);
        const qreal scala = m_dimensione.width() / m_documento->viewBox().width();
        alone.tratto = linea ? qRound(3 * m_documento->larghezzaTratto(contorno) * scala) : 0;
        // The parts drawn after this one: where they cover it, its band stops.
        QList<int> sopra;
        for (int j = std::max(interno, contorno) + 1; j < m_strati.size(); ++j) {
            const SvgPartiDocumento::Strato &s = m_documento->strati()[j];
            if (s.colorabile() && s.parte != parte && !m_strati[j].forma.isNull()
                && m_strati[j].rettangolo().intersects(area))
                sopra << j;
        }
        // Two distances, both exact: from outside the part, and from where
        // a later part covers it (plus one outline width there).
        const int w = area.width(), h = area.height();
        constexpr double kLontano = 1e20;
        std::vector<double> daFuori(size_t(w) * size_t(h), kLontano);
        std::vector<double> daSopra(size_t(w) * size_t(h), kLontano);
        bool coperta = false;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const QPoint punto = area.topLeft() + QPoint(x, y);
                const size_t i = size_t(y) * size_t(w) + size_t(x);
                if (!copreMeta(fondo, punto) && !(linea && copreMeta(*linea, punto))) {
                    daFuori[i] = 0;
                } else if (std::any_of(sopra.cbegin(), sopra.cend(),
                                       [&](int j) { return copreMeta(m_strati[j], punto); })) {
                    daSopra[i] = 0;
                    coperta = true;
                }
            }
        }
        daFuori = distanzeQuadrate(daFuori, w, h);
        if (coperta)
            daSopra = distanzeQuadrate(daSopra, w, h);
        std::vector<int> d(size_t(w) * size_t(h));
        for (size_t i = 0; i < d.size(); ++i) {
            double v = 3 * std::sqrt(daFuori[i]);
            if (coperta)
                v = std::min(v, 3 * std::sqrt(daSopra[i]) + alone.tratto);
            d[i] = int(std::lround(std::min(v, double(kDistanzaMassima))));
        }
        alone.posizione = fondo.posizione;
        alone.distanza = QImage(fondo.forma.size(), QImage::Format_Alpha8);
        for (int y = 0; y < fondo.forma.height(); ++y) {
            uchar *riga = alone.distanza.scanLine(y);
            const uchar *copertura = fondo.forma.constScanLine(y);
            const int dy = fondo.posizione.y() + y - area.top();
            for (int x = 0; x < fondo.forma.width(); ++x) {
                const int dx = fondo.posizione.x() + x - area.left();
                const int v = copertura[x] == 0 ? 0 : std::min(kDistanzaMassima, d[size_t(dy) * size_t(w) + size_t(dx)]);
                riga[x] = uchar(v);
                alone.profondita = std::max(alone.profondita, v);
            }
        }
    }
    return *m_aloni.insert(parte, alone);
}

QImage coloraAlone(const SvgParti &parti, int parte, QRgb colore, int larghezza, std::optional<QRgb> contrasto)
{
    const SvgParti::Alone &alone = parti.alone(parte);
    const int interno = parti.documento().indiceStrato(ElementiCasa::idInterno(parte));
    if (alone.distanza.isNull() || interno < 0)
        return {};
    const QImage &copertura = parti.strati()[interno].forma;
    // In thirds of a pixel: the band never takes more than half of what the
    // part shows inside its outline, so its own colour stays in the middle.
    const int dentro = std::max(0, alone.profondita - alone.tratto);
    const int banda = std::max(3, std::min(3 * larghezza, dentro / 2));
    const int fine = alone.tratto + banda;
    const int linea = std::max(3, banda / 5);
    const qreal rapporto = parti.rapporto();
    const int passoStrisce = std::max(2, qRound(3 * rapporto));
    QImage risultato(alone.distanza.size(), QImage::Format_ARGB32_Premultiplied);
    risultato.setDevicePixelRatio(rapporto);
    for (int y = 0; y < risultato.height(); ++y) {
        const uchar *d = alone.distanza.constScanLine(y);
        const uchar *c = copertura.constScanLine(y);
        QRgb *r = reinterpret_cast<QRgb *>(risultato.scanLine(y));
        const int gy = alone.posizione.y() + y;
        for (int x = 0; x < risultato.width(); ++x) {
            const int v = d[x];
            if (c[x] == 0 || v > fine + 3) {
                r[x] = 0;
                continue;
            }
            QRgb tinta = contrasto && ((alone.posizione.x() + x + gy) / passoStrisce) % 2 == 1 ? *contrasto : colore;
            int alfa = c[x];
            // Over one pixel the band turns into the dark line; the line's
            // last pixel fades into the fill.
            if (v > fine - linea) {
                const int scuro = std::min(3, v - (fine - linea));
                const auto misto = [scuro](int chiaro, int nero) { return (chiaro * (3 - scuro) + nero * scuro) / 3; };
                tinta = qRgb(misto(qRed(tinta), qRed(kLineaScura)), misto(qGreen(tinta), qGreen(kLineaScura)),
                             misto(qBlue(tinta), qBlue(kLineaScura)));
                if (v > fine)
                    alfa = alfa * (fine + 3 - v) / 3;
            }
            r[x] = qPremultiply(qRgba(qRed(tinta), qGreen(tinta), qBlue(tinta), alfa));
        }
    }
    return risultato;
}
