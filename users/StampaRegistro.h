#pragma once

#include "platform/Stampanti.h"
#include "users/StampaGriglia.h"

class QWidget;

// Prints the activity grid on the default printer of the program's printer
// layer. The page is laid out as a PDF on the printer's paper and handed to
// the printer as one job, so a job the printer refuses is reported; with the
// "PDF file" entry as the default, the save dialog asks where the PDF goes
// (cancelling it prints nothing and is no failure). dettaglio, when given,
// receives the print server's reason when it refuses the job.
EsitoLavoro stampaGrigliaPredefinita(QWidget *proprietario, const GrigliaDaStampare &griglia,
                                     QString *dettaglio = nullptr);
