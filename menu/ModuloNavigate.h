#pragma once

#include <QString>

class QWidget;

// Hands a document to the desktop, which opens it with its default
// application. The program installs the desktop's opener; tests install a
// recording fake.
class ApritoreDocumenti
{
public:
    virtual ~ApritoreDocumenti() = default;
    // Returns at once; false when the desktop could not take the request.
    virtual bool apri(const QString &percorso) = 0;
};

// The current opener (the desktop's until another is installed; nullptr
// puts the desktop's back).
ApritoreDocumenti &apritoreDocumenti();
void impostaApritoreDocumenti(ApritoreDocumenti *apritore);

// Opens a documentation file of the program folder with the desktop's
// default application; the call never waits for the application. A missing
// file, or a desktop with no application for it, is told to the user with
// the file's path, so the teacher can open it another way.
void ApriDocumento(QWidget *finestra, const QString &percorso);
