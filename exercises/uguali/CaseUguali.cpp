#include "exercises/uguali/CaseUguali.h"

#include "vocabulary/Parole.h"

#include <QtGlobal>

namespace {

bool parteValida(int parte)
{
    return parte >= Comignolo && parte <= Nuvole;
}

} // namespace

CaseUguali::CaseUguali(FonteCasuale &fonte, const TabellaColoriTipo &colori)
    : m_fonte(fonte)
    , m_colori(colori)
{
}

void CaseUguali::GeneraEsercizio(int livello, bool soloPartiColorate)
{
    m_livello = qBound(1, livello, kLivelli);
    m_sistemati = 0;
    ImpostaColori(soloPartiColorate);
}

void CaseUguali::ImpostaColori(bool soloPartiColorate)
{
    for (int p = Comignolo; p <= Gradino; ++p)
        m_colore[p][kPrimaCasa] = m_fonte.daUno(4);
    m_colore[Fumo][kPrimaCasa] = m_fonte.daZero(2);
    m_colore[Nuvole][kPrimaCasa] = m_fonte.daZero(2);
    if (soloPartiColorate) {
        m_colore[Fumo][kPrimaCasa] = 1;
        m_colore[Nuvole][kPrimaCasa] = 1;
    }
    for (int p = Comignolo; p <= Nuvole; ++p) {
        m_diverso[p] = false;
        m_colore[p][kSecondaCasa] = m_colore[p][kPrimaCasa];
    }
    const int scelta = soloPartiColorate ? Gradino : Nuvole;
    for (int n = 0; n < m_livello; ++n) {
        int p;
        do
            p = m_fonte.daUno(scelta);
        while (m_diverso[p]);
        m_diverso[p] = true;
        int &seconda = m_colore[p][kSecondaCasa];
        if (p <= Gradino) {
            do
                seconda = m_fonte.daUno(4);
            while (seconda == m_colore[p][kPrimaCasa]);
        } else {
            do
                seconda = m_fonte.daZero(2);
            while (seconda == m_colore[p][kPrimaCasa]);
        }
    }
}

CaseUguali::Esito CaseUguali::scegli(int parte, int casa)
{
    // A part number from outside 1..8 (the picture never sends one) counts
    // for nothing, nor does anything once the item is complete.
    if (!parteValida(parte) || (casa != kPrimaCasa && casa != kSecondaCasa) || completo())
        return Esito::Ignorata;
    if (!m_diverso[parte])
        return Esito::Errata;
    m_colore[parte][casa] = m_colore[parte][1 - casa];
    m_diverso[parte] = false;
    ++m_sistemati;
    return Esito::Esatta;
}

bool CaseUguali::Diverso(int parte) const
{
    return parteValida(parte) && m_diverso[parte];
}

int CaseUguali::Colore(int parte, int casa) const
{
    if (!parteValida(parte) || (casa != kPrimaCasa && casa != kSecondaCasa))
        return 0;
    return m_colore[parte][casa];
}

QString CaseUguali::esadecimale(int parte, int casa) const
{
    if (parte < Comignolo || parte > Gradino)
        return QString();
    return m_colori[Colore(parte, casa)][0];
}

QString CaseUguali::sfondo() const
{
    return m_colori[0][0];
}
