#pragma once

#include "platform/Agente.h"

#include <QRect>
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

// Shows the character in the marker's window (PosizionaPersonaggio).
void MostraPersonaggio(Agente &personaggio, const QWidget &PicMerlino, const QRect &zonaFumetto = {});

// Places the character inside the window of the marker control (the
// window's hidden PicMerlino): its top left corner a third of the way into
// the marker across and down, each third taken in twips and rounded to the
// nearest pixel, and its size the rest of the marker, so that it grows with
// the rescaled window and stays clear of the controls beside the marker. Its
// balloon stays inside zonaFumetto (the marker's parent coordinates; by
// default right of the marker's left edge), its font scaled by the window's
// height against 768 pixels. Run again when the marker is rescaled.
void PosizionaPersonaggio(Agente &personaggio, const QWidget &PicMerlino, const QRect &zonaFumetto = {});

// How much the balloon's font grows in a window: its height against 768
// pixels, never less than 1.
qreal scalaFumetto(const QWidget &finestra);

// Where the marker puts the character, in its window's coordinates: from a
// third of the way into the marker across and down (each third taken in
// twips and rounded to the nearest pixel) to the marker's bottom right.
QRect postoDelMarcatore(const QWidget &PicMerlino);

// Places the character at figura and keeps its balloon inside zonaFumetto,
// both in the window's coordinates; the balloon's font grows with the
// window's height beyond 768 pixels. An empty zone means there is no room
// for a balloon: it stays hidden.
void PosizionaPersonaggioIn(Agente &personaggio, QWidget &finestra, const QRect &figura, const QRect &zonaFumetto);

// Reads a text aloud: everything in progress stops, then the character
// speaks PrefissoVoce followed by the text.
void LeggiTesto(Agente &personaggio, const QString &testo);

// The characters installed: the "*.svg" files of the program folder's
// "personaggi/" without the extension, each word capitalised and the rest in
// lower case ("merlin.svg" gives "Merlin"), in alphabetical order.
QStringList ElencoPersonaggi();
