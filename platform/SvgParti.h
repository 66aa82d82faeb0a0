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

class QWidget;

// The layers of a house file rendered once at one picture size, in device
// pixels (a high-density screen gets sharp outlines). Every picture
// showing the same file at the same size shares one set, so twenty houses of
// a window cost one rendering. A picture paints a house by drawing the layers
// in order, each in the image immagine() gives for its current colour.
//
// This is where every image of a house is kept, and for how long: a set
// lives while a picture shows it or a window one of whose pictures showed it
// at its present size is open (so the blank house that replaces the painted
// one between two items finds its layers made); it goes when the last such
// window closes. Inside a set a layer keeps its shape as an 8-bit mask, and
// full-colour images only where one colour over that shape does not give its
// pixels exactly. A layer flat in a colour is drawn straight from its mask
// (an indexed view of it); only a shaded paintable layer is mixed into an
// image of its own, kept while some picture holds it.
class SvgParti
{
public:
    struct StratoDisegnato
    {
        QPoint posizione;  // top-left of the images in the picture, device pixels
        QImage forma;      // Alpha8: the layer's coverage; for a paintable layer the
                           // element's shape, its paint forced opaque
        // In the file's own colours: the shape in coloreProprio when that gives
        // every pixel exactly, else this image.
        QImage originale;
        QRgb coloreProprio = 0;
        // A paintable layer whose artwork shades its paint (not one flat
        // colour over its shape): the paint forced to black, and, channel by
        // channel, white rendering minus black; null for a flat layer, whose
        // shape alone mixes it in any colour.
        QImage nero;
        QImage differenza;
        bool colorabile = false;
        QRect rettangolo() const { return QRect(posizione, forma.size()); }
    };

    // The shared layers of a document at a picture size in device pixels
    // (both non-empty, the document a valid house); the images carry the
    // device pixel ratio, so a painter draws them at their logical size.
    // Given the picture asking, its window keeps the set while it is open
    // and one of its pictures shows that size.
    static std::shared_ptr<const SvgParti> per(const std::shared_ptr<const SvgPartiDocumento> &documento,
                                               QSize dimensione, qreal rapporto = 1.0,
                                               const QWidget *immagine = nullptr);

    // What the band of a highlighted part is made from: for every pixel of
    // the part's fill, how far it lies inside what the part shows, in thirds
    // of a device pixel (capped at 255). It is measured
    // from the outer edge of the part's outline and, where a part drawn
    // later covers this one, from that part's edge plus one outline width,
    // so a band of width w beyond the outline (distance tratto + 3w) lies
    // along the inside of the outline and stops where other parts begin.
    // Made when the part is first lit and kept with the set; a null image
    // for a part the file does not fill.
    struct Alone
    {
        QPoint posizione;  // top-left of the fill's layer, device pixels
        QImage distanza;   // Alpha8, the fill's size
        int tratto = 0;    // the outline's width, thirds of a device pixel
        int profondita = 0; // the largest distance in the fill
    };
    const Alone &alone(int parte) const;

    const SvgPartiDocumento &documento() const { return *m_documento; }
    QSize dimensione() const { return m_dimensione; }
    qreal rapporto() const { return m_rapporto; }
    const QList<StratoDisegnato> &strati() const { return m_strati; }
    // The image that draws layer i: a paintable layer in a colour (see
    // colora()), or any layer in the file's own colours (no colour). It may
    // show the set's own memory: drop it before the set. A mixed image is
    // shared by every picture of this size that holds it, and dropped once
    // none does.
    QImage immagine(int indice, std::optional<QRgb> colore) const;

private:
    SvgParti(std::shared_ptr<const SvgPartiDocumento> documento, QSize dimensione, qreal rapporto);
    QImage mescolato(int indice, QRgb colore) const;

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
// any shading the artwork draws over the paint included. A flat layer is its
// shape in the colour, premultiplied and rounded as that sum: an indexed view
// of the layer's mask, valid while the mask lives. The colour's alpha is
// ignored; a layer that is not paintable stays in its own colours.
QImage colora(const SvgParti::StratoDisegnato &strato, QRgb colore, qreal rapporto);

// Points and boxes below are in the picture's device pixels.

// Whether the drawn shape of an element covers a point of the picture: its
// bounds first, then the alpha of its own rendering (at least half covered).
// False for an id the file does not paint.
bool contieneElemento(const SvgParti &parti, const QString &id, QPoint punto);

// The part drawn topmost at a point of the picture (1..8), 0 for none. Parts
// of a hidden group are not there to be clicked.
int parteNelPunto(const SvgParti &parti, QPoint punto, const VisibilitaGruppi &visibili);

// The band of a highlighted part, drawn over its fill and under its
// outline and everything drawn after it: the colour from the inner edge of
// the outline inwards, larghezza device pixels broad (less in a part too
// narrow to keep its own colour in the middle), closed by a dark line. With
// a contrast colour the band is striped in the two, for a part whose own
// colour is the band's. Null when the part has no band.
QImage coloraAlone(const SvgParti &parti, int parte, QRgb colore, int larghezza, std::optional<QRgb> contrasto);

// A point of the picture where the part is drawn topmost (the middle of its
// uncovered area), for pointing at a part from outside; nothing when the
// part is hidden or covered everywhere.
std::optional<QPoint> puntoDellaParte(const SvgParti &parti, int parte, const VisibilitaGruppi &visibili);

// The box around everything drawn and shown, in picture coordinates.
QRect estensioneDisegno(const SvgParti &parti, const VisibilitaGruppi &visibili);
