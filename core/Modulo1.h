#pragma once

#include "core/Impostazioni.h"
#include "core/OpzioniAccesso.h"

#include <QList>
#include <QPair>
#include <QString>

#include <array>

// The state shared by the whole program for the whole run.
struct StatoProgramma
{
    static constexpr int kRigheRegistro = 501; // rows 0..500
    static constexpr int kParole = 35;         // word table entries 0..34
    static constexpr int kColoriTavolozza = 216;

    QString PercorsoImpostazioni;
    QString UtenteCorrente;
    QString IdLinguaAgente;
    QString IntestazioneEsatti;
    QString IntestazioneErrati;
    QString IntestazioneLivello;
    QString IntestazioneIgnorate;
    std::array<QString, kParole> TabellaParole;
    std::array<QString, kColoriTavolozza> TavolozzaVB;
    std::array<QString, kColoriTavolozza> TavolozzaHex;
    QString PrefissoVoce;
    // Activity record: level segments played, columns 0..3.
    std::array<std::array<QString, 4>, kRigheRegistro> RegistroAttivita;
    qint16 NumeroRighe = 0;
    double RisposteEsatte = 0;
    qint16 RisposteErrate = 0;
    // Switch presses the acceptance and debounce times kept from acting in
    // the level segment being played, and those of each recorded segment,
    // parallel to the rows of RegistroAttivita (empty where a row holds no
    // segment). They are kept beside the activity record, never in its four
    // columns, so the record files keep their format.
    qint16 PressioniIgnorate = 0;
    std::array<QString, kRigheRegistro> IgnorateRegistro;

    // The 50 settings values of the current user, TabellaColori among them.
    Impostazioni imp;
    // The current user's switch-access options (their own file beside the
    // settings file).
    OpzioniAccesso accesso;
    // The access file as last read or written with the settings on disk:
    // what a save compares with, so that it writes only what changed and
    // keeps the lines it does not know.
    FileOpzioniAccesso fileAccesso;

    // Progress histories that could not be read and were moved aside while
    // a child played: (player, the name it was moved to). The next window a
    // teacher sees says so, once.
    QList<QPair<QString, QString>> StorieMesseDaParte;
};

// What a save of the current user managed.
enum class EsitoSalvataggio {
    Salvato,
    // The settings were saved; the switch-access options could not be (the
    // file's place is taken by a folder, say): they read as the defaults
    // next time.
    AccessoNonSalvato,
    // The settings could not be saved: the old files are as they were.
    ImpostazioniNonSalvate,
};

// The one shared state of the running program.
StatoProgramma &Stato();

// The settings file of the default user, ".../pinnole/_predefinito.INI".
QString percorsoUtentePredefinito();
// The settings file of a user, ".../pinnole/<utente>.ini"; the default user's
// file for "_predefinito" in any case. A name that problemaNomeUtente refuses
// (core/NomeUtente.h) gives an empty path: nothing can be read from it or
// written to it, so no name ever reaches a file outside the settings folder.
QString percorsoUtente(const QString &utente);
// The folder of a user's activity records, ".../pinnole/dati/<utente>/"
// ("_predefinito" for the default user); empty for a refused name, as above.
QString cartellaRegistriUtente(const QString &utente);
// The progress history of a user, an SQLite database beside the settings,
// ".../pinnole/<utente>.storia.sqlite" ("_predefinito" for the default user);
// empty for a refused name, as above.
QString percorsoStoria(const QString &utente);

// Reads the current user's settings and switch-access options from the files
// of stato.PercorsoImpostazioni; values that cannot be read keep their defaults.
void LeggiUtenteCorrente(StatoProgramma &stato);
// Writes the current user's switch-access options, when they differ from the
// defaults or the user already has the file, then the settings; a file whose
// content would not change is not written. The access file goes first and
// names the settings it belongs with (core/OpzioniAccesso.h), so a kill at
// any moment leaves a pair that belongs together.
EsitoSalvataggio SalvaUtenteCorrente(StatoProgramma &stato);
