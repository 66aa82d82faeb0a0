// The record file reader: any bytes are either refused or read; what is
// read, written again, reads back the same.
#include "Fuzz.h"

#include "users/FileRegistro.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione)
{
    const auto letto = FileRegistro::decodifica(fuzz::byte(dati, dimensione));
    if (!letto)
        return 0;
    fuzz::verifica(letto->righe.size() < FileRegistro::kRigheMassime, "at most 500 data rows");
    const auto riletto = FileRegistro::decodifica(FileRegistro::codifica(*letto));
    fuzz::verifica(riletto.has_value(), "a written record file reads back");
    (void)FileRegistro::decodifica(FileRegistro::codifica(*riletto));
    return 0;
}
