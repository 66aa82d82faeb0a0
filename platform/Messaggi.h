#pragma once

#include <QString>

// Message and input boxes. The program installs the real dialogs; tests
// install a recording fake.
class Messaggi
{
public:
    virtual ~Messaggi() = default;
    // A message with an OK button and the given title.
    virtual void mostra(const QString &testo, const QString &titolo) = 0;
    // An input box with no default answer; nullopt-like: *annullato is set
    // when the user cancels, and the empty text is returned.
    virtual QString chiedi(const QString &domanda, const QString &titolo, bool *annullato) = 0;
};

// The program's message boxes (never null: a silent sink until installed).
Messaggi &messaggi();
void impostaMessaggi(Messaggi *m);

inline QString titoloProgramma() { return QStringLiteral("Pinnole"); }
