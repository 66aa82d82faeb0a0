#include "platform/MessaggiQt.h"

#include "platform/Modale.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

// The window a message belongs to: the dialog or window that has the keys,
// or, where the window system tells no active window (Wayland may not), the
// visible window the child or teacher is looking at, full-screen first. A
// message with an owner is kept above it and takes the keys.
QWidget *finestraProprietaria()
{
    if (QWidget *modale = QApplication::activeModalWidget())
        return modale;
    if (QWidget *attiva = QApplication::activeWindow())
        return attiva;
    QWidget *scelta = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || (w->windowType() != Qt::Window && w->windowType() != Qt::Dialog))
            continue;
        if (w->isFullScreen())
            return w;
        if (!scelta)
            scelta = w;
    }
    return scelta;
}

QMessageBox::Icon iconaQt(IconaMessaggio icona)
{
    switch (icona) {
    case IconaMessaggio::Critico:
        return QMessageBox::Critical;
    case IconaMessaggio::Informazione:
        return QMessageBox::Information;
    case IconaMessaggio::Domanda:
        return QMessageBox::Question;
    case IconaMessaggio::Nessuna:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void MessaggiQt::mostra(const QString &testo, const QString &titolo, IconaMessaggio icona)
{
    QMessageBox box(iconaQt(icona), titolo, testo, QMessageBox::Ok, finestraProprietaria());
    box.setTextFormat(Qt::PlainText);
    eseguiModale(box);
}

RispostaDomanda MessaggiQt::domanda(const QString &testo, const QString &titolo, PulsantiDomanda pulsanti,
                                    IconaMessaggio icona)
{
    const bool conAnnulla = pulsanti == PulsantiDomanda::SiNoAnnulla;
    QMessageBox::StandardButtons tasti = QMessageBox::Yes | QMessageBox::No;
    if (conAnnulla)
        tasti |= QMessageBox::Cancel;
    QMessageBox box(iconaQt(icona), titolo, testo, tasti, finestraProprietaria());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    // Escape and the window frame's close answer Cancel, or No when there is no Cancel.
    box.setEscapeButton(conAnnulla ? QMessageBox::Cancel : QMessageBox::No);
    switch (eseguiModale(box)) {
    case QMessageBox::Yes:
        return RispostaDomanda::Si;
    case QMessageBox::No:
        return RispostaDomanda::No;
    default:
        return conAnnulla ? RispostaDomanda::Annulla : RispostaDomanda::No;
    }
}

QString MessaggiQt::chiedi(const QString &domanda, const QString &titolo, bool *annullato)
{
    bool ok = false;
    const QString risposta = QInputDialog::getText(finestraProprietaria(), titolo, domanda,
                                                   QLineEdit::Normal, QString(), &ok);
    if (annullato)
        *annullato = !ok;
    return ok ? risposta : QString();
}
