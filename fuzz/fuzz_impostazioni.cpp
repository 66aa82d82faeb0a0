// The settings file reader: any bytes read without crashing; a file the
// program saves is always read back whole (never the defaults), and when the
// saved bytes decode to the very text written, the values read back are the
// values saved. A second save of what was read back writes the same bytes.
#include "Fuzz.h"

#include "core/Impostazioni.h"
#include "core/TestoFile.h"

namespace {

QByteArray salva(const Impostazioni &imp)
{
    QByteArray byte;
    for (const QString &riga : righeImpostazioni(imp))
        byte += TestoFile::codifica1252(riga) + "\r\n";
    return byte;
}

QString testoDi(const Impostazioni &imp)
{
    QString testo;
    for (const QString &riga : righeImpostazioni(imp))
        testo += riga + QStringLiteral("\r\n");
    return testo;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione)
{
    Impostazioni letta;
    if (!leggiRigheImpostazioni(TestoFile::righe(TestoFile::decodifica(fuzz::byte(dati, dimensione))), &letta))
        return 0;
    fuzz::verifica(righeImpostazioni(letta).size() == 50, "a save writes 50 lines");
    fuzz::verifica(letta.DimensioneFontTesto >= kDimensioneFontMinima
                       && letta.DimensioneFontTesto <= kDimensioneFontMassima
                       && letta.DimensioneFontFumetto >= kDimensioneFontMinima
                       && letta.DimensioneFontFumetto <= kDimensioneFontMassima,
                   "font sizes read are in range");

    const QByteArray salvato = salva(letta);
    Impostazioni riletta;
    fuzz::verifica(leggiRigheImpostazioni(TestoFile::righe(TestoFile::decodifica(salvato)), &riletta),
                   "a saved file reads back");
    if (TestoFile::decodifica(salvato) == testoDi(letta))
        fuzz::verifica(riletta == letta, "values read back equal the values saved");

    Impostazioni terza;
    const QByteArray risalvato = salva(riletta);
    fuzz::verifica(leggiRigheImpostazioni(TestoFile::righe(TestoFile::decodifica(risalvato)), &terza),
                   "a file saved twice reads back");
    return 0;
}
