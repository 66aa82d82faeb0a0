#pragma once

#include <QLine>
#include <QRect>
#include <QSize>
#include <QString>

// Design positions are written in twips; at design 15 twips make one pixel.
constexpr int kTwipPerPixel = 15;

// Twips to pixels and back, rounded to the nearest whole value (halves away
// from zero, so a control placed left of the window mirrors one placed right).
int pixelDaTwips(int twips);
int twipsDaPixel(int pixel);

// Which of a control's four values follow the window when it is rescaled:
// Left, Top, Width, Height, or for a line its end points X1, Y1, X2, Y2.
struct DirettivaScala
{
    bool sinistra = true;  // Left or X1
    bool alto = true;      // Top or Y1
    bool larghezza = true; // Width or X2
    bool altezza = true;   // Height or Y2

    // A tag beginning with "@" selects values by the letters L, T, W and H
    // found anywhere in it, in either case ("@L,T" only moves the control;
    // "@" alone pins it). An empty tag, or any tag not beginning with "@",
    // selects all four.
    static DirettivaScala daTag(const QString &tag);

    bool operator==(const DirettivaScala &altra) const;
};

// The rescaling arithmetic of a window's layout. Every value is computed from
// its stored design value times current inner size / stored inner size, then
// rounded to the nearest whole pixel (halves away from zero). Working from the
// stored values, never the current ones, keeps repeated resizes from drifting.
// A value the directive leaves out keeps what the control has now.
class ScalaLayout
{
public:
    ScalaLayout() = default;
    explicit ScalaLayout(const QSize &internaMemorizzata);

    QSize internaMemorizzata() const { return m_memorizzata; }

    // False while the stored inner size has no area: no ratio can be taken,
    // so nothing may be rescaled against it.
    bool valida() const;

    int scalaX(int valoreMemorizzato, int larghezzaCorrente) const;
    int scalaY(int valoreMemorizzato, int altezzaCorrente) const;

    QRect scalaRettangolo(const QRect &memorizzato, const QRect &attuale,
                          const QSize &internaCorrente, const DirettivaScala &direttiva) const;
    QLine scalaLinea(const QLine &memorizzata, const QLine &attuale,
                     const QSize &internaCorrente, const DirettivaScala &direttiva) const;

private:
    QSize m_memorizzata;
};
