// The rich-text reader: any bytes give a document, without crashing or
// hanging, and reading the same bytes twice gives the same text.
#include "Fuzz.h"

#include "platform/LettoreRtf.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione)
{
    fuzz::applicazioneGrafica();
    const QByteArray rtf = fuzz::byte(dati, dimensione);
    QTextDocument primo;
    LettoreRtf::leggi(rtf, &primo);
    QTextDocument secondo;
    LettoreRtf::leggi(rtf, &secondo);
    fuzz::verifica(primo.toPlainText() == secondo.toPlainText(), "the same bytes give the same text");
    // Laying the document out is what the menu's view does with it.
    primo.setTextWidth(400);
    (void)primo.size();
    return 0;
}
