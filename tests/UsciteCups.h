#pragma once

#include "DialoghiFinti.h"
#include "StampaPdf.h"
#include "menu/AmbienteMenu.h"
#include "platform/StampantiCups.h"

// The menu's windows printing for real through the private CUPS server of
// the test command (scripts/cups-privato.sh): the real printer list is
// installed, the file dialogs only record what they were asked (a print must
// not ask for a file), and what the PDF queue writes is in `uscite`.
//
// Declare it before anything prints, then check that the server is there:
//     UsciteCups stampa;
//     QVERIFY2(stampa.uscite.disponibile(), UsciteCups::senzaServer);
//     QVERIFY(stampa.pdfPredefinita());
class UsciteCups
{
public:
    static constexpr const char *senzaServer = "run through scripts/test.sh or scripts/cups-privato.sh";

    UsciteCups()
    {
        ambiente.azzera();
        impostaStampanti(&cups);
    }
    ~UsciteCups()
    {
        impostaStampanti(nullptr);
        ambiente.chiudiFinestre();
    }
    UsciteCups(const UsciteCups &) = delete;
    UsciteCups &operator=(const UsciteCups &) = delete;

    // The default printer is the server's PDF queue, not the program's own
    // "print to a file" entry.
    bool pdfPredefinita() { return cups.predefinita() != Stampanti::nomeFilePdf(); }

    // Listed before the rest: it notes the PDFs already there when built.
    CartellaPdf uscite;
    AmbienteMenu ambiente;
    DialoghiFinti dialoghi;
    StampantiCups cups;
};
