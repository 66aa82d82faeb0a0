// The switch-access options reader: any bytes read without crashing into
// values within their ranges; what the program writes of them reads back as
// the same values, and writing those again gives the same lines. Saved over
// whatever the file held, with other options, the file reads back as those
// options with the settings it names, and as the options it held with the
// settings it held before.
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

    const QStringList lette = TestoFile::righe(TestoFile::decodifica(fuzz::byte(dati, dimensione)));
    const FileOpzioniAccesso file = sceltaOpzioniAccesso(lette, QStringLiteral("vecchie"));
    OpzioniAccesso nuove = file.opzioni;
    nuove.accettazioneMs = (nuove.accettazioneMs + 100) % OpzioniAccesso::kMassimoMs;
    nuove.scansioneParlata = !nuove.scansioneParlata;
    const QStringList scritte = righeDaSalvare(file, nuove, QStringLiteral("nuove"), QStringLiteral("vecchie"));
    fuzz::verifica(sceltaOpzioniAccesso(scritte, QStringLiteral("nuove")).opzioni == nuove,
                   "the options saved go with the settings saved with them");
    fuzz::verifica(sceltaOpzioniAccesso(scritte, QStringLiteral("vecchie")).opzioni == file.opzioni,
                   "the options held go with the settings held before");
    return 0;
}
