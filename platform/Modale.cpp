#include "platform/Modale.h"

#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QSet>
#include <QTimer>

namespace {

// The keys that are down now, by key code, as the program has seen them.
// Kept by every filter below and by one that stays for the program's life,
// whichever sees an event first: a filter that holds a release back hides it
// from the filters installed before it (those of the dialogs below, still
// open), which would otherwise take the key for still held.
QSet<int> &tastiGiu()
{
    static QSet<int> giu;
    return giu;
}

void aggiornaTastiGiu(const QEvent *evento)
{
    const auto *tasto = static_cast<const QKeyEvent *>(evento);
    if (evento->type() == QEvent::KeyPress)
        tastiGiu().insert(tasto->key());
    else if (evento->type() == QEvent::KeyRelease && !tasto->isAutoRepeat())
        tastiGiu().remove(tasto->key());
}

class OsservaTasti : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        if (evento->type() == QEvent::KeyPress || evento->type() == QEvent::KeyRelease)
            aggiornaTastiGiu(evento);
        // A key let go while another program had the keyboard sends its
        // release there: none is down for this program any more.
        else if (evento->type() == QEvent::ApplicationDeactivate)
            tastiGiu().clear();
        return false;
    }
};

void osservaTasti()
{
    static OsservaTasti *osservatore = nullptr;
    if (!osservatore) {
        osservatore = new OsservaTasti(qApp);
        qApp->installEventFilter(osservatore);
    }
}

// Once a dialog has closed, holds back what is left of the strokes still
// down at that moment: their repeats and their release. A repeat is told by
// the key being still down, not by how the server marks it: where the server
// sends a held key's repeats as presses alone (detectable auto-repeat),
// nothing marks them as repeats.
class TrattieniRilasci : public QObject
{
public:
    TrattieniRilasci() { qApp->installEventFilter(this); }

    // The dialog has closed: from now on the strokes down now are held
    // back; the filter goes once none is left.
    void dialogoChiuso()
    {
        m_aperto = false;
        m_trattenuti = tastiGiu();
        if (m_trattenuti.isEmpty()) {
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
        if (evento->type() != QEvent::ShortcutOverride)
            aggiornaTastiGiu(evento);
        const auto *tasto = static_cast<QKeyEvent *>(evento);
        const int codice = tasto->key();
        if (m_aperto || !m_trattenuti.contains(codice))
            return false;
        const auto rilascio = m_rilasci.constFind(codice);
        if (evento->type() != QEvent::KeyRelease) {
            if (rilascio == m_rilasci.constEnd()) {
                // Still down: a repeat of a stroke the dialog had, neither
                // a key for the window nor a shortcut.
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
        m_trattenuti.remove(codice);
        m_rilasci.remove(codice);
        if (m_trattenuti.isEmpty())
            deleteLater();
    }

    bool m_aperto = true;
    QSet<int> m_trattenuti;
    QHash<int, quint64> m_rilasci; // the release held back for each key
};

} // namespace

int eseguiModale(QDialog &dialogo)
{
    QPointer<QWidget> sotto = QApplication::activeWindow();
    if (!sotto && dialogo.parentWidget())
        sotto = dialogo.parentWidget()->window();
    osservaTasti();
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
