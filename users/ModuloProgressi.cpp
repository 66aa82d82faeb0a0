// The progress module: the "Progressi" window, with Qt Charts and the
// libraries it brings.

#include "users/FinestraProgressi.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT void pinnole_avvia_modulo()
{
    installaFinestraProgressi();
}
