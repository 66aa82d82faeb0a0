#pragma once

#include "platform/Stampanti.h"

#include <QImage>
#include <QString>

#include <optional>

class QWidget;

// The printer steps of the print window and of the quick print, with their
// diagnostic messages: every title begins with " Errore in frmStampaFPB/"
// and names the failing step.

QString titoloErroreStampa(const QString &procedura);

// A number of a diagnostic message: a leading space when not negative.
QString numeroDiagnostico(qint64 numero);

// The default printer's name, or the empty text after the message
// "Stampante di default non specificata.".
QString GetDefPrinterName();

// Opens the named printer, or the default one when the name is empty (the
// name is then filled in), and completes the settings record with the
// printer's paper. False, after a message when the printer cannot be used,
// when no printer is open.
bool OpenDocPrinter(QString &nome, ImpostazioniStampa &impostazioni);

struct FoglioMm
{
    int larghezza = -1;
    int altezza = -1;
    int orientamento = -1;
};
// The printable area in whole millimetres and the orientation of the
// record; nullopt for an empty name or a printer that cannot say.
std::optional<FoglioMm> GetPaperSize(const QString &nome, const ImpostazioniStampa &impostazioni);

// The window as the program draws it (its client area, menu and status bars
// included), as a 24-bit image; nullopt after a message when it cannot be read.
std::optional<QImage> Legge_Form(QWidget *finestra);

// An image to print, stretched to the rectangle it is given.
Stampabile stampabileDaImmagine(const QString &nome, const QImage &immagine);

// Prints the object at x, y, w, h millimetres from the top-left corner of the
// printable area of the printer, one job per copy. An image that leaves the
// sheet asks first: Yes shrinks it with its margins, No prints it as set,
// Cancel prints nothing. True when every copy asked (possibly none) was sent;
// false when nothing or not everything was printed (a message says why,
// except when the user cancelled).
bool StampaOggetto(QWidget *finestraStampa, const QString &stampante, const ImpostazioniStampa &impostazioni,
                   const Stampabile &oggetto, bool figura, const RettangoloMm &rettangolo, const QString &titolo,
                   int copie);

// The quick print: the object on the default printer, as large as the sheet
// allows in its own proportions, centred, on a sheet turned the way the
// object is. False when nothing was printed.
bool stampaVeloce(QWidget *proprietario, const Stampabile &oggetto, const QString &titolo);
