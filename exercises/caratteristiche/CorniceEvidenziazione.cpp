#include "exercises/caratteristiche/CorniceEvidenziazione.h"

#include "core/Lingua.h"

#include <QPainter>
#include <QRegion>

CorniceEvidenziazione::CorniceEvidenziazione(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(MLSGetText(QStringLiteral("0331")));
}

void CorniceEvidenziazione::setBorderColor(const QColor &colore)
{
    if (colore == m_colore)
        return;
    m_colore = colore;
    update();
}

void CorniceEvidenziazione::setBorderWidth(int pixel)
{
    pixel = qMax(1, pixel);
    if (pixel == m_spessore)
        return;
    m_spessore = pixel;
    aggiornaMaschera();
    update();
}

void CorniceEvidenziazione::circonda(const QRect &rettangolo)
{
    setGeometry(rettangolo.adjusted(-m_spessore, -m_spessore, m_spessore, m_spessore));
}

void CorniceEvidenziazione::resizeEvent(QResizeEvent *evento)
{
    QWidget::resizeEvent(evento);
    aggiornaMaschera();
}

void CorniceEvidenziazione::aggiornaMaschera()
{
    const QRect esterno = rect();
    const QRect interno = esterno.adjusted(m_spessore, m_spessore, -m_spessore, -m_spessore);
    setMask(interno.isValid() ? QRegion(esterno).subtracted(QRegion(interno)) : QRegion(esterno));
}

void CorniceEvidenziazione::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_colore);
}
