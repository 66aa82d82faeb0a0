#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Language strings: every visible text is looked up by key in a language file
// "<language>.lng" under the program folder's "lngpinnole"; the current
// language is kept in "LangSetting.ini" beside them.

// One INI value. Sections and keys match without regard to case, surrounding
// blanks and enclosing double quotes are dropped, a value ends at its first
// zero character, and at most 511 characters are returned. A file over 64000 bytes is searched line by line for the
// first line that begins with the key, whatever its section. nullopt when the
// file does not exist or cannot be read; an empty text when the key is missing.
std::optional<QString> MLSReadKey(const QString &file, const QString &sezione, const QString &chiave);

// Writes one INI value, creating the file, the section or the key as needed;
// the rest of the file is kept as it was. False when the file cannot be written.
bool MLSWriteKey(const QString &file, const QString &sezione, const QString &chiave, const QString &valore);

// The text of a four-digit message key in the current language; empty on any failure.
QString MLSGetText(const QString &chiave);

// The name of the current language file without ".lng"; empty until the
// first lookup reads it from "LangSetting.ini".
QString &LinguaCorrente();

namespace Lingua {

QString cartella();                 // program folder + "/lngpinnole"
// ".../LangSetting.ini" beside the language files; for an installed program
// or a program folder the user cannot write, the user's own copy in the
// folder "lngpinnole" of the settings folder once a choice has been made
// there (never among the users' settings files).
QString fileImpostazioneLingua();
QString fileLingua(const QString &lingua); // ".../<lingua>.lng"
// The language chosen in "LangSetting.ini" (empty when missing).
QString linguaSalvata();
// Names of the language files without ".lng", in folder order (by name).
QStringList lingueDisponibili();
// Records the choice in "LangSetting.ini" (the user's copy for an installed
// program or a program folder that cannot be written) and makes it current, Qt's own texts included.
bool scegliLingua(const QString &lingua);
// Qt's own texts (the buttons of message boxes, the colour, font and file
// dialogs) in the current language: the system's Qt translation for the
// language code of the language file ("{it}" in 0041), in place of the one
// installed before. None when the system has no translation for it.
void applicaTraduzioniQt();
// The keys of a section of a language file as lookups see them, in lower
// case; empty when the file or the section is missing.
QStringList chiaviSezione(const QString &file, const QString &sezione);
// Forgets the cached files (tests that rewrite files in the same second).
void svuotaCache();

} // namespace Lingua
