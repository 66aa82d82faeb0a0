#pragma once

#include "core/Lingua.h"
#include "core/TestoFile.h"

#include <QFile>
#include <QObject>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>

// The keys of a window's section of a language file that name a control the
// window does not have: such a text is never shown, and the control keeps
// its Italian text in every language.
inline QStringList chiaviSenzaControllo(const QWidget *finestra, const QString &lingua)
{
    QFile file(Lingua::fileLingua(lingua));
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("no language file ") + file.fileName()};
    QSet<QString> controlli;
    for (const QObject *figlio : finestra->findChildren<QObject *>()) {
        const QVariant indice = figlio->property("index");
        bool ok = false;
        const int i = indice.toInt(&ok);
        controlli << (indice.isValid() && ok && i >= 0
                          ? figlio->objectName() + QLatin1Char('(') + QString::number(i) + QLatin1Char(')')
                          : figlio->objectName())
                             .toLower();
    }
    static const QRegularExpression chiave(QStringLiteral("^([A-Za-z_][A-Za-z0-9_]*(\\(\\d+\\))?)\\.(Caption|ToolTipText|Tag)="));
    const QString sezione = QLatin1Char('[') + finestra->objectName() + QLatin1Char(']');
    QStringList mancanti;
    bool dentro = false;
    bool trovata = false;
    for (const QString &riga : TestoFile::righe(TestoFile::decodifica(file.readAll()))) {
        if (riga.startsWith(QLatin1Char('['))) {
            dentro = riga.trimmed().compare(sezione, Qt::CaseInsensitive) == 0;
            trovata = trovata || dentro;
            continue;
        }
        const QRegularExpressionMatch m = chiave.match(riga);
        if (!dentro || !m.hasMatch())
            continue;
        const QString nome = m.captured(1);
        if (nome != finestra->objectName() && !controlli.contains(nome.toLower()))
            mancanti << lingua + QLatin1Char(' ') + m.captured(0);
    }
    if (!trovata)
        mancanti << lingua + QStringLiteral(" has no section ") + sezione;
    return mancanti;
}
