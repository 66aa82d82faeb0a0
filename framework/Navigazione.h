#pragma once

#include <functional>

// How a window that is left goes back to the main menu. The menu registers
// itself when the program starts; a window opened on its own (a tool, a
// test) simply closes.
void impostaApriMenu(std::function<void()> apri);
void apriMenu();

class QWidget;

// The print window with its options, opened modally over an exercise window
// with the page orientation (1 portrait, 2 landscape), and the picture for
// colouring. Registered by the windows that provide them; an exercise
// window offers the menu items only when they are there.
using ApriStampa = std::function<void(QWidget *finestra, int orientamento)>;
using ApriFigura = std::function<void(QWidget *finestra)>;
void impostaApriStampaConOpzioni(ApriStampa apri);
const ApriStampa &apriStampaConOpzioni();
void impostaApriFiguraDaColorare(ApriFigura apri);
const ApriFigura &apriFiguraDaColorare();
