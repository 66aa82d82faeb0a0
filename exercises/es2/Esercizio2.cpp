#include "exercises/es2/Esercizio2.h"

#include <QtGlobal>

Esercizio2::Esercizio2(FonteCasuale &fonte, const TabellaParoleTipo &parole, const TabellaColoriTipo &colori)
    : m_fonte(fonte)
    , m_parole(parole)
    , m_colori(colori)
{
}

void Esercizio2::GeneraEsercizio(int livello, const QString &stileTesto)
{
    m_coppiaNuova = m_contatoreFrasi == 0;
    if (m_coppiaNuova)
        ImpostaColori();
    // A pair serves four items; the fifth paints a new one.
    m_contatoreFrasi = (m_contatoreFrasi + 1) % kFrasiPerCoppia;
    ScriviFrase(qBound(1, livello, kLivelli));
    m_fraseCompleta = applicaStile(m_fraseCompleta, stileTesto);
    m_didascalie[0] = applicaStile(m_didascalie[0], stileTesto);
    m_didascalie[1] = applicaStile(m_didascalie[1], stileTesto);
}

Esercizio2::Esito Esercizio2::valutaRisposta(int indice) const
{
    if (indice == Avanti)
        return Esito::ProssimoEsercizio;
    return indice == rispostaGiusta() ? Esito::Esatta : Esito::Errata;
}

QString Esercizio2::fraseAperta(const TabellaParoleTipo &parole, int parte, bool affermativa)
{
    const VociParte &voci = vociParte(parte);
    return parole[size_t(affermativa ? voci.soggettoAffermativo : voci.soggettoNegativo)];
}

std::pair<QString, QString> Esercizio2::didascalie(const TabellaParoleTipo &parole, int parte)
{
    const VociParte &voci = vociParte(parte);
    return {parole[size_t(voci.uguale)], parole[size_t(voci.diverso)]};
}

QString Esercizio2::applicaStile(const QString &testo, const QString &stileTesto)
{
    return stileTesto == QLatin1String("maiuscolo") ? testo.toUpper() : testo;
}

QString Esercizio2::completa(const TabellaParoleTipo &parole, const QString &frase, const QString &parola)
{
    QString aperta = frase;
    while (aperta.endsWith(QLatin1Char(' ')))
        aperta.chop(1);
    return aperta + parole[0] + parola;
}

bool Esercizio2::Chiesta(int parte) const
{
    return parte >= Comignolo && parte <= Nuvole && m_chiesta[parte];
}

int Esercizio2::Colore(int parte, int casa) const
{
    if (parte < Comignolo || parte > Nuvole || casa < 0 || casa > 1)
        return 0;
    return m_colore[parte][casa];
}

QString Esercizio2::esadecimale(int parte, int casa) const
{
    if (parte < Comignolo || parte > Gradino)
        return QString();
    return m_colori[Colore(parte, casa)][0];
}

QString Esercizio2::sfondo() const
{
    return m_colori[0][0];
}

void Esercizio2::ImpostaColori()
{
    // Per part: whether it differs, then the left house's value, then (when
    // it differs) the right house's, drawn again until it is another one.
    for (int p = Comignolo; p <= Nuvole; ++p) {
        const int valori = p <= Gradino ? 4 : 2;
        const auto estrai = [this, valori] { return valori == 4 ? m_fonte.daUno(4) : m_fonte.daZero(2); };
        m_rispostaParte[p] = m_fonte.daZero(2);
        m_chiesta[p] = false;
        m_colore[p][0] = estrai();
        if (m_rispostaParte[p] == Uguali) {
            m_colore[p][1] = m_colore[p][0];
        } else {
            do
                m_colore[p][1] = estrai();
            while (m_colore[p][1] == m_colore[p][0]);
        }
    }
}

void Esercizio2::ScriviFrase(int livello)
{
    switch (livello) {
    case 1: ScriviFrase1(); break;
    case 2: ScriviFrase2(); break;
    case 3: ScriviFrase3(); break;
    default: break;
    }
}

// A pair serves at most four items, so at most four of the eight parts are
// marked and the draw always ends.
void Esercizio2::scegliParte()
{
    do
        m_parte = m_fonte.daUno(8);
    while (m_chiesta[m_parte]);
    m_chiesta[m_parte] = true;
}

void Esercizio2::ScriviFrase1()
{
    scegliParte();
    ComponiFrasePositiva();
    m_fraseCompleta = m_frase;
}

void Esercizio2::ScriviFrase2()
{
    scegliParte();
    ComponiFraseNegativa();
    m_fraseCompleta = m_frase;
}

void Esercizio2::ScriviFrase3()
{
    if (m_fonte.daZero(10) % 2 == 1)
        ScriviFrase2();
    else
        ScriviFrase1();
}

void Esercizio2::ComponiFrasePositiva()
{
    m_affermativa = true;
    m_frase = fraseAperta(m_parole, m_parte, true);
    std::tie(m_didascalie[0], m_didascalie[1]) = didascalie(m_parole, m_parte);
}

// A negative sentence turns the answer over: for "the roof is not ..." the
// word for different is right when the roofs are alike.
void Esercizio2::ComponiFraseNegativa()
{
    m_affermativa = false;
    m_frase = fraseAperta(m_parole, m_parte, false);
    std::tie(m_didascalie[0], m_didascalie[1]) = didascalie(m_parole, m_parte);
    m_rispostaParte[m_parte] = 1 - m_rispostaParte[m_parte];
}
