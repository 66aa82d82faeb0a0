#include "framework/FeedbackPremio.h"

#include "core/Casuale.h"
#include "framework/Feedback.h"
#include "platform/ShockwaveFlash.h"

void MostraPremio(ShockwaveFlash &filmato)
{
    filmato.Movie(filePremio(fonteCasuale()));
}
