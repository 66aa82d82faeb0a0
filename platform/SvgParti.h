#pragma once

#include "platform/SvgPartiDocumento.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>

#include <memory>
#include <optional>

// The layers of a house file rendered once at one picture size, in device
// pixels (a high-density screen gets sharp outlines). Every picture
// showing the same file at the same size shares one set, so twenty houses of
// a window cost one rendering. A picture paints a house by drawing the layers
// in order, each paintable one in its current colour (see colora()).
class SvgParti
{
public:
    struct StratoDisegnato
    {
        QPoint posizione;  // top-left of the images in the picture, device pixels
        QImage originale;  // in the file's own colours
        QImage nero;       // paintable layers: the element's paint forced to black;
                           // its alpha channel is the element's shape
        QImage differenza; // ... and, channel by channel, white rendering minus black
        QRect rettangolo() const { return QRect(posizione, originale.size()); }
    };

    // The shared layers of a document at a picture size in device pixels
    // (both non-empty, the document a valid house); the images carry the
    // device pixel ratio, so a painter draws them at their logical size.
    static std::shared_ptr<const SvgParti> per(const std::shared_ptr<const SvgPartiDocumento> &documento,
                                               QSize dimensione, qreal rapporto = 1.0);

    // The band drawn along the outline of a highlighted part, as shapes
    // (premultiplied alpha): the band, a broader light edge drawn in white
    // under it and a broader still dark edge drawn in black under both (so
    // the band reads on any colour, its own included), and the mask of what
    // lies outside the part's own fill, where alone they show, so the part
    // keeps every colour it shows. Made on first use and kept; null images
    // for a part the file does not draw.
    struct Alone
    {
        QPoint posizione; // top-left of the images in the picture, device pixels
        QImage banda;
        QImage chiaro;
        QImage bordo;
        QImage fuori;     // Alpha8: 255 outside the part's fill, 0 inside
    };
    const Alone &alone(int parte) const;

    const SvgPartiDocumento &documento() const { return *m_documento; }
    QSize dimensione() const { return m_dimensione; }
    qreal rapporto() const { return m_rapporto; }
    const QList<StratoDisegnato> &strati() const { return m_strati; }
    // Paintable layer i in a colour (see colora()), made once per colour and
    // shared by every picture of this size: twelve houses of a new item in
    // the same four colours mix each layer at most four times.
    const QImage &stratoColorato(int indice, QRgb colore) const;

private:
    SvgParti(std::shared_ptr<const SvgPartiDocumento> documento, QSize dimensione, qreal rapporto);

    std::shared_ptr<const SvgPartiDocumento> m_documento;
    QSize m_dimensione;
    qreal m_rapporto = 1.0;
    QList<StratoDisegnato> m_strati;
    mutable QHash<int, Alone> m_aloni;
    mutable QHash<quint64, QImage> m_colorati;
};

// Which of the two groups the program hides are shown.
struct VisibilitaGruppi
{
    bool fumo = true;
    bool nuvole = true;
    bool mostra(int gruppo) const;
};

// A paintable layer in a colour: every pixel is affine in the paint colour,
// so black + difference * colour / 255 gives it exactly, antialiasing and
// any shading the artwork draws over the paint included. The colour's alpha
// is ignored.
QImage colora(const SvgParti::StratoDisegnato &strato, QRgb colore);

// Points and boxes below are in the picture's device pixels.

// Whether the drawn shape of an element covers a point of the picture: its
// bounds first, then the alpha of its own rendering (at least half covered).
// False for an id the file does not paint.
bool contieneElemento(const SvgParti &parti, const QString &id, QPoint punto);

// The part drawn topmost at a point of the picture (1..8), 0 for none. Parts
// of a hidden group are not there to be clicked.
int parteNelPunto(const SvgParti &parti, QPoint punto, const VisibilitaGruppi &visibili);

// The band of a highlighted part in a colour, with its white and black
// edges, ready to be drawn at the band's place.
QImage coloraAlone(const SvgParti::Alone &alone, qreal rapporto, QRgb colore);

// A point of the picture where the part is drawn topmost (the middle of its
// uncovered area), for pointing at a part from outside; nothing when the
// part is hidden or covered everywhere.
std::optional<QPoint> puntoDellaParte(const SvgParti &parti, int parte, const VisibilitaGruppi &visibili);

// The box around everything drawn and shown, in picture coordinates.
QRect estensioneDisegno(const SvgParti &parti, const VisibilitaGruppi &visibili);
