#include "platform/Modale.h"

#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QSet>
#include <QTimer>

namespace {

// Watches the keys of the whole program while a dialog is open, then holds
// back the releases of the keys still down when it closed.
class TrattieniRilasci : public QObject
{
public:
    TrattieniRilasci() { qApp->installEventFilter(this); }

    // The dialog has closed: from now on the releases of the keys pressed
    // in it are held back; the filter goes once none is left.
    void dialogoChiuso()
    {
        m_aperto = false;
        if (m_giu.isEmpty()) {
            deleteLater();
            return;
        }
        QTimer::singleShot(30000, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        if (evento->type() != QEvent::KeyPress && evento->type() != QEvent::KeyRelease)
            return false;
        const auto *tasto = static_cast<QKeyEvent *>(evento);
        const int codice = tasto->key();
        if (m_aperto) {
            if (evento->type() == QEvent::KeyPress)
                m_giu.insert(codice);
            else if (!tasto->isAutoRepeat())
                m_giu.remove(codice);
            return false;
        }
        if (!m_giu.contains(codice))
            return false;
        if (tasto->isAutoRepeat())
            return true; // still the stroke that closed the dialog
        if (evento->type() == QEvent::KeyPress) {
            lascia(codice); // a new stroke: its release is its own
            return false;
        }
        // One release may reach the window and then the focused widget:
        // every delivery of it (the same time stamp) is held back.
        const auto orario = m_orari.constFind(codice);
        if (orario == m_orari.constEnd()) {
            m_orari.insert(codice, tasto->timestamp());
            return true;
        }
        if (*orario == tasto->timestamp())
            return true;
        lascia(codice); // a later release: not the dialog's
        return false;
    }

private:
    void lascia(int codice)
    {
        m_giu.remove(codice);
        m_orari.remove(codice);
        if (m_giu.isEmpty())
            deleteLater();
    }

    bool m_aperto = true;
    QSet<int> m_giu;
    QHash<int, quint64> m_orari; // the release held back for each key
};

} // namespace

int eseguiModale(QDialog &dialogo)
{
    QPointer<QWidget> sotto = QApplication::activeWindow();
    if (!sotto && dialogo.parentWidget())
        sotto = dialogo.parentWidget()->window();
    auto *filtro = new TrattieniRilasci;
    // The dialog takes the keys as soon as it shows: without a window
    // manager a new window does not get them by itself, and the window
    // below, blocked by the dialog, would swallow every key.
    QTimer::singleShot(0, &dialogo, [&dialogo] {
        if (dialogo.isVisible())
            dialogo.activateWindow();
    });
    const int esito = dialogo.exec();
    filtro->dialogoChiuso();
    // The window the dialog came from takes the keys again. A window manager
    // would do it; without one nothing does, and the window's shortcuts
    // (which act only in the active window) would stay dead.
    if (sotto && sotto != &dialogo && sotto->isVisible() && !sotto->isMinimized())
        sotto->activateWindow();
    return esito;
}
