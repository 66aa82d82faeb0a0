#include "tools/frasi/Composizioni.h"

namespace {

QString chiave(int numero)
{
    return QStringLiteral("%1").arg(numero, 4, 10, QLatin1Char('0'));
}

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

QString soggettoUgualeDiverso(const Vocabolario &v, int parte, bool affermativa, bool maiuscolo)
{
    const VociParte &voci = vociParte(parte);
    const QString frase = v.W(affermativa ? voci.soggettoAffermativo : voci.soggettoNegativo);
    return maiuscolo ? frase.toUpper() : frase;
}

std::pair<QString, QString> risposteUgualeDiverso(const Vocabolario &v, int parte, bool maiuscolo)
{
    const VociParte &voci = vociParte(parte);
    QString uguale = v.W(voci.uguale);
    QString diverso = v.W(voci.diverso);
    if (maiuscolo) {
        uguale = uguale.toUpper();
        diverso = diverso.toUpper();
    }
    return {uguale, diverso};
}

QString completaUgualeDiverso(const Vocabolario &v, const QString &frase, const QString &risposta)
{
    return frase + v.W(0) + risposta;
}

QString fraseColora(const Vocabolario &v, int parte, bool affermativa, int slot, bool maiuscolo)
{
    const QString frase = parteColorata(v, parte, affermativa, slot, formaDellaParte(parte)) + QLatin1Char('.');
    return maiuscolo ? frase.toUpper() : frase;
}

QString primoFatto(const Vocabolario &v, const Fatto &f)
{
    if (f.parte == Fumo)
        return v.W(f.valore == 1 ? 10 : 11);
    if (f.parte == Nuvole)
        return v.W(f.valore == 1 ? 12 : 13);
    return parteColorata(v, f.parte, true, f.valore, formaDellaParte(f.parte));
}

QString secondoFatto(const Vocabolario &v, int livello, const Fatto &f)
{
    const int p = f.parte;
    const int w = f.valore;
    const QString finale = QStringLiteral(", ");
    switch (livello) {
    case 2:
        if (p == Fumo)
            return v.W(14) + v.W(w == 1 ? 10 : 11);
        if (p == Nuvole)
            return v.W(14) + v.W(w == 1 ? 12 : 13);
        // Keys "0084".."0089" name the parts in their own words; the step
        // takes the masculine plural colour word here.
        return v.W(14) + v.T(chiave(83 + p)) + v.C(w, p == Gradino ? 2 : formaDellaParte(p));
    case 3:
        if (p == Comignolo)
            return v.W(32) + v.W(33) + v.T(QStringLiteral("0090")) + v.C(w, 1);
        if (p == Fumo)
            return v.W(32) + v.W(33) + v.W(w == 1 ? 6 : 7);
        if (p == Nuvole)
            return v.W(32) + v.W(33) + (w == 1 ? v.W(12) : v.T(QStringLiteral("0091")));
        return v.W(32) + v.W(33) + parteColorata(v, p, true, w, formaDellaParte(p));
    default:
        if (p == Comignolo)
            return v.W(32) + v.T(QStringLiteral("0092")) + v.C(w, 1) + finale + v.W(0) + v.W(31);
        if (p == Fumo)
            return w == 1 ? v.W(32) + v.W(6) + finale + v.W(31) : v.W(32) + v.W(7) + finale + v.W(34);
        if (p == Nuvole)
            return v.W(32) + v.W(w == 1 ? 12 : 13) + finale + v.W(34);
        return v.W(32) + parteColorata(v, p, true, w, formaDellaParte(p)) + finale + v.W(0) + v.W(31);
    }
}

QString fraseInsiemi(const Vocabolario &v, int livello, const Fatto &primo, const Fatto &secondo,
                     bool maiuscolo)
{
    QString frase;
    switch (livello) {
    case 1: frase = primoFatto(v, primo); break;
    case 2: frase = primoFatto(v, primo) + secondoFatto(v, 2, secondo); break;
    case 3: frase = v.T(QStringLiteral("0082")) + primoFatto(v, primo) + secondoFatto(v, 3, secondo); break;
    default: frase = v.T(QStringLiteral("0083")) + primoFatto(v, primo) + secondoFatto(v, 4, secondo); break;
    }
    return conIniziale(frase, maiuscolo) + QLatin1Char('.');
}

QString caratteristica(const Vocabolario &v, int parte, int valore, bool indovinaChi, bool maiuscolo)
{
    QString frase;
    if (parte == Fumo)
        frase = v.W(valore == 1 ? 6 : 7);
    else if (parte == Nuvole)
        frase = valore == 1 ? v.W(12) : v.T(indovinaChi ? QStringLiteral("0081") : QStringLiteral("0104"));
    else
        frase = parteColorata(v, parte, true, valore, formaDellaParte(parte));
    return conIniziale(frase, maiuscolo) + QLatin1Char('.');
}
