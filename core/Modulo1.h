#pragma once

#include "core/Impostazioni.h"

#include <QString>

#include <array>

// The state shared by the whole program for the whole run.
struct StatoProgramma
{
    static constexpr int kRigheRegistro = 501; // rows 0..500
    static constexpr int kParole = 35;         // word table entries 0..34
    static constexpr int kColoriTavolozza = 216;

    QString PercorsoImpostazioni;
    QString UtenteCorrente;
    QString IdLinguaAgente;
    QString IntestazioneEsatti;
    QString IntestazioneErrati;
    QString IntestazioneLivello;
    std::array<QString, kParole> TabellaParole;
    std::array<QString, kColoriTavolozza> TavolozzaVB;
    std::array<QString, kColoriTavolozza> TavolozzaHex;
    QString PrefissoVoce;
    // Activity record: level segments played, columns 0..3.
    std::array<std::array<QString, 4>, kRigheRegistro> RegistroAttivita;
    qint16 NumeroRighe = 0;
    double RisposteEsatte = 0;
    qint16 RisposteErrate = 0;

    // The 50 settings values of the current user, TabellaColori among them.
    Impostazioni imp;
};

// The one shared state of the running program.
StatoProgramma &Stato();

// The settings file of the default user and of a named user.
QString percorsoUtentePredefinito();     // ".../pinnole/_predefinito.INI"
QString percorsoUtente(const QString &utente); // ".../pinnole/<utente>.ini"
