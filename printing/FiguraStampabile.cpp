#include "printing/FiguraStampabile.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// The drawing's box inside a rectangle, centred and in its own proportions.
QRectF dentro(const QSvgRenderer &disegno, const QRectF &r)
{
    QSizeF dimensione = disegno.viewBoxF().size();
    if (dimensione.isEmpty())
        return r;
    dimensione.scale(r.size(), Qt::KeepAspectRatio);
    return QRectF(r.center() - QPointF(dimensione.width() / 2, dimensione.height() / 2), dimensione);
}

} // namespace

FiguraStampabile::FiguraStampabile(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

FiguraStampabile::~FiguraStampabile() = default;

void FiguraStampabile::setFile(const QString &percorsoSvg)
{
    m_disegno = std::make_shared<QSvgRenderer>(percorsoSvg);
    update();
}

bool FiguraStampabile::valida() const
{
    return m_disegno && m_disegno->isValid();
}

Stampabile FiguraStampabile::stampabile() const
{
    std::shared_ptr<QSvgRenderer> disegno = m_disegno;
    return {objectName(), size(), [disegno](QPainter &p, const QRectF &r) {
                p.fillRect(r, Qt::white);
                if (disegno && disegno->isValid())
                    disegno->render(&p, dentro(*disegno, r));
            }};
}

void FiguraStampabile::setEvidenziato(bool evidenziato, const QColor &colore)
{
    m_evidenziato = evidenziato;
    if (colore.isValid())
        m_coloreEvidenza = colore;
    update();
}

void FiguraStampabile::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(area, 10, 10);
    if (valida()) {
        const qreal spazio = qMax<qreal>(8.0, width() * 0.05);
        m_disegno->render(&p, dentro(*m_disegno, area.adjusted(spazio, spazio, -spazio, -spazio)));
    }
    if (m_evidenziato) {
        const qreal spessore = qMax<qreal>(6.0, width() * 0.03);
        p.setPen(QPen(m_coloreEvidenza.isValid() ? m_coloreEvidenza : QColor(0xFF, 0x80, 0), spessore));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(area.adjusted(spessore / 2, spessore / 2, -spessore / 2, -spessore / 2), 10, 10);
    }
}

void FiguraStampabile::mouseReleaseEvent(QMouseEvent *evento)
{
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(evento);
}
