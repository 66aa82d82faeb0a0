#pragma once

#include <QString>

// The picture a message box shows beside its text.
enum class IconaMessaggio {
    Nessuna,
    Critico,       // an error: something failed
    Informazione,  // a notice
    Domanda,       // a question
};

// The buttons of a question box.
enum class PulsantiDomanda {
    SiNo,
    SiNoAnnulla,
};

// The answer to a question box. Closing a Yes/No box without choosing
// counts as No; closing a Yes/No/Cancel box counts as Cancel.
enum class RispostaDomanda {
    Si,
    No,
    Annulla,
};

// Message, question and input boxes. The program installs the real dialogs;
// tests install a recording fake.
class Messaggi
{
public:
    virtual ~Messaggi() = default;
    // A message with an OK button, the given title and icon.
    virtual void mostra(const QString &testo, const QString &titolo,
                        IconaMessaggio icona = IconaMessaggio::Nessuna) = 0;
    // A question with Yes and No (and Cancel) buttons.
    virtual RispostaDomanda domanda(const QString &testo, const QString &titolo, PulsantiDomanda pulsanti,
                                    IconaMessaggio icona = IconaMessaggio::Domanda) = 0;
    // An input box with no default answer; *annullato is set when the user
    // cancels, and the empty text is returned.
    virtual QString chiedi(const QString &domanda, const QString &titolo, bool *annullato) = 0;
};

// The program's message boxes (never null: a silent sink until installed).
Messaggi &messaggi();
void impostaMessaggi(Messaggi *m);

inline QString titoloProgramma() { return QStringLiteral("Pinnole"); }
