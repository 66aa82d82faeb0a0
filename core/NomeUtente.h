#pragma once

#include <QString>

// The one rule for user names. A user's name becomes the file name of its
// settings ("<name>.ini") and the name of its record folder, so a name is
// accepted only when it is a plain file name that every common file system
// can store and that stays inside the settings folder.
enum class ProblemaNome {
    Nessuno,              // a plain, safe name
    Vuoto,                // empty, or blanks only
    TroppoLungo,          // more than kLunghezzaMassimaNome characters
    CarattereDiControllo, // a control character (NUL, line break, tab, ...)
    CarattereNonValido,   // half of a character pair, or a code the text may never hold
    Separatore,           // "/" or "\": it would name another folder
    CarattereRiservato,   // one of < > : " | ? * that common file systems refuse
    SpaziAiBordi,         // blanks before or after the name
    PuntoIniziale,        // ".x", "." or "..": hidden or another folder
    NomePredefinito,      // "_predefinito" in any case: the default user's own name
    NomeDiDispositivo,    // CON, PRN, AUX, NUL, COM1.., LPT1..: devices on some systems
};

// At most this many characters, counted as the text counts them (a character
// outside the basic plane counts twice), so that "<name>.ini" always fits the
// file-name limit of the file system.
constexpr int kLunghezzaMassimaNome = 64;

// Why the name cannot be a user's name; ProblemaNome::Nessuno when it can.
// The first problem found is given, in the order of the enumeration.
ProblemaNome problemaNomeUtente(const QString &nome);

inline bool nomeUtenteValido(const QString &nome)
{
    return problemaNomeUtente(nome) == ProblemaNome::Nessuno;
}

// True for "_predefinito" in any case: the name of the default user, which
// exists from the start and is never a new user.
bool eUtentePredefinito(const QString &nome);
