#include "framework/Cornice.h"

#include <QPainter>

Cornice::Cornice(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Cornice::setColoreBordo(const QColor &colore)
{
    if (colore == m_colore)
        return;
    m_colore = colore;
    update();
}

void Cornice::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // A border about a tenth of the side, so it reads at a glance however
    // small the frame is drawn.
    const qreal bordo = qMax<qreal>(3.0, qMin(width(), height()) / 10.0);
    const QRectF r = QRectF(rect()).adjusted(bordo / 2, bordo / 2, -bordo / 2, -bordo / 2);
    p.setPen(QPen(m_colore, bordo, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal raggio = qMin(r.width(), r.height()) / 6.0;
    p.drawRoundedRect(r, raggio, raggio);
}
