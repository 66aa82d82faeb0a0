#pragma once

#include "core/Lingua.h"
#include "core/TraduciFinestra.h"

#include <QObject>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>

// The texts of a window's section, in every language file, that name a
// control the window does not have: such a text is never shown, and the
// control keeps its Italian text. Empty when there is none.
inline QString chiaviSenzaControllo(const QWidget *finestra)
{
    QSet<QString> controlli;
    for (const QObject *figlio : finestra->findChildren<QObject *>())
        controlli << prefissoChiave(figlio).toLower();
    static const QRegularExpression testo(QStringLiteral("^(.+)\\.(caption|tooltiptext|tag)$"));
    const QString propria = finestra->objectName().toLower();
    QStringList mancanti;
    for (const QString &lingua : Lingua::lingueDisponibili()) {
        const QStringList chiavi = Lingua::chiaviSezione(Lingua::fileLingua(lingua), finestra->objectName());
        if (chiavi.isEmpty())
            mancanti << lingua + QStringLiteral(": no section ") + finestra->objectName();
        for (const QString &chiave : chiavi) {
            const QRegularExpressionMatch m = testo.match(chiave);
            if (m.hasMatch() && m.captured(1) != propria && !controlli.contains(m.captured(1)))
                mancanti << lingua + QStringLiteral(": ") + chiave;
        }
    }
    return mancanti.join(QStringLiteral(", "));
}
