#pragma once

#include <QByteArray>

#include <memory>

// Where the character's voice is heard: the default sound device, fed with
// 16-bit mono samples at the voice's frequency as they are synthesised. The
// real one lives in the sound module (platform/Moduli.h); without it the
// voice is "said" silently in the time it would take.
class UscitaVoce
{
public:
    virtual ~UscitaVoce() = default;
    // Readies the output for a new text, dropping what was left of the last
    // one; false when there is no sound device to play it on.
    virtual bool avvia() = 0;
    // More samples of the text, played after those already handed over.
    virtual void aggiungi(const QByteArray &pcm) = 0;
    // The text's last samples have been handed over.
    virtual void chiudi() = 0;
    // Silences the output at once.
    virtual void ferma() = 0;
    // The text's audio is going to a sound device (playing, or waiting for
    // more samples).
    virtual bool attiva() const = 0;
    // Every sample handed over has been played, or the output is stopped.
    virtual bool finita() const = 0;
};

using FabbricaUscitaVoce = std::unique_ptr<UscitaVoce> (*)();

// Installed by the sound module; nullptr leaves the voice silent.
void impostaUscitaVoce(FabbricaUscitaVoce fabbrica);
std::unique_ptr<UscitaVoce> creaUscitaVoce();
