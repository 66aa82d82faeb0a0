#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Where the speaking character and its balloon may stand in a window
// without covering anything the child plays with.

// The free rectangles of `dentro`: every rectangle inside it that meets none
// of `ostacoli` and cannot grow in any direction without meeting one or
// leaving `dentro`. Empty obstacles are ignored.
QList<QRect> rettangoliLiberi(const QRect &dentro, const QList<QRect> &ostacoli);

struct PostoPersonaggio
{
    QRect figura;  // the character's rectangle
    QRect fumetto; // the zone its balloon must stay in (empty: no room)
};

struct RichiestaPosto
{
    QRect dentro;           // the part of the window both may use
    QList<QRect> ostacoli;  // the play area, already grown by its margins
    QRect preferita;        // where the design puts the character
    QSize proporzioni;      // the drawing's own size (its shape is kept)
    int altezzaMinima = 24; // the character is never made smaller than this
    QSize fumettoMinimo;    // the smallest balloon that still shows a line
    QSize fumettoComodo;    // a balloon that holds a usual sentence at ease
    int distacco = 4;       // kept between the character and its balloon
    int coda = 0;           // what the balloon's tail takes from its zone
};

// Chooses the character's rectangle and its balloon's zone, both free of
// the obstacles and of each other. The design's place is kept when it is
// free and leaves a balloon room enough; otherwise the character goes where
// it and a balloon beside it fit best, and shrinks (keeping its shape) when
// no free place holds it at full size. The balloon's zone touches the
// character's side, so its tail can point at it.
PostoPersonaggio scegliPostoPersonaggio(const RichiestaPosto &richiesta);
