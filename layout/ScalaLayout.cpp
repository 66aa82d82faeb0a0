#include "layout/ScalaLayout.h"

#include <QtGlobal>

#include <climits>
#include <cmath>

namespace {

int arrotonda(double valore)
{
    const double intero = std::round(valore); // halves away from zero
    return static_cast<int>(qBound(double(INT_MIN), intero, double(INT_MAX)));
}

// valore * corrente / memorizzato; the product of two ints is exact in a
// double, so a quotient that ends in exactly .5 is seen as such.
int proporzione(int valore, int corrente, int memorizzato)
{
    return arrotonda(double(valore) * double(corrente) / double(memorizzato));
}

} // namespace

int pixelDaTwips(int twips)
{
    return arrotonda(double(twips) / kTwipPerPixel);
}

int twipsDaPixel(int pixel)
{
    return pixel * kTwipPerPixel;
}

DirettivaScala DirettivaScala::daTag(const QString &tag)
{
    const QString maiuscolo = tag.toUpper();
    DirettivaScala direttiva;
    if (!maiuscolo.startsWith(QLatin1Char('@')))
        return direttiva;
    direttiva.sinistra = maiuscolo.contains(QLatin1Char('L'));
    direttiva.alto = maiuscolo.contains(QLatin1Char('T'));
    direttiva.larghezza = maiuscolo.contains(QLatin1Char('W'));
    direttiva.altezza = maiuscolo.contains(QLatin1Char('H'));
    return direttiva;
}

bool DirettivaScala::operator==(const DirettivaScala &altra) const
{
    return sinistra == altra.sinistra && alto == altra.alto
        && larghezza == altra.larghezza && altezza == altra.altezza;
}

ScalaLayout::ScalaLayout(const QSize &internaMemorizzata)
    : m_memorizzata(internaMemorizzata)
{
}

bool ScalaLayout::valida() const
{
    return m_memorizzata.width() > 0 && m_memorizzata.height() > 0;
}

int ScalaLayout::scalaX(int valoreMemorizzato, int larghezzaCorrente) const
{
    return proporzione(valoreMemorizzato, larghezzaCorrente, m_memorizzata.width());
}

int ScalaLayout::scalaY(int valoreMemorizzato, int altezzaCorrente) const
{
    return proporzione(valoreMemorizzato, altezzaCorrente, m_memorizzata.height());
}

QRect ScalaLayout::scalaRettangolo(const QRect &memorizzato, const QRect &attuale,
                                   const QSize &internaCorrente,
                                   const DirettivaScala &direttiva) const
{
    if (!valida())
        return attuale;
    const int w = internaCorrente.width();
    const int h = internaCorrente.height();
    return QRect(direttiva.sinistra ? scalaX(memorizzato.x(), w) : attuale.x(),
                 direttiva.alto ? scalaY(memorizzato.y(), h) : attuale.y(),
                 direttiva.larghezza ? scalaX(memorizzato.width(), w) : attuale.width(),
                 direttiva.altezza ? scalaY(memorizzato.height(), h) : attuale.height());
}

QLine ScalaLayout::scalaLinea(const QLine &memorizzata, const QLine &attuale,
                              const QSize &internaCorrente,
                              const DirettivaScala &direttiva) const
{
    if (!valida())
        return attuale;
    const int w = internaCorrente.width();
    const int h = internaCorrente.height();
    return QLine(direttiva.sinistra ? scalaX(memorizzata.x1(), w) : attuale.x1(),
                 direttiva.alto ? scalaY(memorizzata.y1(), h) : attuale.y1(),
                 direttiva.larghezza ? scalaX(memorizzata.x2(), w) : attuale.x2(),
                 direttiva.altezza ? scalaY(memorizzata.y2(), h) : attuale.y2());
}
