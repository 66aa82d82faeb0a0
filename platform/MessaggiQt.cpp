#include "platform/MessaggiQt.h"

#include "platform/Modale.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

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
    QMessageBox box(iconaQt(icona), titolo, testo, QMessageBox::Ok, QApplication::activeWindow());
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
    QMessageBox box(iconaQt(icona), titolo, testo, tasti, QApplication::activeWindow());
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
    const QString risposta = QInputDialog::getText(QApplication::activeWindow(), titolo, domanda,
                                                   QLineEdit::Normal, QString(), &ok);
    if (annullato)
        *annullato = !ok;
    return ok ? risposta : QString();
}
