// The switch-access options reader: any bytes read without crashing into
// values within their ranges; what the program writes of them reads back as
// the same values, and writing those again gives the same lines.
#include "Fuzz.h"

#include "core/OpzioniAccesso.h"
#include "core/TestoFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione)
{
    const OpzioniAccesso letta =
        leggiRigheOpzioniAccesso(TestoFile::righe(TestoFile::decodifica(fuzz::byte(dati, dimensione))));
    fuzz::verifica(letta.accettazioneMs >= 0 && letta.accettazioneMs <= OpzioniAccesso::kMassimoMs
                       && letta.antirimbalzoMs >= 0 && letta.antirimbalzoMs <= OpzioniAccesso::kMassimoMs,
                   "times read are in range");
    fuzz::verifica(letta.sostaPrimaPosizione >= 1 && letta.sostaPrimaPosizione <= OpzioniAccesso::kMassimaSosta
                       && letta.limiteGiri >= 0 && letta.limiteGiri <= OpzioniAccesso::kMassimoGiri
                       && OpzioniAccesso::spessoreValido(letta.spessoreEvidenziazione),
                   "dwell, turns and thickness read are in range");
    const QStringList righe = righeOpzioniAccesso(letta);
    const OpzioniAccesso riletta = leggiRigheOpzioniAccesso(righe);
    fuzz::verifica(riletta == letta, "values written read back the same");
    fuzz::verifica(righeOpzioniAccesso(riletta) == righe, "a second write gives the same lines");
    return 0;
}
