#pragma once

#include <QString>

// The speech tags a text may begin with, and how their values become the
// speech engine's own settings. No engine code here, so the rules can be
// checked without any sound.

// A text to speak with its leading tags taken off. A value of -1 means the
// text carried no valid tag of that kind.
struct TestoDaLeggere
{
    QString testo;       // what is actually spoken and shown in the balloon
    int velocita = -1;   // "\Spd=n\": words per minute
    int tono = -1;       // "\Pit=n\": pitch, in the character's own scale 50..400
};

// Takes the tags off the start of the text: any sequence of "\Name=value\"
// (blanks allowed between them) in any order. "Spd" and "Pit" (in any case)
// with a whole decimal value set speed and pitch; a later tag of the same
// kind wins. Any other closed tag, or one whose value is not a whole number,
// is dropped unheard, so markup is never read aloud. A backslash that is
// never closed is ordinary text, and so is everything after the first
// character that is not part of a tag.
TestoDaLeggere leggiEtichetteVoce(const QString &testo);

// The engine's speed range in words per minute; the tag's value is used
// as it stands within it.
constexpr int kVelocitaMinimaMotore = 80;
constexpr int kVelocitaMassimaMotore = 450;
constexpr int kVelocitaNormaleMotore = 175;
int velocitaMotore(int velocitaTag);

// The character's pitch scale runs 50..400 around a normal 100 (the
// settings' default); the engine's runs 0..100 around a normal 50. The
// mapping follows octaves, as the ear does: 100 gives 50, each octave down
// from there takes 50 off (50 gives 0), each octave up adds 25 (200 gives
// 75, 400 gives 100). Values outside 50..400 count as the nearest end.
constexpr int kTonoNormaleMotore = 50;
int tonoMotore(int tonoTag);

// The voice identifier inside an engine mode string "{identifier}", blanks
// trimmed; empty when the text has no such form.
QString voceDelModo(const QString &modo);

// The language code (as the engine names languages) of a numeric language
// identifier, 1040 being Italian; only the primary language counts, so 2064
// (Italian of Switzerland) is Italian too. Empty for an unknown identifier.
QString linguaDellIdentificativo(int identificativoLingua);
