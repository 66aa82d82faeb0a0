#include "vocabulary/ElementiCasa.h"

#include <array>

namespace ElementiCasa {

namespace {

const std::array<QString, kUltimaParte> &nomi()
{
    static const std::array<QString, kUltimaParte> elenco = {
        QStringLiteral("comignolo"), QStringLiteral("tetto"),   QStringLiteral("pareti"),
        QStringLiteral("finestre"),  QStringLiteral("porta"),   QStringLiteral("gradino"),
        QStringLiteral("fumo"),      QStringLiteral("nuvole"),
    };
    return elenco;
}

QStringView suffissoInterno() { return u".interno"; }
QStringView suffissoContorno() { return u".contorno"; }

} // namespace

QString nomeParte(int numero)
{
    if (numero < kPrimaParte || numero > kUltimaParte)
        return QString();
    return nomi()[numero - 1];
}

int numeroParte(QStringView nome)
{
    for (int i = 0; i < kUltimaParte; ++i) {
        if (nomi()[i] == nome)
            return i + 1;
    }
    return 0;
}

QString idInterno(int numero)
{
    const QString nome = nomeParte(numero);
    return nome.isEmpty() ? nome : nome + suffissoInterno().toString();
}

QString idContorno(int numero)
{
    const QString nome = nomeParte(numero);
    return nome.isEmpty() ? nome : nome + suffissoContorno().toString();
}

QString immagineParte(int numero)
{
    const QString nome = nomeParte(numero);
    return nome.isEmpty() ? nome : QStringLiteral("immagini/parti/") + nome + QStringLiteral(".svg");
}

QStringList idRichiesti()
{
    QStringList ids;
    for (int p = kPrimaParte; p <= kUltimaParte; ++p)
        ids << idInterno(p) << idContorno(p);
    ids << nomeParte(kFumo) << nomeParte(kNuvole);
    return ids;
}

int parteDiElemento(QStringView id)
{
    const qsizetype punto = id.indexOf(QLatin1Char('.'));
    if (punto < 0)
        return eGruppoVisibile(id) ? numeroParte(id) : 0;
    return eColorabile(id) ? numeroParte(id.left(punto)) : 0;
}

bool eColorabile(QStringView id)
{
    const qsizetype punto = id.indexOf(QLatin1Char('.'));
    if (punto < 0)
        return false;
    const QStringView suffisso = id.mid(punto);
    return (suffisso == suffissoInterno() || suffisso == suffissoContorno())
        && numeroParte(id.left(punto)) != 0;
}

bool eContorno(QStringView id)
{
    return eColorabile(id) && id.endsWith(suffissoContorno());
}

bool eGruppoVisibile(QStringView id)
{
    return id == nomeParte(kFumo) || id == nomeParte(kNuvole);
}

} // namespace ElementiCasa
