#pragma once

#include <QCursor>

// The program's own mouse pointer: a large white arrow drawn in the program
// folder's "immagini/cursore.svg", its tip two units in from the top-left
// corner. The system arrow when the picture is missing.
QCursor cursoreProgramma();
