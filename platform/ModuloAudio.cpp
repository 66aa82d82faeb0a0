// The sound module: the answer sounds and the voice's output, with Qt
// Multimedia and the sound server's libraries it brings.

#include "platform/AudioQt.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT void pinnole_avvia_modulo()
{
    installaAudioQt();
}
