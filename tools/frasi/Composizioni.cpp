#include "tools/frasi/Composizioni.h"

namespace {

// Subject entry and colour word of a coloured part (1..6).
QString parteColorata(const Vocabolario &v, int parte, bool affermativa, int slot, int forma)
{
    const VociParte &voci = vociParte(parte);
    return v.W(affermativa ? voci.soggettoAffermativo : voci.soggettoNegativo) + v.C(slot, forma);
}

} // namespace

Vocabolario::Vocabolario(const TabellaParoleTipo &parole, const TabellaColoriTipo &colori,
                         std::function<QString(const QString &)> testo)
    : m_parole(parole)
    , m_colori(colori)
    , m_testo(std::move(testo))
{
}

QString Vocabolario::W(int voce) const
{
    return m_parole.at(static_cast<size_t>(voce));
}

QString Vocabolario::T(const QString &chiave) const
{
    return m_testo(chiave);
}

QString Vocabolario::C(int slot, int forma) const
{
    return m_colori.at(static_cast<size_t>(slot)).at(static_cast<size_t>(forma));
}

QString conIniziale(const QString &frase, bool maiuscolo)
{
    if (maiuscolo)
        return frase.toUpper();
    QString testo = frase.toLower();
    if (!testo.isEmpty())
        testo[0] = testo.at(0).toUpper();
    return testo;
}

QString clausolaVeroFalso(const Vocabolario &v, const Clausola &c)
{
    const VociParte &voci = vociParte(c.parte);
    if (c.parte >= Fumo)
        return v.W(c.valore ? voci.presente : voci.assente);
    return parteColorata(v, c.parte, c.affermativa, c.valore, formaDellaParte(c.parte));
}

QString fraseVeroFalso(const Vocabolario &v, const Clausola &prima, bool maiuscolo)
{
    return conIniziale(clausolaVeroFalso(v, prima), maiuscolo) + QLatin1Char('.');
}

QString fraseVeroFalso(const Vocabolario &v, const Clausola &prima, const Clausola &seconda,
                       bool maiuscolo)
{
    const QString frase = clausolaVeroFalso(v, prima) + v.W(14) + clausolaVeroFalso(v, seconda).toLower();
    return conIniziale(frase, maiuscolo) + QLatin1Char('.');
}

