#include "platform/Suoni.h"

#include "core/Percorsi.h"

namespace {
class SuoniMuti : public Suoni
{
public:
    void suona(const QString &) override {}
    void ferma() override {}
};
Suoni *g_suoni = nullptr;
} // namespace

Suoni &suoni()
{
    static SuoniMuti muti;
    return g_suoni ? *g_suoni : muti;
}

void impostaSuoni(Suoni *s)
{
    g_suoni = s;
}

QString suonoPredefinito()
{
    return Percorsi::programma(QStringLiteral("suoni/predefinito.wav"));
}
