#include "core/Avvio.h"
#include "platform/MessaggiQt.h"

#include <QApplication>
#include <QLockFile>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pinnole"));

    MessaggiQt finestreMessaggi;
    impostaMessaggi(&finestreMessaggi);

    Avvio avvio = AvvioProgramma();
    if (avvio.esito != EsitoAvvio::Continua)
        return avvio.esito == EsitoAvvio::GiaInEsecuzione ? 0 : 1;
    return 0;
}
