// Start-up to the first painted window, for bench/avvio.sh: with "vuota" an
// empty Qt Widgets window the size of the screen (the floor), with
// "pinnole" the program's own start (settings, language, palette, words,
// font) up to the painted splash. The process ends as soon as that first
// paint has been handed to the window system, so the caller times the whole
// run of the process. Not a test.

#include "core/Avvio.h"
#include "menu/FormAvvio.h"

#include <QApplication>
#include <QLockFile>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

// Ends the program once the window has painted for the first time.
class DopoIlPrimoDisegno : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && !m_fatto) {
            m_fatto = true;
            QTimer::singleShot(0, qApp, [] {
                QGuiApplication::sync();
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
    const bool vuota = argc > 1 && std::strcmp(argv[1], "vuota") == 0;
    QApplication app(argc, argv);
    DopoIlPrimoDisegno fine;
    if (vuota) {
        QWidget finestra;
        finestra.setGeometry(QGuiApplication::primaryScreen()->geometry());
        finestra.installEventFilter(&fine);
        finestra.show();
        return app.exec();
    }
    QApplication::setApplicationName(QStringLiteral("pinnole"));
    Avvio avvio = AvvioProgramma();
    if (avvio.esito != EsitoAvvio::Continua)
        return 1;
    auto *splash = new FormAvvio;
    splash->installEventFilter(&fine);
    splash->show();
    const int esito = app.exec();
    delete splash;
    return esito;
}
