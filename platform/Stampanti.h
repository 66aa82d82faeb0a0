#pragma once

#include "printing/GeometriaStampa.h"

#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPainter;
class QRectF;
class QWidget;

// The printer settings record kept by the print window: what the program
// itself sets (orientation and copies) and the paper; the rest is the
// printer's own.
struct ImpostazioniStampa
{
    int orientamento = 0;  // 0 the printer's, 1 portrait, 2 landscape
    QPageSize foglio;      // invalid: the printer's default paper
    int copie = 1;
};

// What a print job draws: the object's pixel size (for the preview and the
// scale) and how it paints itself into a rectangle of the page. A captured
// window stretches its image; a drawing renders its vectors, sharp at any size.
struct Stampabile
{
    QString nome;
    QSize dimensione;
    std::function<void(QPainter &, const QRectF &)> disegna;
};

// How a print ended.
enum class EsitoLavoro {
    Stampato,    // every copy was sent (none when no copy was asked)
    NonAvviato,  // the job could not start: nothing was sent
    NonStampato, // a copy was refused; the later ones were dropped
    Annullato,   // the user cancelled (the "PDF file" save dialog)
};

struct RisultatoLavoro
{
    EsitoLavoro esito = EsitoLavoro::NonAvviato;
    int copieInviate = 0;
    QString dettaglio; // the system's reason when something failed
};

// The printers of the system and their print jobs. The program installs the
// CUPS printers; tests install a fake or talk to a private CUPS server.
class Stampanti
{
public:
    // The entry that writes a PDF file, always offered beside the real
    // printers, named in the program's language.
    static QString nomeFilePdf();

    virtual ~Stampanti() = default;
    // Names of the real printers in the system's order, then "PDF file".
    virtual QStringList nomi() = 0;
    // The default printer; "PDF file" when the system has no printer at all
    // (or no print server), empty when it has printers but none is the default.
    virtual QString predefinita() = 0;
    // Opens a printer: false when there is no such printer. The record takes
    // the printer's paper when it has none.
    virtual bool apri(const QString &nome, ImpostazioniStampa &impostazioni) = 0;
    // The printable area in millimetres with these settings.
    virtual std::optional<QSizeF> areaStampabile(const QString &nome, const ImpostazioniStampa &impostazioni) = 0;
    // The printer's own settings dialog; true when the user confirmed it.
    virtual bool proprieta(QWidget *proprietario, const QString &nome, ImpostazioniStampa &impostazioni) = 0;
    // Prints the object at a rectangle in whole mm from the top-left corner
    // of the printable area, one job of one page per copy; the "PDF file"
    // entry asks where to save and writes one page per copy.
    virtual RisultatoLavoro stampa(QWidget *proprietario, const QString &nome, const ImpostazioniStampa &impostazioni,
                                   const Stampabile &oggetto, const RettangoloMm &rettangolo, const QString &titolo,
                                   int copie) = 0;
};

// The installed printers (never null: until the program installs the real
// ones, there is no printer and nothing prints).
Stampanti &stampanti();
void impostaStampanti(Stampanti *s);
