#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;
class QRect;
class QSvgRenderer;

// The drawing of a speaking character, from an SVG file whose parts carry
// agreed ids: "figura" (everything but the mouth), the mouths "bocca0"
// (closed), "bocca1" (half open) and "bocca2" (open), and optionally
// "palpebre" (closed eyelids, drawn over the eyes for a blink). The figure
// and one mouth are drawn, each where it sits in the drawing.
class FiguraPersonaggio
{
public:
    FiguraPersonaggio();
    ~FiguraPersonaggio();

    // The ids every character must hold.
    static QStringList partiRichieste();
    static QString partePalpebre() { return QStringLiteral("palpebre"); }

    // False, with the previous drawing kept, when the file cannot be read as
    // SVG or lacks a required id; *mancanti then lists the missing ids.
    bool carica(const QString &percorso, QStringList *mancanti = nullptr);
    bool caricata() const;
    bool haPalpebre() const { return m_palpebre; }
    // Half the drawing's own size, the size the character is shown at.
    QSize dimensioneOriginale() const { return m_originale; }

    // Draws the figure scaled into the rectangle (keeping its proportions,
    // centred) with the mouth opening 0..2 and the eyes open or closed.
    void disegna(QPainter &pittore, const QRect &dove, int apertura, bool occhiChiusi);

private:
    QImage parte(const QString &id, const QSize &dimensione, qreal densita) const;
    void preparaImmagini(const QSize &dimensione, qreal densita);

    std::unique_ptr<QSvgRenderer> m_disegno;
    QSize m_originale;
    bool m_palpebre = false;
    // The parts rendered once per size, so a mouth change only blits images.
    QSize m_dimensioneImmagini;
    qreal m_densitaImmagini = 0;
    QImage m_figura;
    QImage m_bocche[3];
    QImage m_occhiChiusi;
};
