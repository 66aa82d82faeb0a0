#include "platform/AgenteFigura.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtDebug>

#include <algorithm>

FiguraPersonaggio::FiguraPersonaggio() = default;
FiguraPersonaggio::~FiguraPersonaggio() = default;

QStringList FiguraPersonaggio::partiRichieste()
{
    return {QStringLiteral("figura"), QStringLiteral("bocca0"), QStringLiteral("bocca1"),
            QStringLiteral("bocca2")};
}

bool FiguraPersonaggio::carica(const QString &percorso, QStringList *mancanti)
{
    auto disegno = std::make_unique<QSvgRenderer>();
    if (!disegno->load(percorso) || !disegno->isValid()) {
        if (mancanti)
            *mancanti = partiRichieste();
        qWarning("Character %s cannot be read", qPrintable(percorso));
        return false;
    }
    QStringList assenti;
    for (const QString &id : partiRichieste())
        if (!disegno->elementExists(id))
            assenti.append(id);
    if (mancanti)
        *mancanti = assenti;
    if (!assenti.isEmpty()) {
        qWarning("Character %s not loaded, missing: %s", qPrintable(percorso),
                 qPrintable(assenti.join(QLatin1String(", "))));
        return false;
    }
    m_disegno = std::move(disegno);
    m_palpebre = m_disegno->elementExists(partePalpebre());
    const QSizeF vista = m_disegno->viewBoxF().size();
    m_originale = QSize(qRound(vista.width() / 2), qRound(vista.height() / 2)).expandedTo(QSize(1, 1));
    m_dimensioneImmagini = QSize();
    return true;
}

bool FiguraPersonaggio::caricata() const
{
    return m_disegno != nullptr;
}

QImage FiguraPersonaggio::parte(const QString &id, const QSize &dimensione, qreal densita) const
{
    QImage immagine(dimensione * densita, QImage::Format_ARGB32_Premultiplied);
    immagine.setDevicePixelRatio(densita);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    const QRectF vista = m_disegno->viewBoxF();
    const QTransform scala = QTransform::fromTranslate(-vista.x(), -vista.y())
        * QTransform::fromScale(dimensione.width() / vista.width(), dimensione.height() / vista.height());
    // The element is drawn where it sits: its parents' transform, then the
    // document's placement in the image.
    pittore.setTransform(m_disegno->transformForElement(id) * scala);
    m_disegno->render(&pittore, id, m_disegno->boundsOnElement(id));
    return immagine;
}

void FiguraPersonaggio::preparaImmagini(const QSize &dimensione, qreal densita)
{
    if (dimensione == m_dimensioneImmagini && qFuzzyCompare(densita, m_densitaImmagini))
        return;
    m_dimensioneImmagini = dimensione;
    m_densitaImmagini = densita;
    m_figura = parte(QStringLiteral("figura"), dimensione, densita);
    for (int i = 0; i < 3; ++i)
        m_bocche[i] = parte(QStringLiteral("bocca%1").arg(i), dimensione, densita);
    m_occhiChiusi = m_palpebre ? parte(partePalpebre(), dimensione, densita) : QImage();
}

void FiguraPersonaggio::disegna(QPainter &pittore, const QRect &dove, int apertura, bool occhiChiusi)
{
    if (!m_disegno || dove.isEmpty())
        return;
    const QSize dimensione = m_originale.scaled(dove.size(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    const qreal densita = pittore.device() ? pittore.device()->devicePixelRatioF() : 1.0;
    preparaImmagini(dimensione, densita);
    const QPoint angolo(dove.x() + (dove.width() - dimensione.width()) / 2,
                        dove.y() + (dove.height() - dimensione.height()) / 2);
    pittore.drawImage(angolo, m_figura);
    pittore.drawImage(angolo, m_bocche[std::clamp(apertura, 0, 2)]);
    if (occhiChiusi && m_palpebre)
        pittore.drawImage(angolo, m_occhiChiusi);
}
