#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The files that belong to one player, and renaming or removing them all
// together. A player owns its settings file ("<name>.ini"), its switch-access
// file ("<name>.accesso"), its progress history ("<name>.storia.sqlite" with
// the side files SQLite keeps beside it while it is open or was stopped
// midway) and the folder of its saved activity records ("dati/<name>/").
// Every change is all or nothing: when one step fails, the steps already
// made are undone, so the player's files are as they were.

// One file or folder of a player, as it is on disk, and where a rename takes it.
struct FileDelGiocatore
{
    QString percorso;     // resolved without regard to case; empty for the records folder when missing
    bool storia = false;  // part of the progress history
    bool cartella = false; // the records folder
};

// The player's files that exist now, in the order a rename moves them: the
// settings file first. A refused or default name has none.
QList<FileDelGiocatore> fileDelGiocatore(const QString &nome);

// The progress history of the player exists (its database or a side file).
bool esisteStoria(const QString &nome);

enum class EsitoFileGiocatore {
    Fatto,
    NomeRifiutato,     // a name the settings folder cannot hold, the default player's, or no such player
    DestinazioneOccupata, // a file or folder of the new name is in the way (*ostacolo names it)
    Fallito,           // a step failed; everything is as it was (*ostacolo names the file)
};

// Renames every file of the player to the new name; the records folder
// goes too. A name that differs only in case is a rename as well. The new
// name's files must not exist yet, in any case of their names.
EsitoFileGiocatore rinominaGiocatore(const QString &vecchio, const QString &nuovo, QString *ostacolo = nullptr);

// Removes the player's settings and switch-access files, and the progress
// history when storiaAnche. The saved activity records stay where they are.
EsitoFileGiocatore rimuoviGiocatore(const QString &nome, bool storiaAnche, QString *ostacolo = nullptr);

// Tests make a step fail, as a full disk or a file held elsewhere would:
// called before each move of a file or folder (from, to); returning true
// makes that move fail. An empty function (the default) fails nothing.
using GuastoFileGiocatore = std::function<bool(const QString &da, const QString &a)>;
void impostaGuastoFileGiocatore(GuastoFileGiocatore guasto);
