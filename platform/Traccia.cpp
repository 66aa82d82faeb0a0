#include "platform/Traccia.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace {

QString nomeDi(const QObject *oggetto)
{
    if (!oggetto)
        return QStringLiteral("-");
    return oggetto->objectName().isEmpty() ? QString::fromLatin1(oggetto->metaObject()->className())
                                           : oggetto->objectName();
}

void scrivi(const QString &riga)
{
    std::fprintf(stderr, "traccia: %s\n", riga.toUtf8().constData());
    std::fflush(stderr);
}

bool comeFinestra(const QWidget *w)
{
    return w->isWindow() || w->property(kProprietaPannello).toBool();
}

// The window or panel a widget is part of.
const QWidget *contenitore(const QWidget *w)
{
    while (w && !comeFinestra(w))
        w = w->parentWidget();
    return w;
}

class Traccia : public QObject
{
public:
    Traccia()
    {
        qApp->installEventFilter(this);
        connect(qApp, &QGuiApplication::focusWindowChanged, this, [](QWindow *finestra) {
            const QWidget *w = nullptr;
            for (QWidget *candidata : QApplication::topLevelWidgets())
                if (finestra && candidata->windowHandle() == finestra)
                    w = candidata;
            scrivi(QStringLiteral("fuoco %1").arg(finestra ? nomeDi(w) : QStringLiteral("-")));
        });
    }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        switch (evento->type()) {
        case QEvent::Show:
        case QEvent::Hide:
            if (auto *w = qobject_cast<QWidget *>(oggetto); w && comeFinestra(w))
                scrivi(QStringLiteral("%1 %2 \"%3\"")
                           .arg(evento->type() == QEvent::Show ? QStringLiteral("mostra") : QStringLiteral("nasconde"),
                                nomeDi(w), w->windowTitle()));
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            // Once per stroke: as the window system hands it to a window.
            if (oggetto->isWindowType()) {
                const auto *tasto = static_cast<QKeyEvent *>(evento);
                const QWidget *fuoco = QApplication::focusWidget();
                scrivi(QStringLiteral("%1 %2%3 -> %4 in %5")
                           .arg(evento->type() == QEvent::KeyPress ? QStringLiteral("premuto")
                                                                   : QStringLiteral("rilasciato"),
                                QKeySequence(tasto->keyCombination()).toString(),
                                tasto->isAutoRepeat() ? QStringLiteral(" ripetuto") : QString(), nomeDi(fuoco),
                                nomeDi(contenitore(fuoco))));
            }
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

void avviaTracciaSeRichiesta()
{
    static Traccia *traccia = nullptr;
    if (traccia || qEnvironmentVariableIsEmpty("PINNOLE_TRACCIA"))
        return;
    traccia = new Traccia;
    traccia->setParent(qApp);
    scrivi(QStringLiteral("piattaforma %1").arg(QGuiApplication::platformName()));
}
