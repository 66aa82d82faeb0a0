#include "core/Modulo1.h"

#include "core/Lingua.h"
#include "core/NomeUtente.h"
#include "core/Percorsi.h"

#include <QFileInfo>

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

void LeggiUtenteCorrente(StatoProgramma &stato)
{
    LeggiImpostazioni(stato.PercorsoImpostazioni, &stato.imp, MLSGetText(QStringLiteral("0041")));
    stato.accesso = LeggiOpzioniAccesso(percorsoOpzioniAccesso(stato.PercorsoImpostazioni));
}

bool SalvaUtenteCorrente(const StatoProgramma &stato)
{
    if (!SalvaImpostazioni(stato.PercorsoImpostazioni, stato.imp))
        return false;
    const QString accesso = percorsoOpzioniAccesso(stato.PercorsoImpostazioni);
    // A user who never changed the options gets no file of them.
    if (stato.accesso == OpzioniAccesso() && !QFileInfo::exists(Percorsi::risolvi(accesso)))
        return true;
    return SalvaOpzioniAccesso(accesso, stato.accesso);
}
