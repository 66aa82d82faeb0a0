#pragma once

#include <QString>

#include <functional>
#include <memory>

// The short voice of spoken scanning: it says the name of what the highlight
// has just reached. Each name cuts off the one before, so a quick scan never
// falls behind; the speaking character's sentences are not its business (the
// scanning mechanism keeps quiet while one is being said).
class VoceScansione
{
public:
    virtual ~VoceScansione() = default;
    // Says testo at once in the language of the numeric identifier (1040
    // Italian), silencing a name still being said.
    virtual void di(const QString &testo, int identificativoLingua) = 0;
    // Silence at once.
    virtual void taci() = 0;
};

// The program's one scanning voice: the speech engine's unless a test
// installed another.
VoceScansione &voceScansione();
// Installs a voice (tests); nullptr puts the speech engine's back.
void impostaVoceScansione(VoceScansione *voce);
