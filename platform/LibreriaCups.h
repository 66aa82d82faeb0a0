#pragma once

#include <QString>

#include <cups/cups.h>

// libcups, opened the first time a job is sent to a printer rather than at
// start: with it come some fifteen libraries (encryption, Kerberos, service
// discovery) that a child playing never needs, and that would otherwise be
// mapped and linked before the splash is shown.

// Sends a file to a CUPS queue as cupsPrintFile does: the job's number, or 0
// with the reason in *errore (also when libcups cannot be opened).
int inviaFileCups(const char *stampante, const char *file, const char *titolo, int numeroOpzioni,
                  cups_option_t *opzioni, QString *errore);
