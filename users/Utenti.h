#pragma once

#include <QString>
#include <QStringList>

struct StatoProgramma;

// A user is a settings file "<name>.ini" in the program's settings folder;
// the default user "_predefinito" is the file "_predefinito.INI". Names are
// matched without regard to case.

// The users for the main menu's list: every "*.ini" file of the folder (the
// extension matched without regard to case), the default user's file
// included; the name is the file name without its last four characters, in
// capitals when maiuscolo. Listing order, which here is by name without
// regard to case. An unreadable folder gives an empty list.
QStringList elencoUtenti(const QString &cartella, bool maiuscolo);

// The entry of the list that names the current user (ignoring case); -1 for none.
int indiceUtente(const QStringList &elenco, const QString &utenteCorrente);

// Makes nome the current user: the old user's settings are saved to its file,
// name and path switch, and the new user's settings are read (the defaults
// when the file is missing). A different user (ignoring case) also empties
// the activity table; true in that case. Re-choosing the current user writes
// and re-reads its file and keeps the table.
bool scegliUtente(StatoProgramma &stato, const QString &nome);

// A change of the current user made elsewhere than the menu's list (the
// configuration dialog switches name and path by its own steps): a different
// user, ignoring case, empties the activity table, so one child's rows are
// never shown or saved under another child's name. True when it was emptied.
bool utenteCambiato(StatoProgramma &stato, const QString &vecchio);
