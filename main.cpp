#include "core/Avvio.h"
#include "framework/Navigazione.h"
#include "menu/FormAvvio.h"
#include "menu/Form1.h"
#include "menu/FormMenu.h"
#include "platform/CommDlgsQt.h"
#include "platform/MessaggiQt.h"
#include "platform/StampantiCups.h"

#include <QApplication>
#include <QLockFile>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pinnole"));

    MessaggiQt finestreMessaggi;
    impostaMessaggi(&finestreMessaggi);
    DialoghiQt dialoghi;
    impostaDialoghiComuni(&dialoghi);
    StampantiCups stampantiSistema;
    impostaStampanti(&stampantiSistema);

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
