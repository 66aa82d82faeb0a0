#include "framework/Feedback.h"

#include "core/Casuale.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "platform/Suoni.h"

#include <QDir>

int contaVoci(const QString &cartella, const QString &estensione)
{
    const QDir dir(Percorsi::risolvi(cartella));
    if (!dir.exists())
        return 0;
    // QDir matches name filters without regard to case unless told otherwise.
    const QStringList voci = dir.entryList(
        {QStringLiteral("*.") + estensione},
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return voci.size();
}

QString scegliFileNumerato(const QString &cartella, const QString &estensione, FonteCasuale &fonte)
{
    const int n = contaVoci(cartella, estensione);
    const int k = fonte.daUno(n);
    return Percorsi::risolvi(cartella + QLatin1Char('/') + QString::number(k)
                             + QLatin1Char('.') + estensione);
}

namespace {
void suonaDa(const QString &cartella)
{
    if (!Stato().imp.SuoniAttivi)
        return;
    const QString file = scegliFileNumerato(Percorsi::programma(cartella),
                                            QStringLiteral("wav"), fonteCasuale());
    suoni().suona(EsisteFile(file) ? file : suonoPredefinito());
}
} // namespace

void SuonaSi()
{
    suonaDa(QStringLiteral("suoni/si"));
}

void SuonaNo()
{
    suonaDa(QStringLiteral("suoni/no"));
}

QString filePremio(FonteCasuale &fonte)
{
    return scegliFileNumerato(Percorsi::programma(QStringLiteral("animazioni")),
                              QStringLiteral("svg"), fonte);
}
