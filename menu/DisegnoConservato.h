#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// A drawing rendered for a control of one size and kept in the user's cache
// folder, so that showing it again in a control of that size copies the
// picture, without reading or rendering the drawing. Each drawing file (by
// its absolute path) has one entry, holding one size, valid only while the
// drawing file keeps its size and modification time. Anything else found in
// its place (short, long, of another size or another file, a link) is
// ignored, and replaced at the next write.
namespace DisegnoConservato {

struct Disegno
{
    QRect area;   // where the picture goes in the control
    QImage pixel; // the picture, in the screen's pixels
};

// The kept picture of the drawing for a control of this size on a screen of
// this pixel ratio; nothing when there is none that fits.
std::optional<Disegno> leggi(const QString &fileSvg, const QSize &controllo, qreal rapporto);

// Keeps the picture rendered from the drawing (the whole file is written and
// only then put in place); false when it could not be written.
bool scrivi(const QString &fileSvg, const QSize &controllo, qreal rapporto, const Disegno &disegno);

// The folder of the entries.
QString cartella();

} // namespace DisegnoConservato
