#include "core/Modulo1.h"

#include "core/NomeUtente.h"
#include "core/Percorsi.h"

StatoProgramma &Stato()
{
    static StatoProgramma stato;
    return stato;
}

QString percorsoUtentePredefinito()
{
    return Percorsi::risolvi(Percorsi::cartellaPinnole() + QStringLiteral("_predefinito.INI"));
}

QString percorsoUtente(const QString &utente)
{
    if (eUtentePredefinito(utente))
        return percorsoUtentePredefinito();
    if (!nomeUtenteValido(utente))
        return QString();
    return Percorsi::risolvi(Percorsi::cartellaPinnole() + utente + QStringLiteral(".ini"));
}

QString cartellaRegistriUtente(const QString &utente)
{
    if (!eUtentePredefinito(utente) && !nomeUtenteValido(utente))
        return QString();
    return Percorsi::risolvi(Percorsi::cartellaDati() + utente) + QLatin1Char('/');
}
