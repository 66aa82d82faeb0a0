#include "platform/MessaggiQt.h"

#include "platform/Pannello.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

// The window a message belongs to: the dialog or window that has the keys,
// or, where the window system tells no active window (Wayland may not), the
// visible window the child or teacher is looking at, full-screen first. A
// message with an owner is kept above it and takes the keys; over a
// full-screen window it is drawn inside that window.
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
    QWidget *proprietaria = finestraProprietaria();
    QMessageBox box(iconaQt(icona), titolo, testo, QMessageBox::Ok, proprietaria);
    box.setTextFormat(Qt::PlainText);
    eseguiSopra(box, proprietaria);
}

RispostaDomanda MessaggiQt::domanda(const QString &testo, const QString &titolo, PulsantiDomanda pulsanti,
                                    IconaMessaggio icona)
{
    const bool conAnnulla = pulsanti == PulsantiDomanda::SiNoAnnulla;
    QMessageBox::StandardButtons tasti = QMessageBox::Yes | QMessageBox::No;
    if (conAnnulla)
        tasti |= QMessageBox::Cancel;
    QWidget *proprietaria = finestraProprietaria();
    QMessageBox box(iconaQt(icona), titolo, testo, tasti, proprietaria);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    // Escape and the window frame's close answer Cancel, or No when there is no Cancel.
    box.setEscapeButton(conAnnulla ? QMessageBox::Cancel : QMessageBox::No);
    switch (eseguiSopra(box, proprietaria)) {
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
    QWidget *proprietaria = finestraProprietaria();
    QInputDialog finestra(proprietaria);
    finestra.setWindowTitle(titolo);
    finestra.setLabelText(domanda);
    finestra.setInputMode(QInputDialog::TextInput);
    finestra.setTextEchoMode(QLineEdit::Normal);
    const bool ok = eseguiSopra(finestra, proprietaria) == QDialog::Accepted;
    if (annullato)
        *annullato = !ok;
    return ok ? finestra.textValue() : QString();
}
