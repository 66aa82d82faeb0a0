#include "framework/CorniceScansione.h"

#include "core/ColoriVB.h"
#include "core/Impostazioni.h"
#include "core/Modulo1.h"
#include "platform/Pannello.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr QRgb kLineaScura = qRgb(40, 40, 40);

} // namespace

CorniceScansione::CorniceScansione(QWidget *finestra, std::function<bool()> attiva, std::function<QRect()> riquadro,
                                   std::function<bool()> angoliRetti)
    : QWidget(finestra)
    , m_attiva(std::move(attiva))
    , m_riquadro(std::move(riquadro))
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
    m_colore = v.colore;
    if (!v.mostrata) {
        hide();
        m_zona = QRegion();
        return;
    }
    if (v.riquadro.isEmpty()) {
        // Nothing lit to go round: shown, so that it sees the window's
        // repaints, but it paints nothing.
        m_zona = QRegion();
    } else {
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
    v.colore = coloreVB(Stato().imp.ColorePulsanteSelezionato);
    v.raggio = m_angoliRetti() ? 0.0 : std::min(v.riquadro.width(), v.riquadro.height()) / 6.0;
    return v;
}

bool CorniceScansione::uguale(const Voluta &v) const
{
    return v.mostrata == !isHidden() && v.riquadro == m_dipinto && v.colore == m_colore
        && v.raggio == m_raggio;
}
