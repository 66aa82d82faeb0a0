#include "framework/FiltroSensore.h"

#include <algorithm>

void FiltroSensore::imposta(int accettazioneMs, int antirimbalzoMs)
{
    m_accettazione = std::max(0, accettazioneMs);
    m_antirimbalzo = std::max(0, antirimbalzoMs);
}

FiltroSensore::Esito FiltroSensore::premuto(int tasto, qint64 t)
{
    Pressione p;
    p.inizio = t;
    const auto ultimo = m_ultimoRilascioAccettato.constFind(tasto);
    if (m_antirimbalzo > 0 && ultimo != m_ultimoRilascioAccettato.constEnd()
        && t - *ultimo < m_antirimbalzo) {
        p.stato = Stato::Ignorata;
        ++m_ignorate;
    } else {
        p.stato = m_accettazione > 0 ? Stato::InAttesa : Stato::Accettata;
    }
    m_giu.insert(tasto, p);
    switch (p.stato) {
    case Stato::Accettata: return Esito::Accettata;
    case Stato::InAttesa: return Esito::InAttesa;
    case Stato::Ignorata: break;
    }
    return Esito::Ignorata;
}

bool FiltroSensore::matura(int tasto, qint64 t)
{
    const auto p = m_giu.find(tasto);
    if (p == m_giu.end() || p->stato != Stato::InAttesa || t - p->inizio < m_accettazione)
        return false;
    p->stato = Stato::Accettata;
    return true;
}

bool FiltroSensore::rilasciato(int tasto, qint64 t)
{
    const auto p = m_giu.constFind(tasto);
    if (p == m_giu.constEnd()) {
        // A release whose press went elsewhere (to the window before this
        // one): without an acceptance time it acts, as without the filter;
        // with one it cannot have been held long enough here.
        if (m_accettazione > 0)
            return false;
        m_ultimoRilascioAccettato.insert(tasto, t);
        return true;
    }
    const Stato stato = p->stato;
    m_giu.erase(p);
    if (stato == Stato::InAttesa)
        ++m_ignorate; // let go before the acceptance time
    if (stato != Stato::Accettata)
        return false;
    m_ultimoRilascioAccettato.insert(tasto, t);
    return true;
}

qint64 FiltroSensore::attesaRimanente(int tasto, qint64 t) const
{
    const auto p = m_giu.constFind(tasto);
    if (p == m_giu.constEnd() || p->stato != Stato::InAttesa)
        return -1;
    return std::max<qint64>(0, m_accettazione - (t - p->inizio));
}

void FiltroSensore::dimentica()
{
    m_giu.clear();
}

void RitmoScansione::imposta(int sosta, int limiteGiri)
{
    m_sosta = std::max(1, sosta);
    m_limite = std::max(0, limiteGiri);
    riparti();
}

void RitmoScansione::riparti()
{
    m_sullaPrima = true;
    m_tickSullaPrima = 0;
    m_giri = 0;
}

bool RitmoScansione::puoAvanzare()
{
    if (!m_sullaPrima)
        return true;
    // The first position has already shown for one tick when scanning
    // reached it; it keeps the highlight for sosta ticks in all.
    return ++m_tickSullaPrima >= m_sosta;
}

bool RitmoScansione::avanzato(bool giroCompleto)
{
    m_sullaPrima = giroCompleto;
    m_tickSullaPrima = 0;
    if (!giroCompleto)
        return false;
    ++m_giri;
    return m_limite > 0 && m_giri >= m_limite;
}
