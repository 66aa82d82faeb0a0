#include "core/Caratteri.h"

QFont fontTesto(const QString &famiglia, int punti, int peso)
{
    QFont carattere(famiglia);
    carattere.setWeight(static_cast<QFont::Weight>(peso));
    double dimensione = qMax(1, punti);
    if (famiglia.compare(QLatin1String("Indis1"), Qt::CaseInsensitive) == 0)
        dimensione *= kIngrandimentoCorsivo;
    carattere.setPointSizeF(dimensione);
    return carattere;
}
