#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

// How a font dialog ended.
enum class EsitoDialogo {
    Confermato,
    Annullato,
    Fallito,  // the dialog could not give a usable answer
};

// What a file dialog is asked: the open dialog (the file must exist) or the
// save dialog (asks before overwriting).
struct RichiestaFile
{
    bool apri = true;
    QString titolo;
    QString nomePredefinito;
    // Either "Description|*.ext|Description|*.ext" pairs or Qt's own
    // "Description (*.ext);;..." form.
    QString filtro;
    QString cartellaIniziale;
    QString estensionePredefinita;  // without the dot, added when the name has none
};

// The colour, font and file dialogs. The program installs the real Qt
// dialogs; tests install a fake that answers from a script.
class DialoghiComuni
{
public:
    virtual ~DialoghiComuni() = default;
    // A solid colour, or nullopt when the user cancels.
    virtual std::optional<QColor> colore(QWidget *proprietario) = 0;
    // A font: family, whole point size, bold, italic and underline. The
    // dialog opens on *scelto (the control's current font), which the
    // choice replaces.
    virtual EsitoDialogo font(QWidget *proprietario, QFont *scelto) = 0;
    // The chosen path, or the empty text when the user cancels.
    virtual QString file(QWidget *proprietario, const RichiestaFile &richiesta) = 0;
};

// The installed dialogs (never null: until the program installs the real
// ones every dialog answers as if cancelled).
DialoghiComuni &dialoghiComuni();
void impostaDialoghiComuni(DialoghiComuni *d);

// The colour dialog: on confirmation the chosen colour becomes the text
// colour of the control (its palette's WindowText), where the caller reads it.
bool ScegliColore(QWidget *proprietario, QWidget *controllo);

// The font dialog: on confirmation the control takes the chosen family,
// size in whole points, bold (weight 700 or more), italic and underline.
EsitoDialogo ScegliFont(QWidget *proprietario, QWidget *controllo);

// The text colour a colour dialog left on a control.
QColor coloreTesto(const QWidget *controllo);

// The open dialog (modo 1) or the save dialog (any other modo); the chosen
// path, or the empty text when cancelled.
QString ScegliFile(QWidget *proprietario, int modo, const QString &titolo, const QString &nomePredefinito,
                   const QString &filtro, const QString &cartellaIniziale, const QString &estensionePredefinita);

// "Description|*.a;*.b|Other|*.c" as a Qt name filter list
// ("Description (*.a *.b);;Other (*.c)"); a Qt filter passes unchanged.
QString filtroQt(const QString &filtro);
