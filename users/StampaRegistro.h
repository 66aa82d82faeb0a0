#pragma once

#include "platform/Stampanti.h"
#include "users/StampaGriglia.h"

#include <functional>

class QPrinter;
class QWidget;

// Prints pages on the default printer of the program's printer layer: the
// pages are laid out by impagina as a landscape PDF on the printer's paper
// (A4 for the "PDF file" entry, which asks where the file goes) and handed to
// the printer as one job, titled titolo. Cancelling the save dialog prints
// nothing and is no failure. dettaglio, when given, receives the print
// server's reason when it refuses the job.
using Impaginazione = std::function<bool(QPrinter &pagine)>;
EsitoLavoro stampaPaginePredefinita(QWidget *proprietario, const QString &titolo, const Impaginazione &impagina,
                                    QString *dettaglio = nullptr);

// Prints the activity grid so.
EsitoLavoro stampaGrigliaPredefinita(QWidget *proprietario, const GrigliaDaStampare &griglia,
                                     QString *dettaglio = nullptr);
