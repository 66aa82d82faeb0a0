#include "users/VistaRegistro.h"

#include "core/Modulo1.h"
#include "users/RegistroAttivita.h"

namespace VistaRegistro {

QList<RigaRegistro> righeDaTabella(const StatoProgramma &stato)
{
    const int usate = righeRegistroUsate(stato);
    QList<RigaRegistro> righe;
    righe.reserve(usate);
    for (int i = 1; i <= usate; ++i)
        righe.append(stato.RegistroAttivita[i]);
    return righe;
}

QStringList ignorateDaTabella(const StatoProgramma &stato)
{
    const int usate = righeRegistroUsate(stato);
    QStringList ignorate;
    ignorate.reserve(usate);
    for (int i = 1; i <= usate; ++i)
        ignorate.append(stato.IgnorateRegistro[i]);
    return ignorate;
}

QLocale localeDate(bool linguaItaliana)
{
    return linguaItaliana ? QLocale(QLocale::Italian, QLocale::Italy) : QLocale::system();
}

QString etichettaData(const QString &parole, const QDate &data, const QLocale &locale)
{
    return parole + locale.toString(data, QLocale::ShortFormat);
}

std::array<int, kColonne> larghezzeColonne(int larghezzaGriglia)
{
    const int unita = qMax(0, larghezzaGriglia) / kUnitaGriglia;
    std::array<int, kColonne> larghezze {};
    for (int c = 0; c < kColonne; ++c)
        larghezze[c] = kUnitaColonne[c] * unita;
    return larghezze;
}

int TabellaStampata::destra() const
{
    return xTesto(kColonne);
}

int TabellaStampata::xTesto(int colonna) const
{
    int x = x0 + kMargine;
    for (int c = 0; c < colonna && c < kColonne; ++c)
        x += larghezze[c] + kSpazio;
    return x;
}

std::array<int, kColonne - 1> TabellaStampata::separatori() const
{
    std::array<int, kColonne - 1> linee {};
    int x = x0;
    for (int c = 0; c < kColonne - 1; ++c) {
        x += larghezze[c] + kSpazio;
        linee[c] = x;
    }
    return linee;
}

std::array<int, kColonne> larghezzeStampa(int larghezzaDisponibile)
{
    int unitaTotali = 0;
    for (int u : kUnitaColonne)
        unitaTotali += u;
    const int fisso = TabellaStampata::kMargine + kColonne * TabellaStampata::kSpazio;
    const int unita = qMax(0, larghezzaDisponibile - fisso) / unitaTotali;
    std::array<int, kColonne> larghezze {};
    for (int c = 0; c < kColonne; ++c)
        larghezze[c] = kUnitaColonne[c] * unita;
    return larghezze;
}

QList<QPair<int, int>> pagineRighe(int righeDati, int righePrimaPagina, int righeAltrePagine)
{
    QList<QPair<int, int>> pagine;
    int prima = 1;
    int posto = qMax(1, righePrimaPagina - 1);
    do {
        const int ultima = qMin(righeDati, prima + posto - 1);
        pagine.append({prima, ultima});
        prima = ultima + 1;
        posto = qMax(1, righeAltrePagine - 1);
    } while (prima <= righeDati);
    return pagine;
}

QString TestoLimitato(const QString &testo, int larghezza, const std::function<int(const QString &)> &misura)
{
    QString resto = testo;
    while (!resto.isEmpty() && misura(resto) > larghezza) {
        resto.chop(1);
        if (!resto.isEmpty() && resto.back().isHighSurrogate())
            resto.chop(1);
    }
    return resto;
}

} // namespace VistaRegistro
