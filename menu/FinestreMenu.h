#pragma once

#include <functional>

class QWidget;

// The windows the main menu opens. The menu creates each one fresh when it
// is chosen, and the window goes back to the menu itself when it is left.
// An exercise or tool whose window is not part of the program has no
// factory: its button or menu item then opens nothing.
using FabbricaFinestra = std::function<QWidget *()>;

// The exercise of menu button indice (0..7), by the menu's exercise table.
FabbricaFinestra finestraEsercizio(int indice);
// "Configurazione", "Esercizi eseguiti" and "Progressi".
FabbricaFinestra finestraConfigurazione();
FabbricaFinestra finestraEserciziEseguiti();
FabbricaFinestra finestraProgressi();

// The "Progressi" window comes with its module (platform/Moduli.h): its
// factory is installed when the module is opened, the first time the window
// is chosen. Should the module be missing, the factory says so in a message
// and opens nothing.
using CreaFinestra = QWidget *(*)();
void impostaFinestraProgressi(CreaFinestra crea);
