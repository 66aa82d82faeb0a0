#include "exercises/caratteristiche/Caratteristiche.h"

#include <QtGlobal>

EsercizioCaratteristiche::EsercizioCaratteristiche(FonteCasuale &fonte, const TabellaParoleTipo &parole,
                                                   const TabellaColoriTipo &colori, QString nuvoleAssenti)
    : m_fonte(fonte)
    , m_parole(parole)
    , m_colori(colori)
    , m_nuvoleAssenti(std::move(nuvoleAssenti))
{
}

int EsercizioCaratteristiche::numeroCase(int livello)
{
    static constexpr int kCase[] = {2, 4, 6, 9, 12};
    return kCase[qBound(1, livello, kLivelli) - 1];
}

int EsercizioCaratteristiche::casePerRiga(int livello)
{
    static constexpr int kRiga[] = {2, 2, 3, 3, 4};
    return kRiga[qBound(1, livello, kLivelli) - 1];
}

EsercizioCaratteristiche::Valori EsercizioCaratteristiche::disegnaCasa()
{
    Valori v{};
    for (int p = Comignolo; p <= Gradino; ++p)
        v[p] = m_fonte.daUno(4);
    v[Fumo] = m_fonte.daZero(2);
    v[Nuvole] = m_fonte.daZero(2);
    return v;
}

void EsercizioCaratteristiche::ImpostaColori(int numeroCase)
{
    m_numeroCase = qBound(1, numeroCase, kMassimoCase);
    m_modello = m_fonte.daZero(m_numeroCase);
    m_valori.clear();
    for (int i = 0; i < m_numeroCase; ++i)
        m_valori.push_back(disegnaCasa());
    // An intruder painted exactly like the model would have every
    // characteristic of the sentences and still count as an intruder: draw
    // it again. These draws come after all the ordinary ones, so an item
    // without twins draws exactly as before.
    const Valori modello = m_valori[static_cast<size_t>(m_modello)];
    for (int i = 0; i < m_numeroCase; ++i) {
        if (i == m_modello)
            continue;
        while (m_valori[static_cast<size_t>(i)] == modello)
            m_valori[static_cast<size_t>(i)] = disegnaCasa();
    }
}

QString EsercizioCaratteristiche::esadecimale(int casa, int parte) const
{
    if (casa < 0 || casa >= static_cast<int>(m_valori.size()) || parte < Comignolo || parte > Gradino)
        return QString();
    return m_colori[m_valori[static_cast<size_t>(casa)][parte]][0];
}

QString EsercizioCaratteristiche::sfondo() const
{
    return m_colori[0][0];
}

QString EsercizioCaratteristiche::ComponiFrasePositiva(int caratteristica) const
{
    if (caratteristica < Comignolo || caratteristica > Nuvole)
        return QString();
    return fraseCaratteristica(caratteristica, ColoriModello()[caratteristica]);
}

QString EsercizioCaratteristiche::fraseCaratteristica(int caratteristica, int valore) const
{
    switch (caratteristica) {
    case Fumo:
        return m_parole[valore ? vociParte(Fumo).frasePresente : vociParte(Fumo).fraseAssente];
    case Nuvole:
        return valore ? m_parole[vociParte(Nuvole).frasePresente] : m_nuvoleAssenti;
    default:
        if (caratteristica < Comignolo || caratteristica > Gradino || valore < 1 || valore > 4)
            return QString();
        return m_parole[vociParte(caratteristica).soggettoAffermativo]
            + m_colori[valore][formaDellaParte(caratteristica)];
    }
}

QString EsercizioCaratteristiche::rigaScritta(const QString &frase, const QString &stileTesto)
{
    QString riga;
    if (stileTesto == QLatin1String("maiuscolo")) {
        riga = frase.toUpper();
    } else {
        riga = frase.toLower();
        if (!riga.isEmpty())
            riga[0] = riga.at(0).toUpper();
    }
    return riga + QLatin1Char('.');
}

void EsercizioCaratteristiche::ScriviFrase(const QString &stileTesto)
{
    m_righe.clear();
    std::array<bool, kCaratteristiche + 1> usate{};
    for (int n = 0; n < kCaratteristiche; ++n) {
        int caratteristica = m_fonte.daUno(kCaratteristiche);
        while (usate[caratteristica])
            caratteristica = m_fonte.daUno(kCaratteristiche);
        const QString frase = ComponiFrasePositiva(caratteristica);
        // The spoken sentence is kept as composed; only the written line
        // takes the case rule.
        m_frasi[caratteristica - 1] = frase;
        m_righe << rigaScritta(frase, stileTesto);
        usate[caratteristica] = true;
    }
}

QString EsercizioCaratteristiche::testo() const
{
    QString t;
    for (const QString &riga : m_righe)
        t += riga + QStringLiteral("\r\n");
    return t;
}

QString EsercizioCaratteristiche::Frasi(int indice) const
{
    return (indice >= 0 && indice < kCaratteristiche) ? m_frasi[static_cast<size_t>(indice)] : QString();
}

QString EsercizioCaratteristiche::fraseDaLeggere()
{
    const QString frase = Frasi(m_prossimaFrase);
    m_prossimaFrase = (m_prossimaFrase + 1) % kCaratteristiche;
    return frase;
}

int EsercizioCaratteristiche::spostamentoVerticale(int livello, int posizione, int verso,
                                                   const std::function<bool(int)> &mostrata)
{
    livello = qBound(1, livello, kLivelli);
    const int n = numeroCase(livello);
    const int riga = casePerRiga(livello);
    const int righe = n / riga;
    if (righe < 2 || posizione < 0 || posizione >= n)
        return posizione;
    const int passo = verso < 0 ? -riga : riga;
    int p = posizione;
    // Every other house of the column is tried once; the column's own
    // house comes back after `righe` steps, so the move always ends.
    for (int i = 0; i < righe - 1; ++i) {
        p += passo;
        if (p >= n)
            p -= n;
        else if (p < 0)
            p += n;
        if (mostrata(p))
            return p;
    }
    return posizione;
}

Esercizio6::Esercizio6(FonteCasuale &fonte, const TabellaParoleTipo &parole, const TabellaColoriTipo &colori,
                       QString nuvoleAssenti)
    : EsercizioCaratteristiche(fonte, parole, colori, std::move(nuvoleAssenti))
{
}

bool Esercizio6::eliminata(int casa) const
{
    return casa >= 0 && casa < static_cast<int>(m_eliminate.size()) && m_eliminate[static_cast<size_t>(casa)];
}

Esercizio6::Esito Esercizio6::scegli(int casa)
{
    if (casa < 0 || casa >= NumeroCase())
        return Esito::Nessuno;
    if (casa == Modello())
        return Esito::Errata;
    if (eliminata(casa))
        return Esito::Nessuno;
    m_eliminate[static_cast<size_t>(casa)] = true;
    ++m_numeroEliminate;
    return completo() ? Esito::Completata : Esito::Eliminata;
}
