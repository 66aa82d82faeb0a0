// The record file reader and the reader of its companion file of ignored
// presses: any bytes are either refused or read; what is read, written
// again, reads back the same.
#include "Fuzz.h"

#include "core/TestoFile.h"
#include "users/FileRegistro.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione)
{
    const QByteArray byte = fuzz::byte(dati, dimensione);
    // The same bytes as a companion file, of the number of rows it claims.
    const qsizetype righe = TestoFile::righe(TestoFile::decodifica(byte)).value(0).trimmed().toInt();
    if (righe >= 0 && righe < FileRegistro::kRigheMassime) {
        if (const auto ignorate = FileRegistro::decodificaIgnorate(byte, righe)) {
            fuzz::verifica(ignorate->size() == righe, "one count a row");
            QByteArray scritto;
            for (const QString &linea : FileRegistro::righeIgnorate(*ignorate, righe))
                scritto += TestoFile::codifica1252(linea) + "\r\n";
            fuzz::verifica(FileRegistro::decodificaIgnorate(scritto, righe) == ignorate,
                           "written counts read back the same");
        }
    }

    const auto letto = FileRegistro::decodifica(byte);
    if (!letto)
        return 0;
    fuzz::verifica(letto->righe.size() < FileRegistro::kRigheMassime, "at most 500 data rows");
    const auto riletto = FileRegistro::decodifica(FileRegistro::codifica(*letto));
    fuzz::verifica(riletto.has_value(), "a written record file reads back");
    (void)FileRegistro::decodifica(FileRegistro::codifica(*riletto));
    return 0;
}
