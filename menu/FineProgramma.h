#pragma once

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

// What ends the program once the settings are written: by default every
// window is hidden and the event loop stops. Tests install their own, so the
// test process goes on; an empty function puts the default back.
void impostaTerminaProgramma(std::function<void()> termina);
