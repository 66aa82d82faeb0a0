// The character loader: any file is either refused, keeping the character
// drawn before, or loaded and drawn at two sizes without crashing.
#include "Fuzz.h"

#include "platform/AgenteFigura.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione)
{
    fuzz::applicazioneGrafica();
    static QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Personaggio.svg"));
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            fuzz::violazione("the temporary file can be written");
        f.write(fuzz::byte(dati, dimensione));
    }
    FiguraPersonaggio figura;
    QStringList mancanti;
    const bool caricata = figura.carica(file, &mancanti);
    fuzz::verifica(caricata == figura.caricata(), "a refused file leaves nothing loaded");
    if (!caricata)
        return 0;
    fuzz::verifica(mancanti.isEmpty(), "a loaded character lacks no part");
    QImage immagine(64, 64, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    figura.disegna(pittore, QRect(0, 0, 64, 64), 2, false);
    figura.disegna(pittore, QRect(4, 4, 17, 30), 0, true);
    return 0;
}
