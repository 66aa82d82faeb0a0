#include "framework/Navigazione.h"

namespace {
std::function<void()> &apriMenuRegistrato()
{
    static std::function<void()> apri;
    return apri;
}
} // namespace

void impostaApriMenu(std::function<void()> apri)
{
    apriMenuRegistrato() = std::move(apri);
}

void apriMenu()
{
    if (apriMenuRegistrato())
        apriMenuRegistrato()();
}

namespace {
ApriStampa &stampaRegistrata()
{
    static ApriStampa apri;
    return apri;
}
ApriFigura &figuraRegistrata()
{
    static ApriFigura apri;
    return apri;
}
} // namespace

void impostaApriStampaConOpzioni(ApriStampa apri)
{
    stampaRegistrata() = std::move(apri);
}

const ApriStampa &apriStampaConOpzioni()
{
    return stampaRegistrata();
}

void impostaApriFiguraDaColorare(ApriFigura apri)
{
    figuraRegistrata() = std::move(apri);
}

const ApriFigura &apriFiguraDaColorare()
{
    return figuraRegistrata();
}
