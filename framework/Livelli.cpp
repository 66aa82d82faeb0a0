#include "framework/Livelli.h"

#include "core/Modulo1.h"
#include "users/RegistroAttivita.h"

Livelli::Livelli(StatoProgramma &stato, CostantiLivelli costanti)
    : m_stato(stato)
    , m_costanti(costanti)
{
}

void Livelli::apertura()
{
    // Opening again (after a modal window) restarts the counts: what was
    // played so far is a segment left.
    chiudiSegmentoStoria();
    iniziaSegmentoStoria();
    m_livello = 1;
    m_stato.RisposteEsatte = 0;
    m_stato.RisposteErrate = 0;
    m_stato.PressioniIgnorate = 0;
}

void Livelli::rispostaGiusta()
{
    m_stato.RisposteEsatte += 1;
}

void Livelli::rispostaSbagliata()
{
    if (m_stato.RisposteErrate < 32767)
        m_stato.RisposteErrate += 1;
}

void Livelli::pressioneIgnorata()
{
    if (m_stato.PressioniIgnorate < 32767)
        m_stato.PressioniIgnorate += 1;
}

void Livelli::nuovoSegmento(int livello)
{
    completaSegmento(m_stato, m_livello);
    chiudiSegmentoStoria();
    m_stato.RisposteEsatte = 0;
    m_stato.RisposteErrate = 0;
    m_stato.PressioniIgnorate = 0;
    m_livello = livello;
    iniziaSegmentoStoria();
}

void Livelli::iniziaSegmentoStoria()
{
    m_segmentoInCorso = true;
    m_inizio = QDateTime::currentDateTime();
    m_durata.start();
    m_accettate = 0;
}

void Livelli::chiudiSegmentoStoria()
{
    if (!m_segmentoInCorso)
        return;
    m_segmentoInCorso = false;
    SegmentoStoria s;
    s.livello = m_livello;
    s.esatte = static_cast<int>(m_stato.RisposteEsatte);
    s.errate = m_stato.RisposteErrate;
    s.ignorate = m_stato.PressioniIgnorate;
    s.accettate = m_accettate;
    s.inizio = m_inizio;
    s.durataMs = m_durata.elapsed();
    // A segment in which nothing happened (a level chosen and changed at
    // once) tells nothing about the child.
    if (m_storia && !s.vuoto())
        m_storia(s);
}

void Livelli::sceltaDalMenu(int livello)
{
    if (livello < 1 || livello > m_costanti.numeroLivelli)
        return;
    nuovoSegmento(livello);
}

bool Livelli::UnLivelloInMeno()
{
    if (m_livello <= 1)
        return false;
    nuovoSegmento(m_livello - 1);
    return true;
}

bool Livelli::UnLivelloInPiu()
{
    if (m_livello >= m_costanti.numeroLivelli)
        return false;
    nuovoSegmento(m_livello + 1);
    return true;
}

bool Livelli::CambiaLivello()
{
    const int prima = m_livello;
    if (m_stato.RisposteErrate >= kErroriPerScendere)
        UnLivelloInMeno();
    if (m_stato.RisposteEsatte - m_stato.RisposteErrate >= m_costanti.sogliaSalita)
        UnLivelloInPiu();
    return m_livello != prima;
}

void Livelli::uscita()
{
    completaSegmento(m_stato, m_livello);
    chiudiSegmentoStoria();
}

void Livelli::abbandono()
{
    chiudiSegmentoStoria();
}

bool RitmoPremio::rispostaGiusta()
{
    if (++m_contatore < kRispostePerPremio)
        return false;
    m_contatore = 0;
    return true;
}

bool RitmoPremio::daRicaricare()
{
    const bool ricarica = m_ricaricaCasa;
    m_ricaricaCasa = false;
    return ricarica;
}
