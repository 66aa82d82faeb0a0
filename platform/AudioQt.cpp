#include "platform/AudioQt.h"

#include "platform/SuoniQt.h"
#include "platform/UscitaVoceQt.h"

#include <QCoreApplication>

void installaAudioQt()
{
    // The player lives as long as the application; once it is gone the
    // program falls back to silence rather than to a dangling player.
    auto *giocatore = new SuoniQt(QCoreApplication::instance());
    impostaSuoni(giocatore);
    QObject::connect(giocatore, &QObject::destroyed, [] { impostaSuoni(nullptr); });
    impostaUscitaVoce([]() -> std::unique_ptr<UscitaVoce> { return std::make_unique<UscitaVoceQt>(); });
}
