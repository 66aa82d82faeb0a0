#include "core/Modulo1.h"

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
    return Percorsi::risolvi(Percorsi::cartellaPinnole() + utente + QStringLiteral(".ini"));
}
