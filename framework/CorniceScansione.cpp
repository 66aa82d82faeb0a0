#include "framework/CorniceScansione.h"

#include "core/ColoriVB.h"
#include "core/Impostazioni.h"
#include "core/Modulo1.h"
#include "platform/Pannello.h"

#include <QBitmap>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <vector>

namespace {

constexpr QRgb kLineaScura = qRgb(40, 40, 40);
// Rows of a shape's frame painted in one call.
constexpr int kRigheBanda = 16;

// The frame around a shape: every pixel outside it within spessore pixels
// (a chamfer distance, close to the true one) in the highlight colour, with
// a one-pixel dark line along the shape and along the outer edge. The
// image is the shape's size plus spessore + 1 on every side.
QImage corniceDellaForma(const QImage &forma, int spessore, QColor colore)
{
    const int margine = spessore + 1;
    const int w = forma.width() + 2 * margine;
    const int h = forma.height() + 2 * margine;
    constexpr int kLontano = 1 << 28;
    // Distances in thirds of a pixel: 3 along a row or column, 4 across.
    std::vector<int> d(size_t(w) * size_t(h), kLontano);
    const QImage alfa = forma.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < alfa.height(); ++y) {
        const QRgb *riga = reinterpret_cast<const QRgb *>(alfa.constScanLine(y));
        for (int x = 0; x < alfa.width(); ++x) {
            if (qAlpha(riga[x]) >= 128)
                d[size_t(y + margine) * w + size_t(x + margine)] = 0;
        }
    }
    const auto at = [&](int x, int y) -> int & { return d[size_t(y) * w + size_t(x)]; };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int &v = at(x, y);
            if (x > 0)
                v = std::min(v, at(x - 1, y) + 3);
            if (y > 0) {
                v = std::min(v, at(x, y - 1) + 3);
                if (x > 0)
                    v = std::min(v, at(x - 1, y - 1) + 4);
                if (x + 1 < w)
                    v = std::min(v, at(x + 1, y - 1) + 4);
            }
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = w - 1; x >= 0; --x) {
            int &v = at(x, y);
            if (x + 1 < w)
                v = std::min(v, at(x + 1, y) + 3);
            if (y + 1 < h) {
                v = std::min(v, at(x, y + 1) + 3);
                if (x + 1 < w)
                    v = std::min(v, at(x + 1, y + 1) + 4);
                if (x > 0)
                    v = std::min(v, at(x - 1, y + 1) + 4);
            }
        }
    }
    QImage cornice(w, h, QImage::Format_ARGB32_Premultiplied);
    cornice.fill(Qt::transparent);
    const QRgb pieno = colore.rgb();
    for (int y = 0; y < h; ++y) {
        QRgb *riga = reinterpret_cast<QRgb *>(cornice.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int v = at(x, y);
            if (v == 0 || v > 3 * margine)
                continue;
            riga[x] = v <= 3 || v > 3 * spessore ? kLineaScura : pieno;
        }
    }
    return cornice;
}

} // namespace

CorniceScansione::CorniceScansione(QWidget *finestra, std::function<bool()> attiva, std::function<QRect()> riquadro,
                                   std::function<QImage()> forma, std::function<bool()> angoliRetti)
    : QWidget(finestra)
    , m_attiva(std::move(attiva))
    , m_riquadro(std::move(riquadro))
    , m_forma(std::move(forma))
    , m_angoliRetti(std::move(angoliRetti))
{
    setObjectName(QStringLiteral("CorniceScansione"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // It always covers the whole window: the rescaling of the controls
    // must leave it alone.
    setProperty("senzaPosizione", true);
    setGeometry(finestra->rect());
    finestra->installEventFilter(this);
    hide();
}

void CorniceScansione::impostaSpessore(int pixel)
{
    if (pixel == m_spessore)
        return;
    m_spessore = pixel;
    m_dipinto = QRect();
    aggiorna();
}

void CorniceScansione::aggiorna()
{
    m_verificaChiesta = false;
    // Under a panel the frame stays where it is, below the panel.
    if (copertoDaPannello(this))
        return;
    if (geometry() != parentWidget()->rect()) {
        setGeometry(parentWidget()->rect());
        m_dipinto = QRect();
    }
    const Voluta v = voluta();
    if (uguale(v))
        return;
    // Where the frame was is painted again, the window showing through.
    if (isVisible())
        update(m_zona);
    m_dipinto = v.riquadro;
    m_raggio = v.raggio;
    m_formaDipinta = v.forma;
    m_colore = v.colore;
    if (!v.mostrata) {
        hide();
        m_zona = QRegion();
        m_cornice = QImage();
        return;
    }
    if (v.riquadro.isEmpty()) {
        // Nothing lit to go round: shown, so that it sees the window's
        // repaints, but it paints nothing.
        m_zona = QRegion();
        m_cornice = QImage();
    } else if (!v.forma.isNull()) {
        m_cornice = corniceDellaForma(v.forma, m_spessore, v.colore);
        m_origine = v.riquadro.topLeft() - QPoint(m_spessore + 1, m_spessore + 1);
        m_zona = QRegion(QBitmap::fromImage(m_cornice.createAlphaMask())).translated(m_origine);
    } else {
        m_cornice = QImage();
        // The rounded corners of the frame lie inside the rectangle.
        const int dentro = int(m_raggio) + 1;
        m_zona = QRegion(v.riquadro.adjusted(-m_spessore - 1, -m_spessore - 1, m_spessore + 1, m_spessore + 1))
            - QRegion(v.riquadro.adjusted(dentro, dentro, -dentro, -dentro));
    }
    raise();
    show();
    update(m_zona);
}

bool CorniceScansione::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == parent() && evento->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        m_dipinto = QRect();
        aggiorna();
    }
    return false;
}

void CorniceScansione::paintEvent(QPaintEvent *evento)
{
    // Something in the window was painted again: if what is lit moved
    // or changed, the frame follows once this repaint is over.
    if (!m_verificaChiesta && !uguale(voluta())) {
        m_verificaChiesta = true;
        QMetaObject::invokeMethod(this, [this] { aggiorna(); }, Qt::QueuedConnection);
    }
    if (m_dipinto.isEmpty() || !evento->region().intersects(m_zona))
        return;
    QPainter pittore(this);
    pittore.setClipRegion(evento->region() & m_zona);
    if (!m_cornice.isNull()) {
        // A few rows at a time: the raster engine hands a clipped blend of
        // many rows to the thread pool, and in automatic scanning the frame
        // is painted again at every step.
        const QRect dove = (evento->region() & m_zona).boundingRect() & QRect(m_origine, m_cornice.size());
        for (int y = dove.top(); y <= dove.bottom(); y += kRigheBanda) {
            const QRect banda(dove.left(), y, dove.width(), std::min(kRigheBanda, dove.bottom() + 1 - y));
            pittore.drawImage(banda.topLeft(), m_cornice, banda.translated(-m_origine));
        }
        return;
    }
    // Rounded as the program's buttons are, hugging their corners (or square).
    const qreal s = m_spessore;
    const qreal r = m_raggio;
    QPainterPath esterno;
    const qreal fuori = r > 0 ? r + s : 0;
    esterno.addRoundedRect(QRectF(m_dipinto).adjusted(-s + 0.5, -s + 0.5, s - 0.5, s - 0.5), fuori, fuori);
    QPainterPath interno;
    interno.addRoundedRect(QRectF(m_dipinto).adjusted(0.5, 0.5, -0.5, -0.5), r, r);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.fillPath(esterno.subtracted(interno), m_colore);
    pittore.setPen(QPen(QColor(kLineaScura), 1.0));
    pittore.setBrush(Qt::NoBrush);
    pittore.drawPath(esterno);
    pittore.drawPath(interno);
}

CorniceScansione::Voluta CorniceScansione::voluta() const
{
    Voluta v;
    v.mostrata = m_spessore > 0 && m_attiva();
    if (!v.mostrata)
        return v;
    v.riquadro = m_riquadro();
    if (v.riquadro.isEmpty())
        return v;
    v.forma = m_forma();
    if (v.forma.size() != v.riquadro.size())
        v.forma = QImage();
    v.colore = coloreVB(Stato().imp.ColorePulsanteSelezionato);
    v.raggio = m_angoliRetti() ? 0.0 : std::min(v.riquadro.width(), v.riquadro.height()) / 6.0;
    return v;
}

bool CorniceScansione::uguale(const Voluta &v) const
{
    // The same shape is mostly the same image; another image with the
    // same pixels is the same shape too.
    const bool stessaForma = v.forma.cacheKey() == m_formaDipinta.cacheKey() || v.forma == m_formaDipinta;
    return v.mostrata == !isHidden() && v.riquadro == m_dipinto && stessaForma && v.colore == m_colore
        && v.raggio == m_raggio;
}
