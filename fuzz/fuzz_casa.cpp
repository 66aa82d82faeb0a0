// The house picture loader: any bytes give a document (valid or not)
// without crashing; a valid house is split into layers that render at a
// small size, and a click anywhere on it finds a part 0..8.
#include "Fuzz.h"

#include "platform/SvgParti.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione)
{
    fuzz::applicazioneGrafica();
    const auto documento = SvgPartiDocumento::daBytes(fuzz::byte(dati, dimensione));
    fuzz::verifica(documento != nullptr, "a document is always given");
    if (!documento->valido())
        return 0;
    for (int i = 0; i < documento->strati().size(); ++i)
        fuzz::verifica(documento->indiceStrato(documento->strati().at(i).id) >= 0
                           || documento->strati().at(i).id.isEmpty(),
                       "every paintable layer is found by its id");
    if (!documento->eCasa())
        return 0;
    const auto parti = SvgParti::per(documento, QSize(41, 57));
    const VisibilitaGruppi tutti;
    for (const QPoint punto : {QPoint(0, 0), QPoint(20, 28), QPoint(40, 56), QPoint(-5, 100)}) {
        const int parte = parteNelPunto(*parti, punto, tutti);
        fuzz::verifica(parte >= 0 && parte <= 8, "a click finds part 0..8");
    }
    (void)estensioneDisegno(*parti, tutti);
    return 0;
}
