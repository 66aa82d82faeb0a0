#include "layout/PosizioneTwips.h"

#include "layout/ScalaLayout.h"
#include "layout/clsResize.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

void posizionaTwips(QWidget *controllo, int left, int top, int width, int height)
{
    controllo->setGeometry(pixelDaTwips(left), pixelDaTwips(top),
                           pixelDaTwips(width), pixelDaTwips(height));
}

QRect geometriaTwips(const QWidget *controllo)
{
    const QRect g = controllo->geometry();
    return QRect(twipsDaPixel(g.x()), twipsDaPixel(g.y()),
                 twipsDaPixel(g.width()), twipsDaPixel(g.height()));
}

void dimensionaInternoTwips(QWidget *finestra, int larghezza, int altezza)
{
    const QSize voluta(pixelDaTwips(larghezza), pixelDaTwips(altezza));
    finestra->resize(voluta);
    QWidget *area = clsResize::areaInterna(finestra);
    QLayout *layout = finestra->layout();
    if (area == finestra || !layout)
        return;
    // Let the main window's layout place its bars, then grow the window by
    // what they take from the central widget.
    layout->invalidate();
    layout->activate();
    const QSize mancante = voluta - area->size();
    if (mancante.isNull())
        return;
    finestra->resize(finestra->size() + mancante);
    layout->invalidate();
    layout->activate();
}

void mostraASchermoIntero(QWidget *finestra)
{
    QScreen *schermo = finestra->screen();
    if (!schermo)
        schermo = QGuiApplication::primaryScreen();
    if (schermo)
        finestra->setGeometry(schermo->geometry());
    finestra->showFullScreen();
}
