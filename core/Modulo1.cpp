#include "core/Modulo1.h"

#include "core/ColoriNellaLingua.h"
#include "core/Lingua.h"
#include "core/NomeUtente.h"
#include "core/Percorsi.h"
#include "core/TestoFile.h"

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

QString percorsoStoria(const QString &utente)
{
    if (!eUtentePredefinito(utente) && !nomeUtenteValido(utente))
        return QString();
    const QString nome = eUtentePredefinito(utente) ? QStringLiteral("_predefinito") : utente;
    return Percorsi::risolvi(Percorsi::cartellaPinnole() + nome + QStringLiteral(".storia.sqlite"));
}

namespace {

// The fingerprint of the settings file now on disk; empty when there is none.
QString improntaSuDisco(const QString &percorsoImpostazioni)
{
    const std::optional<QByteArray> byte =
        TestoFile::leggiByte(Percorsi::risolvi(percorsoImpostazioni), kByteMassimiImpostazioni);
    return byte ? TestoFile::impronta(*byte) : QString();
}

} // namespace

void LeggiUtenteCorrente(StatoProgramma &stato)
{
    LeggiImpostazioni(stato.PercorsoImpostazioni, &stato.imp, MLSGetText(QStringLiteral("0041")));
    // Colour words still as they came, in any language, read in the current one.
    coloriNellaLinguaCorrente(stato.imp.TabellaColori);
    stato.fileAccesso = {};
    const QString accesso = percorsoOpzioniAccesso(stato.PercorsoImpostazioni);
    QString testo;
    if (!accesso.isEmpty()
        && TestoFile::leggi(Percorsi::risolvi(accesso), &testo, kByteMassimiOpzioniAccesso)) {
        stato.fileAccesso =
            sceltaOpzioniAccesso(TestoFile::righe(testo), improntaSuDisco(stato.PercorsoImpostazioni));
    }
    stato.accesso = stato.fileAccesso.opzioni;
}

EsitoSalvataggio SalvaUtenteCorrente(StatoProgramma &stato)
{
    if (stato.PercorsoImpostazioni.isEmpty())
        return EsitoSalvataggio::ImpostazioniNonSalvate;
    const QString accesso = Percorsi::risolvi(percorsoOpzioniAccesso(stato.PercorsoImpostazioni));
    const QString improntaNuova = TestoFile::impronta(TestoFile::byteRighe(righeImpostazioni(stato.imp)));
    bool accessoSalvato = true;
    const FileOpzioniAccesso &letto = stato.fileAccesso;
    FileOpzioniAccesso scritto = letto;
    // Nothing readable on disk (or the file gone since it was read) and the
    // defaults in memory: a reader gets the defaults anyway, so a user who
    // never changed the options gets no file.
    const QFileInfo suDisco(accesso);
    const bool nienteDaSalvare = stato.accesso == OpzioniAccesso()
        && (letto.righe.isEmpty() || !(suDisco.exists() || suDisco.isSymLink()));
    // A file of an older version, which names no settings file, goes with
    // any: unchanged, it stays as it is.
    const bool invariato = stato.accesso == letto.opzioni && !letto.righe.isEmpty() && !letto.conImpronta;
    if (!nienteDaSalvare && !invariato) {
        const QStringList righe = righeDaSalvare(stato.fileAccesso, stato.accesso, improntaNuova,
                                                 improntaSuDisco(stato.PercorsoImpostazioni));
        accessoSalvato = TestoFile::scriviRighe(accesso, righe);
        if (accessoSalvato)
            scritto = sceltaOpzioniAccesso(righe, improntaNuova);
    }
    if (!SalvaImpostazioni(stato.PercorsoImpostazioni, stato.imp))
        return EsitoSalvataggio::ImpostazioniNonSalvate;
    // Only now does the access file just written go with the settings on disk.
    stato.fileAccesso = scritto;
    return accessoSalvato ? EsitoSalvataggio::Salvato : EsitoSalvataggio::AccessoNonSalvato;
}
