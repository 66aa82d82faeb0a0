#include "exercises/es1/Esercizio1.h"

#include <QtGlobal>

namespace {
constexpr int kVoceCongiunzione = 14; // joins the two clauses, spaces included
} // namespace

Esercizio1::Esercizio1(FonteCasuale &fonte, const TabellaParoleTipo &parole,
                       const TabellaColoriTipo &colori)
    : m_fonte(fonte)
    , m_parole(parole)
    , m_colori(colori)
{
}

void Esercizio1::GeneraEsercizio(int livello, const QString &stileTesto)
{
    m_livello = qBound(1, livello, kLivelli);
    m_casaNuova = m_contatoreFrasi == 0;
    if (m_casaNuova)
        ImpostaColori();
    // A house serves four items; the fifth paints a new one.
    m_contatoreFrasi = (m_contatoreFrasi + 1) % kFrasiPerCasa;
    ScriviFrase(m_livello);
    m_fraseCompleta = casoDellaFrase(m_fraseCompleta, stileTesto) + QLatin1Char('.');
}

Esercizio1::Esito Esercizio1::valutaRisposta(int indice) const
{
    if (indice == Avanti)
        return Esito::ProssimoEsercizio;
    return indice == m_rispostaGiusta ? Esito::Esatta : Esito::Errata;
}

int Esercizio1::colore(int parte) const
{
    return (parte >= Comignolo && parte <= Nuvole) ? m_colore[parte] : 0;
}

QString Esercizio1::esadecimaleParte(int parte) const
{
    if (parte < Comignolo || parte > Gradino)
        return QString();
    return m_colori[m_colore[parte]][0];
}

QString Esercizio1::sfondo() const
{
    return m_colori[0][0];
}

void Esercizio1::ImpostaColori()
{
    // Draw order: the six coloured parts from the chimney to the step, then
    // the smoke, then the clouds.
    for (int p = Comignolo; p <= Gradino; ++p)
        m_colore[p] = m_fonte.daUno(4);
    m_colore[Fumo] = m_fonte.daZero(2);
    m_colore[Nuvole] = m_fonte.daZero(2);
}

void Esercizio1::ScriviFrase(int livello)
{
    switch (livello) {
    case 1: ScriviFrase1(); break;
    case 2: ScriviFrase2(); break;
    case 3: ScriviFrase3(); break;
    case 4: ScriviFrase4(); break;
    case 5: ScriviFrase5(); break;
    case 6: ScriviFrase6(); break;
    default: break;
    }
}

void Esercizio1::ScriviFrase1()
{
    m_rispostaGiusta = m_fonte.daZero(2);
    m_parte = m_fonte.daUno(8);
    ComponiFrasePositiva();
    m_fraseCompleta = m_frase;
}

void Esercizio1::ScriviFrase2()
{
    m_rispostaGiusta = m_fonte.daZero(2);
    m_parte = m_fonte.daUno(8);
    ComponiFraseNegativa();
    m_fraseCompleta = m_frase;
}

void Esercizio1::ScriviFrase3()
{
    m_rispostaGiusta = m_fonte.daZero(2);
    m_parte = m_fonte.daUno(8);
    componiFrase(Polarita::ACaso);
    m_fraseCompleta = m_frase;
}

void Esercizio1::ScriviFrase4()
{
    ScriviDueFrasi(Polarita::Affermativa);
}

void Esercizio1::ScriviFrase5()
{
    ScriviDueFrasi(Polarita::Negativa);
}

void Esercizio1::ScriviFrase6()
{
    ScriviDueFrasi(Polarita::ACaso);
}

void Esercizio1::ScriviDueFrasi(Polarita polarita)
{
    const int rispostaComplessiva = m_fonte.daZero(2);
    const int parte1 = m_fonte.daUno(8);
    int parte2 = m_fonte.daUno(8);
    while (parte2 == parte1)
        parte2 = m_fonte.daUno(8);

    // A two-clause sentence is true only when both clauses are true. A false
    // one has at least one false clause: redrawing the pair until one is
    // false makes each of the three combinations equally likely.
    int falsa1 = 0;
    int falsa2 = 0;
    if (rispostaComplessiva != Vero) {
        do {
            falsa1 = m_fonte.daZero(2);
            falsa2 = m_fonte.daZero(2);
        } while (falsa1 == 0 && falsa2 == 0);
    }

    m_parte = parte1;
    m_rispostaGiusta = falsa1;
    componiFrase(polarita);
    m_fraseCompleta = m_frase;

    m_parte = parte2;
    m_rispostaGiusta = falsa2;
    componiFrase(polarita);
    m_fraseCompleta += m_parole[kVoceCongiunzione] + m_frase.toLower();

    m_rispostaGiusta = rispostaComplessiva;
}

void Esercizio1::componiFrase(Polarita polarita)
{
    // A random polarity is drawn just before its clause, so the draws of one
    // clause all come before those of the next.
    if (polarita == Polarita::ACaso)
        polarita = m_fonte.daZero(2) == 0 ? Polarita::Affermativa : Polarita::Negativa;
    if (polarita == Polarita::Affermativa)
        ComponiFrasePositiva();
    else
        ComponiFraseNegativa();
}

void Esercizio1::ComponiFrasePositiva()
{
    if (m_parte == Fumo || m_parte == Nuvole) {
        m_frase = frasePresenza();
        return;
    }
    // A true statement names the part's colour, a false one another colour.
    const int slot = m_rispostaGiusta == Vero ? m_colore[m_parte] : coloreDiverso(m_colore[m_parte]);
    m_frase = m_parole[vociParte(m_parte).soggettoAffermativo] + parolaColore(slot, m_parte);
}

void Esercizio1::ComponiFraseNegativa()
{
    if (m_parte == Fumo || m_parte == Nuvole) {
        m_frase = frasePresenza();
        return;
    }
    // Denying the part's own colour is false; denying another colour is true.
    const int slot = m_rispostaGiusta == Falso ? m_colore[m_parte] : coloreDiverso(m_colore[m_parte]);
    m_frase = m_parole[vociParte(m_parte).soggettoNegativo] + parolaColore(slot, m_parte);
}

int Esercizio1::coloreDiverso(int colore)
{
    int c = m_fonte.daUno(4);
    while (c == colore)
        c = m_fonte.daUno(4);
    return c;
}

QString Esercizio1::parolaColore(int slot, int parte) const
{
    return m_colori[slot][formaDellaParte(parte)];
}

QString Esercizio1::frasePresenza() const
{
    // The presence statement is true when it matches the picture; a false
    // clause states the opposite.
    const VociParte &voci = vociParte(m_parte);
    const bool presente = m_colore[m_parte] != 0;
    const bool affermaPresenza = presente == (m_rispostaGiusta == Vero);
    return m_parole[affermaPresenza ? voci.presente : voci.assente];
}
