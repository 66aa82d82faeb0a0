#include "users/Utenti.h"

#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/NomeUtente.h"
#include "core/TestoFile.h"
#include "users/RegistroAttivita.h"

#include <QDir>
#include <QFile>

namespace {

// Every settings file begins with its first value, a number; a file that
// begins with "[" is an INI file of another kind (the language choice) and
// choosing it as a user would overwrite it with settings. An empty or
// damaged settings file still counts: it reads as the defaults.
bool eFileImpostazioni(const QString &percorso)
{
    // Only a regular file of a settings file's size is read at all.
    const std::optional<QByteArray> byte = TestoFile::leggiByte(percorso, kByteMassimiImpostazioni);
    return byte && !byte->left(64).trimmed().startsWith('[');
}

} // namespace

QList<VoceUtente> elencoUtenti(const QString &cartella, bool maiuscolo)
{
    // Settings files only: a folder whose name ends in ".ini" is no user, and
    // choosing it would leave the settings with nowhere to be written. The
    // extension is matched without regard to case ("_predefinito.INI").
    const QFileInfoList voci =
        QDir(cartella).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    QList<VoceUtente> utenti;
    for (const QFileInfo &voce : voci) {
        const QString file = voce.fileName();
        if (file.size() <= 4 || !file.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive))
            continue;
        const QString nome = file.left(file.size() - 4);
        if (!eUtentePredefinito(nome) && !nomeUtenteValido(nome))
            continue;
        if (!eFileImpostazioni(voce.filePath()))
            continue;
        const QString testo = nomeMostrato(nome);
        utenti.append({nome, maiuscolo ? testo.toUpper() : testo});
    }
    return utenti;
}

QString nomeMostrato(const QString &utente)
{
    if (!eUtentePredefinito(utente))
        return utente;
    // Without a language file the name shows as it is stored.
    const QString testo = MLSGetText(QStringLiteral("0550"));
    return testo.isEmpty() ? utente : testo;
}

int indiceUtente(const QList<VoceUtente> &elenco, const QString &utenteCorrente)
{
    for (int i = 0; i < elenco.size(); ++i) {
        if (elenco.at(i).nome.compare(utenteCorrente, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

EsitoSceltaUtente scegliUtente(StatoProgramma &stato, const QString &nome, EsitoSalvataggio *salvataggio)
{
    const QString percorso = percorsoUtente(nome);
    if (percorso.isEmpty())
        return EsitoSceltaUtente::NomeRifiutato;
    const EsitoSalvataggio esito = SalvaUtenteCorrente(stato);
    if (salvataggio)
        *salvataggio = esito;
    if (esito == EsitoSalvataggio::ImpostazioniNonSalvate)
        return EsitoSceltaUtente::SalvataggioFallito;
    const QString vecchio = stato.UtenteCorrente;
    stato.UtenteCorrente = nome;
    stato.PercorsoImpostazioni = percorso;
    LeggiUtenteCorrente(stato);
    if (vecchio.compare(nome, Qt::CaseInsensitive) == 0)
        return EsitoSceltaUtente::StessoUtente;
    svuotaRegistro(stato);
    return EsitoSceltaUtente::UtenteCambiato;
}

bool utenteCambiato(StatoProgramma &stato, const QString &vecchio)
{
    if (vecchio.compare(stato.UtenteCorrente, Qt::CaseInsensitive) == 0)
        return false;
    svuotaRegistro(stato);
    return true;
}
