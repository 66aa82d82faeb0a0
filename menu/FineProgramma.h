#pragma once

#include "core/Modulo1.h"

#include <QString>

#include <functional>

// The orderly end, from the main menu's "esci": the current user's settings
// are written to PercorsoImpostazioni (a write that fails is reported, so the
// user knows the changes were not kept), then every window closes and the
// program ends at once.
void FineProgramma();

// Tells the user that the settings could not be written to that file, so
// the changes of this session were not kept there: at the end and when a
// change of user cannot save the user it leaves.
void avvisaImpostazioniNonSalvate(const QString &percorso);

// Tells the user what a save of the current user could not do: the
// settings' message above, or, once a run for each file, that the
// switch-access options could not be written to their file and will read as
// the defaults. False only when the settings themselves were not saved.
bool avvisaSalvataggio(EsitoSalvataggio esito, const QString &percorsoImpostazioni);

// What ends the program once the settings are written: by default every
// window is hidden and the event loop stops. Tests install their own, so the
// test process goes on; an empty function puts the default back.
void impostaTerminaProgramma(std::function<void()> termina);
