// The program's start, as main.cpp makes it, up to the splash painted at its
// final size and handed to the window system, for bench/avvio.sh. The
// process then prints its CPU time and peak memory ("cpu <ms> maxrss <KB>")
// and ends, so the caller times the whole run. Its floor is
// bench_pavimento, a program of its own. Not a test.

#include "Memoria.h"
#include "core/Avvio.h"
#include "framework/Navigazione.h"
#include "menu/Form1.h"
#include "menu/FormAvvio.h"
#include "menu/FormMenu.h"
#include "platform/CommDlgsQt.h"
#include "platform/MessaggiQt.h"
#include "platform/StampantiCups.h"

#include <QApplication>
#include <QLockFile>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {

// Ends the program once the window has painted at the size of the screen.
class DopoIlDisegnoFinale : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        auto *finestra = qobject_cast<QWidget *>(oggetto);
        if (evento->type() == QEvent::Paint && !m_fatto && finestra
            && finestra->size() == finestra->screen()->geometry().size()) {
            m_fatto = true;
            QTimer::singleShot(0, qApp, [] {
                QGuiApplication::sync();
                stampaCpuEPicco();
                // For a profile of the start alone: nothing after this point runs.
                if (qEnvironmentVariableIsSet("BENCH_AVVIO_FINE_SUBITO"))
                    std::_Exit(0);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(oggetto, evento);
    }

private:
    bool m_fatto = false;
};

} // namespace

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
        return 1;
    impostaApriMenu([] { FormMenu::apri(); });
    registraStampaEsercizi();

    DopoIlDisegnoFinale fine;
    auto *splash = new FormAvvio;
    splash->installEventFilter(&fine);
    splash->show();
    const int esito = app.exec();
    delete splash;
    return esito;
}
