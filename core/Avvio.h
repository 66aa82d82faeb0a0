#pragma once

#include <QString>

#include <functional>
#include <memory>

class QLockFile;

// What the start procedure decided.
enum class EsitoAvvio {
    Continua,        // the program goes on to its first window
    GiaInEsecuzione, // another instance runs: the "0001" message was shown
    ErroreCartelle,  // a settings folder or the notice file could not be written (reported)
};

// The start procedure. On Continua the returned lock must be kept for the
// whole run: it is what tells a second instance that this one is running.
struct Avvio
{
    EsitoAvvio esito = EsitoAvvio::Continua;
    std::unique_ptr<QLockFile> blocco;
};
Avvio AvvioProgramma();

// Creates the missing settings folders in root, program, data order,
// installing the font when the program folder is created. False (with the
// failure reported) when a folder or the notice file cannot be written.
// dopoCreazione, when given, hears of each folder created.
bool PreparaCartelle(const std::function<void(const QString &)> &dopoCreazione = {});

// Creates one folder (its parent must exist) and rewrites the notice file.
bool CreaCartella(const QString &percorso);

// The five lines of the notice file in the settings root.
QStringList righeLeggimi();

// Removes the temporary files that writes killed half-way left in the
// program's settings folders ("_predefinito.INI.aB3xYz" beside the settings,
// records, language choice and notice files). Only for the instance that
// holds the single-instance lock. Gives how many were removed.
int RimuoviFileTemporanei();

// The user fonts folder that stands for the system fonts folder, with "/".
QString CartellaFont();

// True when the fonts the system offers include the school font the family
// "Indis1" stands for.
bool FontCorsivoDiSistema();

// When the system lacks the cursive font: copies it from the program folder
// to the user fonts folder, registers it and tells the user once. Does
// nothing when the system has it. Every failure is silent.
void InstallaFont();

// Makes the family "Indis1" usable by the running program: maps the name to
// the system's school font, else loads the cursive font (installed copy,
// else the program folder's) and maps the name to it.
void RegistraFontCorsivo();

// The count headings of the status bars ("Esatti ", "Errati ", "Livello ")
// in the current language, each followed by a space: set at start and again
// when the language changes.
void PreparaIntestazioni();
