#pragma once

// Installs the "Progressi" window's factory for the main menu. The progress
// module runs it when the program opens it; a program that links the window
// itself (a test, a tool) calls it directly.
void installaFinestraProgressi();
