#include "platform/Stampanti.h"

#include "core/Lingua.h"

namespace {
class NessunaStampante : public Stampanti
{
public:
    QStringList nomi() override { return {}; }
    QString predefinita() override { return QString(); }
    bool apri(const QString &, ImpostazioniStampa &) override { return false; }
    std::optional<QSizeF> areaStampabile(const QString &, const ImpostazioniStampa &) override
    {
        return std::nullopt;
    }
    bool proprieta(QWidget *, const QString &, ImpostazioniStampa &) override { return false; }
    RisultatoLavoro stampa(QWidget *, const QString &, const ImpostazioniStampa &, const Stampabile &,
                           const RettangoloMm &, const QString &, int) override
    {
        return {};
    }
};
Stampanti *g_stampanti = nullptr;
} // namespace

Stampanti &stampanti()
{
    static NessunaStampante nessuna;
    return g_stampanti ? *g_stampanti : nessuna;
}

void impostaStampanti(Stampanti *s)
{
    g_stampanti = s;
}

QString Stampanti::nomeFilePdf()
{
    // The entry is also compared with the printer kept from an earlier
    // print: it never goes empty, even without a language file.
    const QString nome = MLSGetText(QStringLiteral("0318"));
    return nome.isEmpty() ? QStringLiteral("PDF file") : nome;
}
