#include "platform/Puntatore.h"

#include "core/Percorsi.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QCursor cursoreProgramma()
{
    static QString percorsoInCache;
    static QCursor cursore;
    const QString percorso = Percorsi::programma(QStringLiteral("immagini/cursore.svg"));
    if (percorso == percorsoInCache)
        return cursore;
    percorsoInCache = percorso;
    QSvgRenderer disegno(percorso);
    if (!disegno.isValid()) {
        qWarning("No pointer picture at %s", qPrintable(percorso));
        cursore = QCursor(Qt::ArrowCursor);
        return cursore;
    }
    QSize dimensione = disegno.defaultSize();
    if (dimensione.width() > 128 || dimensione.height() > 128)
        dimensione.scale(128, 128, Qt::KeepAspectRatio);
    dimensione = dimensione.expandedTo(QSize(8, 8));
    QPixmap immagine(dimensione);
    immagine.fill(Qt::transparent);
    {
        QPainter pittore(&immagine);
        pittore.setRenderHint(QPainter::Antialiasing);
        disegno.render(&pittore, QRectF(QPointF(0, 0), dimensione));
    }
    const QRectF vista = disegno.viewBoxF().isEmpty() ? QRectF(QPointF(0, 0), dimensione) : disegno.viewBoxF();
    const int x = qRound((2 - vista.x()) * dimensione.width() / vista.width());
    const int y = qRound((2 - vista.y()) * dimensione.height() / vista.height());
    cursore = QCursor(immagine, qBound(0, x, dimensione.width() - 1), qBound(0, y, dimensione.height() - 1));
    return cursore;
}
