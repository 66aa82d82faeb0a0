#include "menu/Immagine.h"

#include "core/Percorsi.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

Immagine::Immagine(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

Immagine::~Immagine() = default;

void Immagine::setFile(const QString &fileSvg)
{
    m_disegno.reset();
    if (!fileSvg.isEmpty() && EsisteFile(fileSvg)) {
        auto disegno = std::make_unique<QSvgRenderer>(Percorsi::risolvi(fileSvg));
        if (disegno->isValid())
            m_disegno = std::move(disegno);
    }
    update();
}

bool Immagine::haImmagine() const
{
    return m_disegno != nullptr;
}

QRectF Immagine::areaDisegno() const
{
    if (!m_disegno)
        return QRectF();
    QSizeF dimensione = m_disegno->defaultSize();
    if (dimensione.isEmpty())
        dimensione = m_disegno->viewBoxF().size();
    dimensione.scale(size(), Qt::KeepAspectRatio);
    QRectF area(QPointF(), dimensione);
    area.moveCenter(QRectF(rect()).center());
    return area;
}

void Immagine::paintEvent(QPaintEvent *)
{
    if (!m_disegno)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    m_disegno->render(&p, areaDisegno());
}

void Immagine::mousePressEvent(QMouseEvent *evento)
{
    m_premuta = evento->button() == Qt::LeftButton;
    evento->accept();
}

void Immagine::mouseReleaseEvent(QMouseEvent *evento)
{
    const bool clic = m_premuta && evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint());
    m_premuta = false;
    evento->accept();
    if (clic)
        emit clicked();
}
