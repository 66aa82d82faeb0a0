#include "menu/Immagine.h"

#include "core/Percorsi.h"
#include "menu/DisegnoConservato.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>

Immagine::Immagine(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

Immagine::~Immagine() = default;

void Immagine::setFile(const QString &fileSvg)
{
    m_disegno.reset();
    m_letto = false;
    m_file = !fileSvg.isEmpty() && EsisteFile(fileSvg) ? Percorsi::risolvi(fileSvg) : QString();
    m_pixel = QImage();
    m_perControllo = QSize();
    if (!m_conservato)
        disegno();
    update();
}

QSvgRenderer *Immagine::disegno() const
{
    if (!m_letto) {
        m_letto = true;
        if (!m_file.isEmpty()) {
            auto letto = std::make_unique<QSvgRenderer>(m_file);
            if (letto->isValid())
                m_disegno = std::move(letto);
        }
    }
    return m_disegno.get();
}

bool Immagine::haImmagine() const
{
    return disegno() != nullptr;
}

QRectF Immagine::areaDisegno() const
{
    const QSvgRenderer *letto = disegno();
    if (!letto)
        return QRectF();
    QSizeF dimensione = letto->defaultSize();
    if (dimensione.isEmpty())
        dimensione = letto->viewBoxF().size();
    dimensione.scale(size(), Qt::KeepAspectRatio);
    QRectF area(QPointF(), dimensione);
    area.moveCenter(QRectF(rect()).center());
    return area;
}

void Immagine::paintEvent(QPaintEvent *)
{
    if (m_conservato) {
        preparaConservato();
        if (!m_pixel.isNull()) {
            QPainter p(this);
            p.drawImage(m_areaPixel.topLeft(), m_pixel);
        }
        return;
    }
    if (!disegno())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    m_disegno->render(&p, areaDisegno());
}

void Immagine::preparaConservato()
{
    if (m_perControllo == size() || m_file.isEmpty())
        return;
    m_perControllo = size();
    m_pixel = QImage();
    const qreal rapporto = devicePixelRatioF();
    if (std::optional<DisegnoConservato::Disegno> conservato = DisegnoConservato::leggi(m_file, size(), rapporto)) {
        m_areaPixel = conservato->area;
        m_pixel = conservato->pixel;
        return;
    }
    if (!disegno())
        return;
    // Whole pixels, so that the kept picture is copied as it is.
    m_areaPixel = areaDisegno().toRect();
    if (m_areaPixel.isEmpty())
        return;
    m_pixel = QImage((QSizeF(m_areaPixel.size()) * rapporto).toSize(), QImage::Format_ARGB32_Premultiplied);
    m_pixel.fill(Qt::transparent);
    QPainter pittore(&m_pixel);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setRenderHint(QPainter::SmoothPixmapTransform);
    m_disegno->render(&pittore, QRectF(QPointF(), QSizeF(m_pixel.size())));
    pittore.end();
    m_pixel.setDevicePixelRatio(rapporto);
    // Kept once the picture is on the screen; a failed write only means
    // rendering it again next time.
    QTimer::singleShot(0, this, [file = m_file, controllo = size(), rapporto, fatto = DisegnoConservato::Disegno{m_areaPixel, m_pixel}] {
        DisegnoConservato::scrivi(file, controllo, rapporto, fatto);
    });
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
