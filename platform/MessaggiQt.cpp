#include "platform/MessaggiQt.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

void MessaggiQt::mostra(const QString &testo, const QString &titolo)
{
    QMessageBox box(QMessageBox::NoIcon, titolo, testo, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
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
