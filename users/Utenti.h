#pragma once

#include <QList>
#include <QString>

struct StatoProgramma;
enum class EsitoSalvataggio;

// A user is a settings file "<name>.ini" in the program's settings folder;
// the default user "_predefinito" is the file "_predefinito.INI". Names are
// matched without regard to case.

// One entry of a list of users: the name the user's file really has, and the
// text shown for it (in capitals with the capitals text case). The two may
// differ in more than case ("Straße" is shown "STRASSE"), so a choice always
// goes by the name.
struct VoceUtente
{
    QString nome;
    QString testo;

    bool operator==(const VoceUtente &altra) const { return nome == altra.nome && testo == altra.testo; }
};

// The users of the settings folder, in listing order (by name without regard
// to case): every settings file "*.ini" (the extension matched without regard
// to case), the default user's included. Skipped: folders, files whose name
// is not a valid user name (core/NomeUtente.h), and files that are not
// settings files (one that begins with an INI section, like a language
// choice). An unreadable folder gives an empty list.
QList<VoceUtente> elencoUtenti(const QString &cartella, bool maiuscolo);

// How a user's name is shown and printed: the default user's name in the
// chosen language ("_predefinito" in Italian, "_default" in English), any
// other name as it is.
QString nomeMostrato(const QString &utente);

// The entry that names the current user (ignoring case); -1 for none.
int indiceUtente(const QList<VoceUtente> &elenco, const QString &utenteCorrente);

enum class EsitoSceltaUtente {
    StessoUtente,       // the current user again: its file written and read again
    UtenteCambiato,     // another user is current; the activity table is empty
    NomeRifiutato,      // not a valid user name: nothing saved, nothing changed
    SalvataggioFallito, // the current user's settings could not be saved: still current, nothing lost
};

// Makes nome the current user: the old user's settings are saved to its file,
// name and path switch, and the new user's settings are read (the defaults
// when the file is missing). A different user (ignoring case) also empties
// the activity table. Re-choosing the current user writes and re-reads its
// file and keeps the table. When the old user's settings cannot be saved the
// switch does not happen, so the values in memory are not replaced unsaved.
// When only the old user's switch-access options could not be saved the
// switch goes ahead; *salvataggio (when given) tells what the save managed.
EsitoSceltaUtente scegliUtente(StatoProgramma &stato, const QString &nome,
                               EsitoSalvataggio *salvataggio = nullptr);

// A change of the current user made elsewhere than the menu's list (the
// configuration dialog switches name and path by its own steps): a different
// user, ignoring case, empties the activity table, so one child's rows are
// never shown or saved under another child's name. True when it was emptied.
bool utenteCambiato(StatoProgramma &stato, const QString &vecchio);
