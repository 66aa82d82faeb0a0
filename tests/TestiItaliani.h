#pragma once

#include "TestPaths.h"
#include "core/Avvio.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "vocabulary/Parole.h"

// The texts an exercise window reads, as the program's start prepares them:
// the build's language files in Italian, the word table and the headings of
// the counters in the status bar ("Esatti ", "Errati ", "Livello ", "Ignorate ").
inline void preparaTestiItaliani()
{
    Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_PROGRAM_DIR));
    LinguaCorrente() = QStringLiteral("Italiano");
    CaricaParole(Stato().TabellaParole);
    PreparaIntestazioni();
}
