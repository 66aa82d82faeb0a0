#include "users/Utenti.h"

#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "users/RegistroAttivita.h"

#include <QDir>

QStringList elencoUtenti(const QString &cartella, bool maiuscolo)
{
    // Settings files only: a folder whose name ends in ".ini" is no user, and
    // choosing it would leave the settings with nowhere to be written. The
    // extension is matched without regard to case ("_predefinito.INI").
    const QFileInfoList voci =
        QDir(cartella).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    QStringList nomi;
    for (const QFileInfo &voce : voci) {
        const QString file = voce.fileName();
        if (file.size() <= 4 || !file.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive))
            continue;
        const QString nome = file.left(file.size() - 4);
        nomi << (maiuscolo ? nome.toUpper() : nome);
    }
    return nomi;
}

int indiceUtente(const QStringList &elenco, const QString &utenteCorrente)
{
    for (int i = 0; i < elenco.size(); ++i) {
        if (elenco.at(i).compare(utenteCorrente, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool scegliUtente(StatoProgramma &stato, const QString &nome)
{
    const QString vecchio = stato.UtenteCorrente;
    SalvaImpostazioni(stato.PercorsoImpostazioni, stato.imp);
    stato.UtenteCorrente = nome;
    stato.PercorsoImpostazioni = percorsoUtente(nome);
    LeggiImpostazioni(stato.PercorsoImpostazioni, &stato.imp, MLSGetText(QStringLiteral("0041")));
    if (vecchio.compare(nome, Qt::CaseInsensitive) == 0)
        return false;
    svuotaRegistro(stato);
    return true;
}

bool utenteCambiato(StatoProgramma &stato, const QString &vecchio)
{
    if (vecchio.compare(stato.UtenteCorrente, Qt::CaseInsensitive) == 0)
        return false;
    svuotaRegistro(stato);
    return true;
}
