#include "core/ColoriNellaLingua.h"

#include "core/Lingua.h"

std::optional<TabellaColoriTipo> coloriPredefinitiDi(const QString &fileLingua)
{
    TabellaColoriTipo tabella;
    ColoriPredefiniti(tabella);
    for (int slot = 1; slot <= 4; ++slot) {
        const std::optional<QString> testo =
            MLSReadKey(fileLingua, QStringLiteral("Strings"), QStringLiteral("04%1").arg(19 + slot));
        if (!testo)
            return std::nullopt;
        QStringList parole = testo->split(QLatin1Char(','));
        for (QString &p : parole)
            p = p.trimmed();
        if (parole.size() == 1)
            parole = QStringList {parole[0], parole[0], parole[0], parole[0]};
        if (parole.size() != 4 || parole.contains(QString()))
            return std::nullopt;
        for (int forma = 1; forma <= 4; ++forma)
            tabella[size_t(slot)][size_t(forma)] = parole[forma - 1];
    }
    return tabella;
}

bool seguiLingua(TabellaColoriTipo &tabella, const QList<TabellaColoriTipo> &conosciute,
                 const TabellaColoriTipo &scelta)
{
    bool cambiata = false;
    for (size_t slot = 1; slot <= 4; ++slot) {
        if (tabella[slot] == scelta[slot])
            continue;
        for (const TabellaColoriTipo &conosciuta : conosciute) {
            // The colour is compared as written in either case: "ff0000" is red too.
            const bool stessoColore =
                tabella[slot][0].compare(conosciuta[slot][0], Qt::CaseInsensitive) == 0
                && tabella[slot][0].compare(scelta[slot][0], Qt::CaseInsensitive) == 0;
            if (!stessoColore || !std::equal(tabella[slot].begin() + 1, tabella[slot].end(),
                                             conosciuta[slot].begin() + 1))
                continue;
            for (size_t forma = 1; forma <= 4; ++forma)
                tabella[slot][forma] = scelta[slot][forma];
            cambiata = true;
            break;
        }
    }
    return cambiata;
}

bool coloriNellaLinguaCorrente(TabellaColoriTipo &tabella)
{
    const QString corrente = LinguaCorrente().isEmpty() ? Lingua::linguaSalvata() : LinguaCorrente();
    const std::optional<TabellaColoriTipo> scelta = coloriPredefinitiDi(Lingua::fileLingua(corrente));
    if (!scelta)
        return false;
    // Slots already in the chosen language's words (a returning player's,
    // usually) need no other language file read: a start-up saves reading them.
    bool tutteInLingua = true;
    for (size_t slot = 1; slot <= 4; ++slot)
        tutteInLingua = tutteInLingua && tabella[slot] == (*scelta)[slot];
    if (tutteInLingua)
        return false;
    QList<TabellaColoriTipo> conosciute;
    TabellaColoriTipo incorporata;
    ColoriPredefiniti(incorporata);
    conosciute << incorporata;
    for (const QString &lingua : Lingua::lingueDisponibili()) {
        if (const std::optional<TabellaColoriTipo> t = coloriPredefinitiDi(Lingua::fileLingua(lingua)))
            conosciute << *t;
    }
    return seguiLingua(tabella, conosciute, *scelta);
}
