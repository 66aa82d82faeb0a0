#include "platform/SvgParti.h"

#include "vocabulary/ElementiCasa.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>
#include <QTimer>
#include <QWidget>

#include <malloc.h>

#include <algorithm>


namespace {

using Variante = SvgPartiDocumento::Variante;

// Renders a layer's variant over the whole picture into a scratch image,
// made once and reused for every layer: a fresh full-size image each time
// costs more in the kernel's page faults than the rendering itself.
const QImage &disegnaVariante(const SvgPartiDocumento &documento, int strato, Variante v, QImage &tela)
{
    tela.fill(Qt::transparent);
    QPainter pittore(&tela);
    pittore.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    documento.renderer(strato, v).render(&pittore, QRectF(QPointF(0, 0), tela.size()));
    return tela;
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

// A paint flat over its shape: black is the shape in black, and white minus
// black is the shape's alpha in every channel.
bool piatto(const QImage &nero, const QImage &differenza)
{
    for (int y = 0; y < nero.height(); ++y) {
        const QRgb *n = reinterpret_cast<const QRgb *>(nero.constScanLine(y));
        const QRgb *d = reinterpret_cast<const QRgb *>(differenza.constScanLine(y));
        for (int x = 0; x < nero.width(); ++x) {
            const quint32 a = qAlpha(n[x]);
            if (n[x] != a << 24 || d[x] != ((a << 16) | (a << 8) | a))
                return false;
        }
    }
    return true;
}

// d * c / 255 for every d, per channel, in the channel's place: mixing a
// colour by its difference image, or by a shape (d its alpha).
struct TabelleColore
{
    explicit TabelleColore(QRgb colore)
    {
        const int rgb[3] = {qRed(colore), qGreen(colore), qBlue(colore)};
        for (int c = 0; c < 3; ++c) {
            const int spostamento = 16 - 8 * c;
            for (int d = 0; d < 256; ++d)
                valori[c][d] = quint32((d * rgb[c] + 127) / 255) << spostamento;
        }
    }
    // The pixel of a flat paint in the colour where its shape has alpha a.
    quint32 suForma(uchar a) const { return (quint32(a) << 24) + valori[0][a] + valori[1][a] + valori[2][a]; }
    quint32 valori[3][256];
};

// The shape in a colour, with no pixels of its own: an indexed view of the
// mask's bytes whose table holds the colour at every coverage. Each entry is
// chosen so that the painter, premultiplying it, gets exactly the pixel
// TabelleColore gives (its rounding differs from ours for a few values).
QImage vistaForma(const QImage &forma, QRgb colore, qreal rapporto)
{
    const TabelleColore tabelle(colore);
    QList<QRgb> tabella(256);
    for (int a = 0; a < 256; ++a) {
        const quint32 voluto = tabelle.suForma(uchar(a));
        int canali[3];
        for (int c = 0; c < 3; ++c) {
            const int spostamento = 16 - 8 * c;
            const int obiettivo = int((voluto >> spostamento) & 0xFF);
            const int proprio = int((colore >> spostamento) & 0xFF);
            canali[c] = proprio;
            for (int passo = 0; passo < 256; ++passo) {
                const int provato = qBound(0, proprio + ((passo & 1) ? -(passo + 1) / 2 : passo / 2), 255);
                if (int((qPremultiply(qRgba(provato, 0, 0, a)) >> 16) & 0xFF) == obiettivo) {
                    canali[c] = provato;
                    break;
                }
            }
        }
        tabella[a] = qRgba(canali[0], canali[1], canali[2], a);
    }
    QImage vista(forma.constBits(), forma.width(), forma.height(), forma.bytesPerLine(), QImage::Format_Indexed8);
    vista.setColorTable(tabella);
    vista.setDevicePixelRatio(rapporto);
    return vista;
}

// The colour whose shape gives every pixel of the image exactly, if any.
std::optional<QRgb> tintaUnita(const QImage &immagine, const QImage &forma)
{
    // The colour as the most opaque pixel shows it (exact at full alpha).
    QRgb piuCoperto = 0;
    for (int y = 0; y < immagine.height() && qAlpha(piuCoperto) < 255; ++y) {
        const QRgb *p = reinterpret_cast<const QRgb *>(immagine.constScanLine(y));
        for (int x = 0; x < immagine.width(); ++x) {
            if (qAlpha(p[x]) > qAlpha(piuCoperto))
                piuCoperto = p[x];
        }
    }
    const int alfa = qAlpha(piuCoperto);
    if (alfa == 0)
        return std::nullopt;
    const auto canale = [alfa](int v) { return qMin(255, (v * 255 + alfa / 2) / alfa); };
    const QRgb candidato = qRgb(canale(qRed(piuCoperto)), canale(qGreen(piuCoperto)), canale(qBlue(piuCoperto)));
    const TabelleColore tabelle(candidato);
    for (int y = 0; y < immagine.height(); ++y) {
        const quint32 *p = reinterpret_cast<const quint32 *>(immagine.constScanLine(y));
        const uchar *f = forma.constScanLine(y);
        for (int x = 0; x < immagine.width(); ++x) {
            if (p[x] != tabelle.suForma(f[x]))
                return std::nullopt;
        }
    }
    return candidato;
}

// Gives the heap's free pages back to the system once the event loop is
// back: after a window and its pictures are gone, and after layers are
// made, whose full-size scratch renderings glibc otherwise keeps (its
// threshold for giving big blocks straight back grows with the first one
// freed), tens of MB over a morning.
void restituisciMemoriaLibera()
{
    static bool inAttesa = false;
    if (inAttesa || !QCoreApplication::instance())
        return;
    inAttesa = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        inAttesa = false;
        malloc_trim(0);
    });
}

// Sets in use anywhere, by document, size and ratio; nothing here keeps one
// alive.
QHash<QString, std::weak_ptr<const SvgParti>> &partiInUso()
{
    static QHash<QString, std::weak_ptr<const SvgParti>> inUso;
    return inUso;
}

// What a window keeps: every set one of its pictures asked for, while some
// picture of the window shows that size, so a picture that loads the blank
// house and then the painted one again between two items finds both made.
// It dies with the window, and the sets with it unless another window
// holds them.
class RiservaFinestra : public QObject
{
public:
    explicit RiservaFinestra(QWidget *finestra)
        : QObject(finestra)
    {
    }
    ~RiservaFinestra() override
    {
        m_parti.clear();
        restituisciMemoriaLibera();
    }

    static RiservaFinestra &di(QWidget *finestra)
    {
        static QHash<QWidget *, QPointer<RiservaFinestra>> riserve;
        QPointer<RiservaFinestra> &riserva = riserve[finestra];
        if (!riserva) {
            riserva = new RiservaFinestra(finestra);
            // The window's address may come back for another window.
            connect(riserva, &QObject::destroyed, [finestra] { riserve.remove(finestra); });
        }
        return *riserva;
    }

    void tieni(const QWidget *immagine, const QString &chiave, const QString &misura,
               const std::shared_ptr<const SvgParti> &parti)
    {
        if (!m_misure.contains(immagine)) {
            connect(immagine, &QObject::destroyed, this, [this, immagine] {
                m_misure.remove(immagine);
                sfoltisci();
            });
        }
        m_misure.insert(immagine, misura);
        m_parti.insert(chiave, {misura, parti});
        sfoltisci();
    }

private:
    // Drops the sets of a size no picture of the window shows any more.
    void sfoltisci()
    {
        for (auto it = m_parti.begin(); it != m_parti.end();) {
            const bool usata = std::any_of(m_misure.cbegin(), m_misure.cend(),
                                           [&](const QString &m) { return m == it->first; });
            it = usata ? std::next(it) : m_parti.erase(it);
        }
    }

    QHash<const QWidget *, QString> m_misure; // per picture, the size it shows
    QHash<QString, std::pair<QString, std::shared_ptr<const SvgParti>>> m_parti; // by key: size and set
};

} // namespace

SvgParti::SvgParti(std::shared_ptr<const SvgPartiDocumento> documento, QSize dimensione, qreal rapporto)
    : m_documento(std::move(documento))
    , m_dimensione(dimensione)
    , m_rapporto(rapporto)
{
    const QList<SvgPartiDocumento::Strato> &strati = m_documento->strati();
    m_strati.reserve(strati.size());
    QImage originale(dimensione, QImage::Format_ARGB32_Premultiplied);
    QImage nero, bianco;
    for (int i = 0; i < strati.size(); ++i) {
        StratoDisegnato disegnato;
        disegnato.colorabile = strati[i].colorabile();
        disegnaVariante(*m_documento, i, Variante::Originale, originale);
        QRect area = areaUsata(originale);
        if (disegnato.colorabile) {
            if (nero.isNull()) {
                nero = QImage(dimensione, QImage::Format_ARGB32_Premultiplied);
                bianco = QImage(dimensione, QImage::Format_ARGB32_Premultiplied);
            }
            disegnaVariante(*m_documento, i, Variante::Nero, nero);
            disegnaVariante(*m_documento, i, Variante::Bianco, bianco);
            area |= areaUsata(nero) | areaUsata(bianco);
        }
        if (!area.isEmpty()) {
            disegnato.posizione = area.topLeft();
            QImage proprio = originale.copy(area);
            if (disegnato.colorabile) {
                QImage n = nero.copy(area);
                QImage d = differenza(n, bianco.copy(area));
                disegnato.forma = n.convertToFormat(QImage::Format_Alpha8);
                if (!piatto(n, d)) {
                    disegnato.nero = n;
                    disegnato.nero.setDevicePixelRatio(rapporto);
                    disegnato.differenza = d;
                }
            } else {
                disegnato.forma = proprio.convertToFormat(QImage::Format_Alpha8);
            }
            if (const std::optional<QRgb> tinta = tintaUnita(proprio, disegnato.forma)) {
                disegnato.coloreProprio = *tinta;
            } else {
                disegnato.originale = proprio;
                disegnato.originale.setDevicePixelRatio(rapporto);
            }
        }
        m_strati.append(disegnato);
    }
}

std::shared_ptr<const SvgParti> SvgParti::per(const std::shared_ptr<const SvgPartiDocumento> &documento,
                                              QSize dimensione, qreal rapporto, const QWidget *immagine)
{
    const QString misura = QStringLiteral("%1x%2|%3").arg(dimensione.width()).arg(dimensione.height()).arg(rapporto);
    const QString chiave = QString::number(quintptr(documento.get())) + QLatin1Char('|') + misura;
    QHash<QString, std::weak_ptr<const SvgParti>> &inUso = partiInUso();
    std::shared_ptr<const SvgParti> parti = inUso.value(chiave).lock();
    // The key names the document by its address: a set still alive keeps its
    // document alive, so a live set found here is of this very document.
    if (!parti || parti->m_documento != documento) {
        parti.reset(new SvgParti(documento, dimensione, rapporto));
        restituisciMemoriaLibera();
        inUso.insert(chiave, parti);
        for (auto it = inUso.begin(); it != inUso.end();)
            it = it->expired() ? inUso.erase(it) : std::next(it);
    }
    if (immagine)
        RiservaFinestra::di(immagine->window()).tieni(immagine, chiave, misura, parti);
    return parti;
}

QImage SvgParti::immagine(int indice, std::optional<QRgb> colore) const
{
    const StratoDisegnato &strato = m_strati.at(indice);
    if (!colore || !strato.colorabile) {
        if (!strato.originale.isNull() || strato.forma.isNull())
            return strato.originale;
        return vistaForma(strato.forma, strato.coloreProprio, m_rapporto);
    }
    if (strato.nero.isNull())
        return vistaForma(strato.forma, *colore, m_rapporto);
    return mescolato(indice, *colore);
}

QImage SvgParti::mescolato(int indice, QRgb colore) const
{
    const quint64 chiave = (quint64(quint32(indice)) << 32) | quint32(colore | 0xFF000000u);
    auto trovato = m_colorati.constFind(chiave);
    if (trovato != m_colorati.constEnd())
        return *trovato;
    // What no picture holds any more goes: a picture repainted in new
    // colours has let go of its old ones.
    for (auto it = m_colorati.begin(); it != m_colorati.end();)
        it = it->isDetached() ? m_colorati.erase(it) : std::next(it);
    return *m_colorati.insert(chiave, colora(m_strati.at(indice), colore, m_rapporto));
}

bool VisibilitaGruppi::mostra(int gruppo) const
{
    if (gruppo == ElementiCasa::kFumo)
        return fumo;
    if (gruppo == ElementiCasa::kNuvole)
        return nuvole;
    return true;
}

QImage colora(const SvgParti::StratoDisegnato &strato, QRgb colore, qreal rapporto)
{
    if (!strato.colorabile)
        return strato.originale.isNull() && !strato.forma.isNull()
            ? vistaForma(strato.forma, strato.coloreProprio, rapporto)
            : strato.originale;
    if (strato.nero.isNull())
        return vistaForma(strato.forma, colore, rapporto);
    const TabelleColore tabelle(colore);
    QImage risultato(strato.nero.size(), QImage::Format_ARGB32_Premultiplied);
    risultato.setDevicePixelRatio(rapporto);
    const int larghezza = risultato.width();
    for (int y = 0; y < risultato.height(); ++y) {
        const quint32 *n = reinterpret_cast<const quint32 *>(strato.nero.constScanLine(y));
        const quint32 *d = reinterpret_cast<const quint32 *>(strato.differenza.constScanLine(y));
        quint32 *r = reinterpret_cast<quint32 *>(risultato.scanLine(y));
        for (int x = 0; x < larghezza; ++x) {
            const quint32 dx = d[x];
            r[x] = n[x] + tabelle.valori[0][(dx >> 16) & 0xFF] + tabelle.valori[1][(dx >> 8) & 0xFF]
                + tabelle.valori[2][dx & 0xFF];
        }
    }
    return risultato;
}

namespace {

bool coperto(const SvgParti::StratoDisegnato &strato, QPoint punto)
{
    if (!strato.rettangolo().contains(punto))
        return false;
    const QPoint p = punto - strato.posizione;
    return strato.forma.constScanLine(p.y())[p.x()] >= 128;
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
