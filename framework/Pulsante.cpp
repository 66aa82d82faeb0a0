#include "framework/Pulsante.h"

#include "core/Percorsi.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

Pulsante::Pulsante(QWidget *parent)
    : QPushButton(parent)
    , m_sfondo(palette().color(QPalette::Button))
    , m_testo(palette().color(QPalette::ButtonText))
{
    setFocusPolicy(Qt::NoFocus); // the key catchers hold the keyboard focus
}

Pulsante::~Pulsante() = default;

void Pulsante::setColoreSfondo(const QColor &colore)
{
    if (colore == m_sfondo)
        return;
    m_sfondo = colore;
    update();
}

void Pulsante::setEvidenziato(bool evidenziato)
{
    if (evidenziato == m_evidenziato)
        return;
    m_evidenziato = evidenziato;
    update();
}

void Pulsante::setColoreTesto(const QColor &colore)
{
    if (colore == m_testo)
        return;
    m_testo = colore;
    update();
}

void Pulsante::setImmagine(const QString &fileSvg)
{
    m_immagine.reset();
    if (!fileSvg.isEmpty()) {
        auto renderer = std::make_unique<QSvgRenderer>(Percorsi::risolvi(fileSvg));
        if (renderer->isValid())
            m_immagine = std::move(renderer);
    }
    update();
}

bool Pulsante::haImmagine() const
{
    return m_immagine != nullptr;
}

void Pulsante::setImmagineVisibile(bool visibile)
{
    m_immagineVisibile = visibile;
    update();
}

void Pulsante::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal bordo = qMax<qreal>(2.0, qMin(width(), height()) / 40.0);
    const QRectF faccia = QRectF(rect()).adjusted(bordo / 2, bordo / 2, -bordo / 2, -bordo / 2);
    const qreal raggio = qMin(faccia.width(), faccia.height()) / 6.0;

    QColor colore = m_sfondo;
    if (isDown())
        colore = colore.darker(115);
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), bordo));
    p.setBrush(colore);
    p.drawRoundedRect(faccia, raggio, raggio);

    if (!isEnabled() && !m_evidenziato)
        p.setOpacity(0.35);

    // A caption set in a font too small to read (one point, the way a window
    // leaves only the pictures while keeping the words) takes no room and
    // is not drawn.
    const QString didascalia = font().pointSizeF() >= 4 || font().pointSizeF() <= 0 ? text() : QString();
    const bool conImmagine = m_immagine && m_immagineVisibile;
    QRectF area = faccia.adjusted(raggio / 2, bordo, -raggio / 2, -bordo);
    QRectF areaTesto = area;
    if (conImmagine) {
        QRectF areaImmagine = area;
        if (!didascalia.isEmpty()) {
            const qreal altezzaTesto = fontMetrics().height() * (didascalia.count(QLatin1Char('\n')) + 1);
            areaImmagine.setBottom(area.bottom() - altezzaTesto);
            areaTesto.setTop(areaImmagine.bottom());
        }
        QSizeF dimensione = m_immagine->defaultSize();
        dimensione.scale(areaImmagine.size() * 0.9, Qt::KeepAspectRatio);
        QRectF destinazione(QPointF(), dimensione);
        destinazione.moveCenter(areaImmagine.center());
        m_immagine->render(&p, destinazione);
    }
    if (!didascalia.isEmpty()) {
        p.setPen(m_testo);
        p.setFont(font());
        p.drawText(areaTesto, Qt::AlignCenter | Qt::TextWordWrap, didascalia);
    }
}
