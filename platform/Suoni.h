#pragma once

#include <QString>

// The answer-sound player. The program installs the real one; tests install
// a recording fake.
class Suoni
{
public:
    virtual ~Suoni() = default;
    // Starts playing a WAV file and returns at once. A sound still playing is
    // cut off. A file that cannot be played gives the default sound.
    virtual void suona(const QString &file) = 0;
    // Silences the sound playing, if any.
    virtual void ferma() = 0;
};

// The program's player (never null: silent until the real one is installed).
Suoni &suoni();
void impostaSuoni(Suoni *s); // nullptr restores the silent player

// The sound played in place of a missing or unplayable file:
// "suoni/predefinito.wav" of the program folder.
QString suonoPredefinito();
