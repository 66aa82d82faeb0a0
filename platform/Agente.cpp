#include "platform/Agente.h"

#include "platform/AgenteQt.h"

namespace {

FabbricaAgenti &fabbricaInstallata()
{
    static FabbricaAgenti fabbrica;
    return fabbrica;
}

} // namespace

std::unique_ptr<Agente> creaAgente()
{
    if (fabbricaInstallata())
        return fabbricaInstallata()();
    return std::make_unique<AgenteQt>();
}

void impostaFabbricaAgenti(FabbricaAgenti fabbrica)
{
    fabbricaInstallata() = std::move(fabbrica);
}
