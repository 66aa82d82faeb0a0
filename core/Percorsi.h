#pragma once

#include <QString>

// Where the program finds its own files and keeps the user's settings.
namespace Percorsi {

// The program folder: the executable's folder when it holds "lngpinnole",
// else "../share/pinnole" beside it. Always ends without a separator.
QString cartellaProgramma();
// True when the program folder is an installed one ("../share/pinnole"
// beside the executable): it belongs to the system and is never written,
// whoever runs the program, root included. False for the build tree, whose
// program folder sits beside the executable.
bool programmaInstallato();
// Tests and tools point the program at another program folder, taken as
// installed when so told.
void impostaCartellaProgramma(const QString &cartella, bool installata = false);

// A file or folder of the program folder, e.g. programma("swf/pinnole1.svg").
QString programma(const QString &relativo);

// The settings root shared with the maker's other programs, its notice file,
// this program's settings folder and the folder of the activity records.
// Folders end with "/".
QString radiceImpostazioni();
QString fileLeggimi();
QString cartellaPinnole();
QString cartellaDati();

// Resolves a path against what exists on disk without regard to case, one
// component at a time: "_predefinito.INI" finds "_predefinito.ini" and "Dati"
// finds "dati". Components that match nothing are kept as written, so the
// result is also the path to create.
QString risolvi(const QString &percorso);

} // namespace Percorsi

// True when the path (resolved without regard to case) names an ordinary file.
bool EsisteFile(const QString &percorso);
// False for an empty path; true when the path names a folder, hidden or not.
bool EsisteCartella(const QString &percorso);
// Returns after that many seconds, serving pending events meanwhile. Uses a
// monotonic clock, so it never waits longer than asked, across midnight too.
void Attendi(double secondi);
