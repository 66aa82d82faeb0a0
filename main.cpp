#include "core/Avvio.h"
#include "framework/Navigazione.h"
#include "framework/TastiTenuti.h"
#include "menu/FormAvvio.h"
#include "menu/Form1.h"
#include "menu/FormMenu.h"
#include "platform/CommDlgsQt.h"
#include "platform/MessaggiQt.h"
#include "platform/RipetizioneTasti.h"
#include "platform/StampantiCups.h"
#include "platform/Traccia.h"

#include <QApplication>
#include <QLockFile>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pinnole"));
    avviaTracciaSeRichiesta();

    MessaggiQt finestreMessaggi;
    impostaMessaggi(&finestreMessaggi);
    DialoghiQt dialoghi;
    impostaDialoghiComuni(&dialoghi);
    StampantiCups stampantiSistema;
    impostaStampanti(&stampantiSistema);
    // Where the X server sends a held key's repeats as presses alone, a
    // release acts at once instead of waiting to see whether a repeat follows.
    TastiTenuti::impostaRipetizioni(chiediRipetizioneSenzaRilascio() ? TastiTenuti::Ripetizioni::SoloPressioni
                                                                      : TastiTenuti::Ripetizioni::ConRilascio);

    Avvio avvio = AvvioProgramma();
    if (avvio.esito != EsitoAvvio::Continua)
        return avvio.esito == EsitoAvvio::GiaInEsecuzione ? 0 : 1;

    // Every window that is left goes back to a fresh main menu; the program
    // ends only from the menu, which saves the settings first.
    impostaApriMenu([] { FormMenu::apri(); });
    registraStampaEsercizi();

    auto *avvioFinestra = new FormAvvio;
    avvioFinestra->setAttribute(Qt::WA_DeleteOnClose);
    avvioFinestra->show();
    return app.exec();
}
