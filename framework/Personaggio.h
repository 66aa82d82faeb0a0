#pragma once

#include "platform/Agente.h"

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

// The speaking character of a window: loading, set-up from the settings,
// placing and reading aloud. Every exercise window and the configuration
// dialog own one character from loading to unloading; destroying it
// silences it.

// The character loaded when the chosen one cannot be.
inline const QString kPersonaggioPredefinito = QStringLiteral("Merlin");

// Creates the window's character and loads NomePersonaggio from the program
// folder's "personaggi/". When that character is missing or broken (a
// settings file from another computer may name one not installed here) the
// default character is loaded instead; the setting itself is kept. Then:
// LanguageID = the numeric value of IdLinguaAgente, balloon font FontFumetto
// at DimensioneFontFumetto points.
std::unique_ptr<Agente> CaricaPersonaggio();

// The speech tags put before every spoken text: "\Spd=" speed "\\Pit=" pitch
// "\", numbers in decimal; 130 and 100 give \Spd=130\\Pit=100\ (the speed
// tag, then the pitch tag, each closed by a backslash).
QString componiPrefissoVoce(int velocita, int tono);

// Builds PrefissoVoce from VelocitaVoce and TonoVoce; sets the balloon style
// bit 1 by FumettoVisibile and bit 2 by FumettoContieneTesto, keeping the
// other bits; balloon font and size from FontFumetto and
// DimensioneFontFumetto; engine mode = ModoVoceTTS (a mode this computer
// lacks leaves the voice of the character's language).
void ImpostaMerlino(Agente &personaggio);

// Shows the character 20 pixels wider and taller than its drawing, its top
// left corner a third of the way into the marker control (the window's
// hidden PicMerlino) across and down, each third taken in twips and rounded
// to the nearest pixel. The size is taken from the drawing,
// not from the current size, so showing it again does not make it grow.
void MostraPersonaggio(Agente &personaggio, const QWidget &PicMerlino);

// Reads a text aloud: everything in progress stops, then the character
// speaks PrefissoVoce followed by the text.
void LeggiTesto(Agente &personaggio, const QString &testo);

// The characters installed: the "*.svg" files of the program folder's
// "personaggi/" without the extension, each word capitalised and the rest in
// lower case ("merlin.svg" gives "Merlin"), in alphabetical order.
QStringList ElencoPersonaggi();
