#include "layout/Linea.h"

#include "layout/ScalaLayout.h"

#include <QPainter>
#include <QPen>

Linea::Linea(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    aggiornaGeometria();
}

void Linea::setEstremi(const QLine &estremi)
{
    m_estremi = estremi;
    aggiornaGeometria();
    update();
}

void Linea::setEstremiTwips(int x1, int y1, int x2, int y2)
{
    setEstremi(pixelDaTwips(x1), pixelDaTwips(y1), pixelDaTwips(x2), pixelDaTwips(y2));
}

void Linea::setColore(const QColor &colore)
{
    m_colore = colore;
    update();
}

void Linea::setSpessore(int pixel)
{
    m_spessore = qMax(1, pixel);
    aggiornaGeometria();
    update();
}

void Linea::aggiornaGeometria()
{
    // Room for half the pen on every side, so thick lines and their ends
    // are not clipped by the widget's own edges.
    const int margine = m_spessore / 2 + 1;
    const QPoint altoSinistra(qMin(m_estremi.x1(), m_estremi.x2()), qMin(m_estremi.y1(), m_estremi.y2()));
    const QPoint bassoDestra(qMax(m_estremi.x1(), m_estremi.x2()), qMax(m_estremi.y1(), m_estremi.y2()));
    const QRect scatola(altoSinistra, bassoDestra);
    setGeometry(scatola.adjusted(-margine, -margine, margine, margine));
}

void Linea::paintEvent(QPaintEvent *)
{
    QPainter pittore(this);
    QPen penna(m_colore, m_spessore, Qt::SolidLine, Qt::SquareCap);
    pittore.setPen(penna);
    pittore.drawLine(m_estremi.translated(-pos()));
}
