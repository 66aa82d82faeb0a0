#include "core/Caratteri.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

namespace {

// Whether the face that draws this font has a weight of at least peso of
// its own. Asked for a weight the face lacks, the font engine thickens the
// regular strokes instead, which fills the small loops of a thin face.
bool haPeso(const QFont &carattere, int peso)
{
    const QString famiglia = QFontInfo(carattere).family();
    const QStringList stili = QFontDatabase::styles(famiglia);
    for (const QString &stile : stili) {
        if (QFontDatabase::weight(famiglia, stile) >= peso)
            return true;
    }
    return false;
}

} // namespace

QFont fontTesto(const QString &famiglia, int punti, int peso)
{
    QFont carattere(famiglia);
    double dimensione = qMax(1, punti);
    if (famiglia.compare(QLatin1String("Indis1"), Qt::CaseInsensitive) == 0)
        dimensione *= kIngrandimentoCorsivo;
    carattere.setPointSizeF(dimensione);
    // Without a window system there is no font database to ask.
    const bool conFont = qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
    if (peso > QFont::Medium && conFont && !haPeso(carattere, QFont::DemiBold))
        peso = QFont::Normal;
    carattere.setWeight(static_cast<QFont::Weight>(peso));
    return carattere;
}
