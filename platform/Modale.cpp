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
// back what is left of the strokes still down when it closed: their repeats
// and their release. A repeat is told by the key being still down, not by
// how the server marks it: where the server sends a held key's repeats as
// presses alone (detectable auto-repeat), nothing marks them as repeats.
class TrattieniRilasci : public QObject
{
public:
    TrattieniRilasci() { qApp->installEventFilter(this); }

    // The dialog has closed: from now on the strokes still down are held
    // back; the filter goes once none is left.
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
        if (evento->type() != QEvent::KeyPress && evento->type() != QEvent::KeyRelease
            && evento->type() != QEvent::ShortcutOverride)
            return false;
        const auto *tasto = static_cast<QKeyEvent *>(evento);
        const int codice = tasto->key();
        if (m_aperto) {
            if (evento->type() == QEvent::KeyPress)
                m_giu.insert(codice);
            else if (evento->type() == QEvent::KeyRelease && !tasto->isAutoRepeat())
                m_giu.remove(codice);
            return false;
        }
        if (!m_giu.contains(codice))
            return false;
        const auto rilascio = m_rilasci.constFind(codice);
        if (evento->type() != QEvent::KeyRelease) {
            if (rilascio == m_rilasci.constEnd()) {
                // Still down: a repeat of the stroke that closed the dialog,
                // neither a key for the window nor a shortcut.
                if (evento->type() == QEvent::ShortcutOverride)
                    evento->accept();
                return true;
            }
            lascia(codice); // released since: a new stroke, the child's own
            return false;
        }
        if (tasto->isAutoRepeat())
            return true; // the release of a repeat marked as such
        // One release may reach the window and then the focused widget:
        // every delivery of it (the same time stamp) is held back.
        if (rilascio == m_rilasci.constEnd()) {
            m_rilasci.insert(codice, tasto->timestamp());
            return true;
        }
        if (*rilascio == tasto->timestamp())
            return true;
        lascia(codice); // a later release: not the dialog's
        return false;
    }

private:
    void lascia(int codice)
    {
        m_giu.remove(codice);
        m_rilasci.remove(codice);
        if (m_giu.isEmpty())
            deleteLater();
    }

    bool m_aperto = true;
    QSet<int> m_giu;
    QHash<int, quint64> m_rilasci; // the release held back for each key
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
