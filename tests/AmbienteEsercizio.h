#pragma once

#include "SuoniFinti.h"
#include "TestPaths.h"
#include "TestiItaliani.h"
#include "core/Casuale.h"
#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "framework/AgenteFinto.h"
#include "vocabulary/Parole.h"

#include <QTemporaryDir>

#include <memory>

// What every test of an exercise window stands on: settings kept in a
// temporary home, the build's program folder, Italian texts and the word
// table, then for each test the default settings, an empty activity table
// and recording fakes of the character and the sounds.
struct AmbienteEsercizio
{
    QTemporaryDir casa;
    std::unique_ptr<SuoniFinti> suoni;

    // Once, before the first test.
    void prepara()
    {
        qputenv("XDG_CONFIG_HOME", casa.path().toUtf8());
        preparaTestiItaliani();
    }

    // Before each test.
    void azzera()
    {
        ImpostazioniPredefinite(Stato().imp, QStringLiteral("{it}"));
        Stato().accesso = OpzioniAccesso();
        Stato().fileAccesso = FileOpzioniAccesso();
        Stato().NumeroRighe = 1;
        Stato().RegistroAttivita = {};
        Stato().IgnorateRegistro = {};
        AgenteFinto::installa();
        suoni = std::make_unique<SuoniFinti>();
    }

    // After each test, once its window is gone.
    void chiudi()
    {
        suoni.reset();
        AgenteFinto::disinstalla();
        impostaFonteCasuale(nullptr);
    }
};
